// Input: a process command line.
#include "check.h"
#include "command_tail.h"

#include <cstdint>
#include <string>

namespace {

bool is_white(char c)
{
    return c == ' ' || (c >= '\t' && c <= '\r');
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string line(reinterpret_cast<const char*>(data), size);
    const std::string tail = command_tail(line);

    FUZZ_CHECK(tail.size() <= line.size());
    FUZZ_CHECK(line.compare(line.size() - tail.size(), std::string::npos, tail) == 0);
    FUZZ_CHECK(tail.empty() || !is_white(tail[0]));

    // What was cut off is the program's name and the white space after it, nothing of the arguments.
    const std::string cut = line.substr(0, line.size() - tail.size());
    std::size_t nameEnd = cut.size();
    while (nameEnd > 0 && is_white(cut[nameEnd - 1]))
        --nameEnd;
    const std::string name = cut.substr(0, nameEnd);
    if (!line.empty() && line[0] == '"') {
        const std::size_t close = line.find('"', 1);
        if (close == std::string::npos)
            FUZZ_CHECK(tail.empty());
        else
            FUZZ_CHECK(name == line.substr(0, close + 1));
    } else {
        for (char c : name)
            FUZZ_CHECK(!is_white(c));
        FUZZ_CHECK(tail.empty() || nameEnd < cut.size());
    }
    return 0;
}
