// The form in which a text goes into a private-profile file so that the platform's reader gives it back:
// the reader drops the white space around a value and one pair of enclosing quotation marks, and a line
// break would start a new line of the file.
#pragma once

#include <string>

std::string encode_profile_value(const std::string& value);
