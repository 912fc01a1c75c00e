// The jump option of the command tail ("/J120 C:\src\main.c") and the rebuilding of the editor's
// parameters from a command template with the macros %F (file) and %R (line).
#pragma once

#include <cstddef>
#include <string>
#include <utility>

struct JumpOption {
    bool found = false;
    std::string line;  // text after "/J", never converted to a number
    std::string file;
};

// Position of the slash of the jump option in the tail, or std::string::npos.
std::size_t find_jump_option(const std::string& tail);

JumpOption parse_jump_option(const std::string& tail);

std::string expand_template(const std::string& commandText, const std::string& file,
                            const std::string& line);
