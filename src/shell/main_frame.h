// The main window: the frame with its tool bar and status bar.
#pragma once

#include "frame_window.h"
#include "status_bar.h"
#include "tool_bar.h"

class CMainFrame : public fw::FrameWindow {
public:
    static const fw::MessageMap messageMap;

protected:
    const fw::MessageMap* GetMessageMap() const override { return &messageMap; }

private:
    int OnCreate(CREATESTRUCTA* create);

    static const fw::MessageEntry entries[];
    fw::StatusBar m_wndStatusBar;
    fw::ToolBar m_wndToolBar;
};
