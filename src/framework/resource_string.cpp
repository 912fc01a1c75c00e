#include "resource_string.h"

namespace fw {

std::string LoadResourceString(HINSTANCE instance, UINT id)
{
    char buffer[1024];
    const int length = LoadStringA(instance, id, buffer, sizeof buffer);
    return std::string(buffer, length > 0 ? length : 0);
}

}  // namespace fw
