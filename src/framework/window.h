// An object that owns a window handle and answers its messages through its message map.
#pragma once

#include "command_target.h"

#include <windows.h>

namespace fw {

class Window : public CommandTarget {
public:
    HWND m_hWnd = nullptr;

    // For the main window: a chance to take a queued message (an accelerator) before it is dispatched.
    virtual bool PreTranslateMessage(MSG&) { return false; }
    // For the main window: called whenever the message loop runs out of messages.
    virtual void OnIdleUpdate() {}

protected:
    // Registers the class once per process; the window procedure binds the object at WM_NCCREATE.
    static bool RegisterWindowClass(HINSTANCE instance, const char* className, UINT style, HICON icon,
                                    HBRUSH background);
    bool CreateEx(DWORD exStyle, const char* className, const char* title, DWORD style, int x, int y, int width,
                  int height, HWND parent, HMENU menuOrId, HINSTANCE instance);

    // Looks the message up in the map chain. WM_COMMAND reaches a handler only for a menu item,
    // an accelerator or a button click (notification codes 0 and 1).
    bool DispatchToMap(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);

    // A command of this window's: by default its own map answers it.
    virtual bool OnCmdMsg(UINT id) { return ExecuteCommand(id); }
    virtual LRESULT DefaultProc(UINT message, WPARAM wParam, LPARAM lParam);
    // After the last message: the object may delete itself here.
    virtual void PostNcDestroy() {}

private:
    static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
};

}  // namespace fw
