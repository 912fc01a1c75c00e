// What the platform's private-profile reader makes of a stored value: the blanks and tabs around it
// go, then one pair of enclosing quotation marks of the same kind.
#pragma once

#include <string>

inline std::string read_back_profile_value(const std::string& stored)
{
    const std::size_t first = stored.find_first_not_of(" \t");
    if (first == std::string::npos)
        return {};
    const std::size_t last = stored.find_last_not_of(" \t");
    std::string value = stored.substr(first, last - first + 1);
    if (value.size() > 1 && (value.front() == '"' || value.front() == '\'') &&
        value.back() == value.front())
        value = value.substr(1, value.size() - 2);
    return value;
}
