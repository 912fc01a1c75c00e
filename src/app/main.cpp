#include "command_tail.h"
#include "edjump_app.h"

#include <windows.h>

namespace {

CEdjumpApp theApp;

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    const std::string tail = command_tail(GetCommandLineA());
    theApp.Start(GetModuleHandleA(nullptr), tail.c_str(), SW_SHOWDEFAULT);
    // Whatever happened, the caller of a launcher learns nothing from it.
    return 0;
}
