// Texts of the string table, as the ANSI code page's bytes.
#pragma once

#include <windows.h>

#include <string>

namespace fw {

std::string LoadResourceString(HINSTANCE instance, UINT id);

}  // namespace fw
