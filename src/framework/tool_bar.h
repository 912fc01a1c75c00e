// A row of command buttons along the top of a frame, from one strip of 16 by 15 images.
#pragma once

#include <windows.h>

#include <vector>

namespace fw {

class FrameWindow;

class ToolBar {
public:
    HWND m_hWnd = nullptr;

    // id is the command that shows and hides the bar.
    bool Create(FrameWindow& frame, DWORD style, UINT id);
    bool LoadBitmap(UINT bitmapId);
    // ID_SEPARATOR entries make gaps; the others take the strip's images in order.
    bool SetButtons(const UINT* ids, int count);

    const std::vector<UINT>& ButtonCommands() const { return m_commands; }

private:
    std::vector<UINT> m_commands;
};

}  // namespace fw
