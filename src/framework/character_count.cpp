#include "character_count.h"

#include <windows.h>

#include <climits>

std::size_t CharacterCount(const std::string& ansiText)
{
    // Never more characters than bytes, so the byte count stands in where the platform cannot measure.
    if (ansiText.size() > INT_MAX)
        return ansiText.size();
    return static_cast<std::size_t>(MultiByteToWideChar(CP_ACP, 0, ansiText.data(),
                                                        static_cast<int>(ansiText.size()), nullptr, 0));
}
