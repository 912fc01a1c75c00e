// A function of a system DLL that only some runs need. Importing it would load the DLL at every
// start, the launcher's too; this loads it on first use instead.
#pragma once

#include <windows.h>

namespace fw {

template <class Function>
Function SystemFunction(const char* dll, const char* name)
{
    HMODULE module = GetModuleHandleA(dll);
    if (!module)
        module = LoadLibraryA(dll);
    return module ? reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module, name))) : nullptr;
}

}  // namespace fw
