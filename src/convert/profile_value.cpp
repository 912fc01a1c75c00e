#include "profile_value.h"

namespace {

// What the reader drops around a value: blanks, tabs, and under Wine also vertical tab, form feed and the
// DOS end-of-file byte.
bool is_white(char c)
{
    return c == ' ' || c == '\t' || c == '\v' || c == '\f' || c == '\x1a';
}

bool is_quote(char c)
{
    return c == '"' || c == '\'';
}

}  // namespace

std::string encode_profile_value(const std::string& value)
{
    std::string text = value;
    for (char& c : text) {
        if (c == '\r' || c == '\n')
            c = ' ';
    }
    if (text.empty())
        return text;
    const bool guard = is_white(text.front()) || is_white(text.back()) ||
                       (is_quote(text.front()) && text.back() == text.front());
    return guard ? '"' + text + '"' : text;
}
