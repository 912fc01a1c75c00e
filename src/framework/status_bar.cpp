#include "status_bar.h"

#include "frame_window.h"
#include "resource_string.h"
#include "standard_ids.h"

#include <commctrl.h>

namespace fw {

namespace {

bool IndicatorOn(UINT id)
{
    switch (id) {
    case ID_INDICATOR_KANA:
        return GetKeyState(VK_KANA) < 0;
    case ID_INDICATOR_CAPS:
        return GetKeyState(VK_CAPITAL) & 1;
    case ID_INDICATOR_NUM:
        return GetKeyState(VK_NUMLOCK) & 1;
    case ID_INDICATOR_SCRL:
        return GetKeyState(VK_SCROLL) & 1;
    default:
        return true;
    }
}

}  // namespace

bool StatusBar::Create(FrameWindow& frame, DWORD style, UINT id)
{
    m_hWnd = CreateWindowExA(0, STATUSCLASSNAMEA, nullptr, style | CCS_BOTTOM, 0, 0, 0, 0, frame.m_hWnd,
                             reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)), frame.Instance(), nullptr);
    if (!m_hWnd)
        return false;
    frame.SetStatusBar(this);
    return true;
}

bool StatusBar::SetIndicators(const UINT* ids, int count)
{
    HINSTANCE instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(m_hWnd, GWLP_HINSTANCE));
    HDC dc = GetDC(m_hWnd);
    HGDIOBJ oldFont = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageA(m_hWnd, WM_GETFONT, 0, 0)));
    bool complete = true;
    m_indicators.clear();
    for (int i = 0; i < count; ++i) {
        Indicator indicator{ids[i], {}, 0};
        if (ids[i] != ID_SEPARATOR) {
            indicator.text = LoadResourceString(instance, ids[i]);
            complete = complete && !indicator.text.empty();
            SIZE size{};
            GetTextExtentPoint32A(dc, indicator.text.c_str(), static_cast<int>(indicator.text.size()), &size);
            indicator.width = size.cx + 2 * GetSystemMetrics(SM_CXEDGE) + 6;
        }
        m_indicators.push_back(indicator);
    }
    SelectObject(dc, oldFont);
    ReleaseDC(m_hWnd, dc);
    if (!complete)
        return false;
    Layout();
    UpdateIndicators();
    return true;
}

// The indicators keep the widths of their texts at the right; the message pane takes the rest.
void StatusBar::Layout() const
{
    SendMessageA(m_hWnd, WM_SIZE, 0, 0);
    if (m_indicators.empty())
        return;
    RECT client;
    GetClientRect(m_hWnd, &client);
    std::vector<int> edges(m_indicators.size());
    int right = client.right;
    for (std::size_t i = m_indicators.size() - 1; i > 0; --i) {
        edges[i] = i + 1 == m_indicators.size() ? -1 : right;
        right -= m_indicators[i].width;
    }
    edges[0] = m_indicators.size() == 1 ? -1 : right;
    SendMessageA(m_hWnd, SB_SETPARTS, edges.size(), reinterpret_cast<LPARAM>(edges.data()));
}

void StatusBar::SetMessageText(const std::string& text) const
{
    SendMessageA(m_hWnd, SB_SETTEXTA, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

void StatusBar::UpdateIndicators() const
{
    for (std::size_t i = 1; i < m_indicators.size(); ++i) {
        const char* shown = IndicatorOn(m_indicators[i].id) ? m_indicators[i].text.c_str() : "";
        char current[64] = "";
        if (SendMessageA(m_hWnd, SB_GETTEXTLENGTHA, i, 0) < static_cast<LRESULT>(sizeof current))
            SendMessageA(m_hWnd, SB_GETTEXTA, i, reinterpret_cast<LPARAM>(current));
        if (lstrcmpA(current, shown) != 0)
            SendMessageA(m_hWnd, SB_SETTEXTA, i, reinterpret_cast<LPARAM>(shown));
    }
}

}  // namespace fw
