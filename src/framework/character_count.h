// How many characters the platform makes of an ANSI text: its limits count UTF-16 characters, not bytes.
#pragma once

#include <cstddef>
#include <string>

std::size_t CharacterCount(const std::string& ansiText);
