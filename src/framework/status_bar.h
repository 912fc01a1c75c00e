// The bar along the bottom of a frame: a message pane, then indicator panes for the lock keys.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace fw {

class FrameWindow;

class StatusBar {
public:
    HWND m_hWnd = nullptr;

    // id is the command that shows and hides the bar.
    bool Create(FrameWindow& frame, DWORD style, UINT id);
    // The first entry, ID_SEPARATOR, is the message pane; each other id names its indicator's text.
    bool SetIndicators(const UINT* ids, int count);

    void SetMessageText(const std::string& text) const;
    // Shows each indicator's text while its key is on.
    void UpdateIndicators() const;
    void Layout() const;

private:
    struct Indicator {
        UINT id;
        std::string text;
        int width;
    };
    std::vector<Indicator> m_indicators;
};

}  // namespace fw
