#include "jump_option.h"

namespace {

const char kLineDelimiters[] = "/Jj \t";
const char kFileDelimiters[] = " \t";

bool starts_word(const std::string& text, std::size_t pos)
{
    return pos == 0 || text[pos - 1] == ' ' || text[pos - 1] == '\t';
}

// The option counts only where it starts a word, so that forward-slash paths such as
// "c:/jp/a.txt" are not taken for jumps.
std::size_t find_word_start(const std::string& text, const char* needle)
{
    for (std::size_t pos = text.find(needle); pos != std::string::npos;
         pos = text.find(needle, pos + 1)) {
        if (starts_word(text, pos))
            return pos;
    }
    return std::string::npos;
}

// A quoted file token keeps its marks, so that the editor's own parsing keeps a path with blanks whole.
std::string cut_file_token(const std::string& tail, std::size_t pos)
{
    pos = tail.find_first_not_of(kFileDelimiters, pos);
    if (pos == std::string::npos)
        return {};
    std::size_t end;
    if (tail[pos] == '"') {
        end = tail.find('"', pos + 1);
        end = end == std::string::npos ? tail.size() : end + 1;
    } else {
        end = tail.find_first_of(kFileDelimiters, pos);
        if (end == std::string::npos)
            end = tail.size();
    }
    return tail.substr(pos, end - pos);
}

std::size_t find_macro(const std::string& text, const char* small, const char* capital)
{
    std::size_t pos = text.find(small);
    return pos != std::string::npos ? pos : text.find(capital);
}

}  // namespace

std::size_t find_jump_option(const std::string& tail)
{
    std::size_t pos = find_word_start(tail, "/j");
    return pos != std::string::npos ? pos : find_word_start(tail, "/J");
}

JumpOption parse_jump_option(const std::string& tail)
{
    JumpOption option;
    std::size_t pos = find_jump_option(tail);
    if (pos == std::string::npos)
        return option;
    option.found = true;

    pos = tail.find_first_not_of(kLineDelimiters, pos);
    if (pos == std::string::npos)
        return option;
    std::size_t end = tail.find_first_of(kLineDelimiters, pos);
    if (end == std::string::npos) {
        option.line = tail.substr(pos);
        return option;
    }
    option.line = tail.substr(pos, end - pos);
    // The delimiter that ended the line token is used up, even a slash or a J.
    option.file = cut_file_token(tail, end + 1);
    return option;
}

std::string expand_template(const std::string& commandText, const std::string& file,
                            const std::string& line)
{
    // Both macros are looked for in the command text alone: a token never supplies a macro.
    struct Replacement {
        std::size_t pos;
        const std::string* token;
    };
    Replacement first{find_macro(commandText, "%f", "%F"), &file};
    Replacement second{find_macro(commandText, "%r", "%R"), &line};
    if (second.pos < first.pos)
        std::swap(first, second);

    std::string result;
    std::size_t done = 0;
    for (const Replacement& r : {first, second}) {
        if (r.pos == std::string::npos)
            continue;
        result.append(commandText, done, r.pos - done);
        result += *r.token;
        done = r.pos + 2;
    }
    result.append(commandText, done, std::string::npos);
    return result.empty() ? file : result;
}
