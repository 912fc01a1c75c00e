// A button control of a dialog, for reading and setting its check state.
#pragma once

#include <windows.h>

namespace fw {

class Button {
public:
    HWND m_hWnd = nullptr;

    int GetCheck() const { return static_cast<int>(SendMessageA(m_hWnd, BM_GETCHECK, 0, 0)); }
    void SetCheck(int state) const { SendMessageA(m_hWnd, BM_SETCHECK, static_cast<WPARAM>(state), 0); }
};

}  // namespace fw
