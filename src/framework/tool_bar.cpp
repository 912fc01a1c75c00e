#include "tool_bar.h"

#include "frame_window.h"
#include "standard_ids.h"
#include "system_function.h"

#include <commctrl.h>

namespace fw {

bool ToolBar::Create(FrameWindow& frame, DWORD style, UINT id)
{
    // No tool tips and no flat look: the buttons say what they do in the status bar when pressed.
    m_hWnd = CreateWindowExA(0, TOOLBARCLASSNAMEA, nullptr, style | CCS_TOP, 0, 0, 0, 0, frame.m_hWnd,
                             reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)), frame.Instance(), nullptr);
    if (!m_hWnd)
        return false;
    SendMessageA(m_hWnd, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    SendMessageA(m_hWnd, TB_SETBITMAPSIZE, 0, MAKELPARAM(16, 15));
    frame.SetToolBar(this);
    return true;
}

bool ToolBar::LoadBitmap(UINT bitmapId)
{
    // The system maps the strip's black, greys and white to the button colours.
    const auto createMappedBitmap = SystemFunction<decltype(&CreateMappedBitmap)>("comctl32.dll", "CreateMappedBitmap");
    HBITMAP strip = createMappedBitmap
                        ? createMappedBitmap(reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(m_hWnd, GWLP_HINSTANCE)),
                                             bitmapId, 0, nullptr, 0)
                        : nullptr;
    if (!strip)
        return false;
    BITMAP info;
    GetObjectA(strip, sizeof info, &info);
    TBADDBITMAP add{nullptr, reinterpret_cast<UINT_PTR>(strip)};
    return SendMessageA(m_hWnd, TB_ADDBITMAP, info.bmWidth / 16, reinterpret_cast<LPARAM>(&add)) >= 0;
}

bool ToolBar::SetButtons(const UINT* ids, int count)
{
    std::vector<TBBUTTON> buttons(count);
    int image = 0;
    for (int i = 0; i < count; ++i) {
        TBBUTTON& button = buttons[i];
        button.idCommand = static_cast<int>(ids[i]);
        if (ids[i] == ID_SEPARATOR) {
            button.fsStyle = TBSTYLE_SEP;
        } else {
            button.iBitmap = image++;
            button.fsState = TBSTATE_ENABLED;
            button.fsStyle = TBSTYLE_BUTTON;
            m_commands.push_back(ids[i]);
        }
    }
    if (!SendMessageA(m_hWnd, TB_ADDBUTTONSA, count, reinterpret_cast<LPARAM>(buttons.data())))
        return false;
    SendMessageA(m_hWnd, TB_AUTOSIZE, 0, 0);
    return true;
}

}  // namespace fw
