#include "profile_value.h"

namespace {

bool is_blank(char c)
{
    return c == ' ' || c == '\t';
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
    const bool guard = is_blank(text.front()) || is_blank(text.back()) ||
                       (is_quote(text.front()) && text.back() == text.front());
    return guard ? '"' + text + '"' : text;
}
