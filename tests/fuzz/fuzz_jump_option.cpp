// Input: a command template, a zero byte, then a command tail (neither can hold a zero byte in use).
#include "check.h"
#include "jump_option.h"

#include <cstdint>
#include <string>

namespace {

bool has_macro(const std::string& text, const char* small, const char* capital)
{
    return text.find(small) != std::string::npos || text.find(capital) != std::string::npos;
}

std::size_t count(const std::string& text, char c)
{
    std::size_t n = 0;
    for (char x : text)
        n += x == c;
    return n;
}

void check_parse(const std::string& tail)
{
    const JumpOption option = parse_jump_option(tail);
    const std::size_t at = find_jump_option(tail);
    FUZZ_CHECK(option.found == (at != std::string::npos));
    if (!option.found) {
        FUZZ_CHECK(option.line.empty() && option.file.empty());
        return;
    }
    FUZZ_CHECK(tail[at] == '/' && (tail[at + 1] == 'j' || tail[at + 1] == 'J'));
    FUZZ_CHECK(at == 0 || tail[at - 1] == ' ' || tail[at - 1] == '\t');

    // Both tokens are cut from the tail after the option, the file token after the line token.
    const std::size_t linePos = tail.find(option.line, at + 2);
    FUZZ_CHECK(linePos != std::string::npos);
    FUZZ_CHECK(option.line.find_first_of("/Jj \t") == std::string::npos);
    if (option.file.empty())
        return;
    FUZZ_CHECK(!option.line.empty());
    FUZZ_CHECK(tail.find(option.file, linePos + option.line.size()) != std::string::npos);
    if (option.file[0] == '"') {
        const std::size_t close = option.file.find('"', 1);
        FUZZ_CHECK(close == std::string::npos || close == option.file.size() - 1);
    } else {
        FUZZ_CHECK(option.file.find_first_of(" \t") == std::string::npos);
    }
}

// Two bytes the template does not hold, as stand-ins for the tokens; false when there are none.
bool pick_markers(const std::string& text, char& fileMarker, char& lineMarker)
{
    bool used[256] = {};
    for (unsigned char c : text)
        used[c] = true;
    std::string free;
    for (int c = 1; c < 256 && free.size() < 2; ++c) {
        if (!used[c] && c != '%')
            free += static_cast<char>(c);
    }
    if (free.size() < 2)
        return false;
    fileMarker = free[0];
    lineMarker = free[1];
    return true;
}

// Puts the tokens where the markers stand, in one pass, so that a token never meets a marker.
std::string put_tokens(const std::string& marked, char fileMarker, char lineMarker, const std::string& file,
                       const std::string& line)
{
    std::string text;
    for (char c : marked)
        text += c == fileMarker ? file : c == lineMarker ? line : std::string(1, c);
    return text;
}

void check_expand(const std::string& text, const std::string& file, const std::string& line)
{
    const std::string result = expand_template(text, file, line);
    if (!has_macro(text, "%f", "%F") && !has_macro(text, "%r", "%R"))
        FUZZ_CHECK(result == (text.empty() ? file : text));

    char fileMarker, lineMarker;
    if (!pick_markers(text, fileMarker, lineMarker))
        return;
    const std::string marked = expand_template(text, std::string(1, fileMarker), std::string(1, lineMarker));
    // At most one macro of each kind is replaced, and only a macro of the template.
    FUZZ_CHECK(count(marked, fileMarker) == (has_macro(text, "%f", "%F") || text.empty() ? 1u : 0u));
    FUZZ_CHECK(count(marked, lineMarker) == (has_macro(text, "%r", "%R") ? 1u : 0u));
    // The tokens go in byte for byte, wherever the markers stand, and are never searched themselves.
    std::string expected = put_tokens(marked, fileMarker, lineMarker, file, line);
    if (expected.empty())
        expected = file;
    FUZZ_CHECK(result == expected);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string input(reinterpret_cast<const char*>(data), size);
    const std::size_t zero = input.find('\0');
    const std::string text = input.substr(0, zero);
    const std::string tail = zero == std::string::npos ? std::string() : input.substr(zero + 1);

    check_parse(tail);
    const JumpOption option = parse_jump_option(tail);
    check_expand(text, option.file, option.line);
    // Tokens taken from the template itself, so that macros turn up inside them too.
    check_expand(text, text, tail);
    return 0;
}
