// What the platform's private-profile reader makes of a stored value: the white space around it goes
// (blanks and tabs; under Wine also vertical tab, form feed and 0x1A), then one pair of enclosing
// quotation marks of the same kind.
#pragma once

#include <string>

inline std::string read_back_profile_value(const std::string& stored)
{
    const char white[] = " \t\v\f\x1a";
    const std::size_t first = stored.find_first_not_of(white);
    if (first == std::string::npos)
        return {};
    const std::size_t last = stored.find_last_not_of(white);
    std::string value = stored.substr(first, last - first + 1);
    if (value.size() > 1 && (value.front() == '"' || value.front() == '\'') &&
        value.back() == value.front())
        value = value.substr(1, value.size() - 2);
    return value;
}
