#include "command_tail.h"

namespace {

bool is_white(char c)
{
    return c == ' ' || (c >= '\t' && c <= '\r');
}

}  // namespace

std::string command_tail(const std::string& commandLine)
{
    std::size_t pos = 0;
    if (!commandLine.empty() && commandLine[0] == '"') {
        // A quoted name may hold blanks ("C:\Program Files\..."); an unclosed quote names the whole line.
        pos = commandLine.find('"', 1);
        if (pos == std::string::npos)
            return {};
        ++pos;
    } else {
        while (pos < commandLine.size() && !is_white(commandLine[pos]))
            ++pos;
    }
    while (pos < commandLine.size() && is_white(commandLine[pos]))
        ++pos;
    return commandLine.substr(pos);
}
