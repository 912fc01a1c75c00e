// The command tail: the process command line less the program's own name and the white space after it.
#pragma once

#include <string>

std::string command_tail(const std::string& commandLine);
