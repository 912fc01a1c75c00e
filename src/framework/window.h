// An object that owns a window handle and answers its messages through its message map.
#pragma once

#include "command_target.h"

#include <windows.h>

namespace fw {

class Window : public CommandTarget {
public:
    HWND m_hWnd = nullptr;

protected:
    // Looks the message up in the map chain. WM_COMMAND reaches a handler only for a menu item,
    // an accelerator or a button click (notification codes 0 and 1).
    bool DispatchToMap(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
};

}  // namespace fw
