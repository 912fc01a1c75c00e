// Profile files as text: the settings a test starts from, and counts that the platform's reader cannot
// give (a reader sees only the first of two sections or keys of one name).
#pragma once

#include "sandbox.h"

#include <string>

// Settings that name the stand-in editor and the given command template.
std::string RecorderProfile(const Sandbox& box, const std::string& cmdLine);

// How many lines of the file open the section; names compare without regard to case, as the reader's do.
int SectionCount(const std::string& bytes, const std::string& section);
// How many lines hold the key, over every section of that name.
int KeyCount(const std::string& bytes, const std::string& section, const std::string& key);
