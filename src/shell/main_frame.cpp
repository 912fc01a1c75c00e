#include "main_frame.h"

#include "resource.h"

namespace {

const UINT kButtons[] = {
    ID_FILE_NEW, ID_FILE_OPEN, ID_FILE_SAVE, ID_SEPARATOR, ID_EDIT_CUT,
    ID_EDIT_COPY, ID_EDIT_PASTE, ID_SEPARATOR, ID_FILE_PRINT, ID_APP_ABOUT,
};

const UINT kIndicators[] = {
    ID_SEPARATOR, ID_INDICATOR_KANA, ID_INDICATOR_CAPS, ID_INDICATOR_NUM, ID_INDICATOR_SCRL,
};

}  // namespace

const fw::MessageEntry CMainFrame::entries[] = {
    fw::WmCreate<&CMainFrame::OnCreate>(),
};

const fw::MessageMap CMainFrame::messageMap = fw::MakeMessageMap(&fw::FrameWindow::messageMap, CMainFrame::entries);

int CMainFrame::OnCreate(CREATESTRUCTA* create)
{
    if (fw::FrameWindow::OnCreate(create) == -1)
        return -1;
    if (!m_wndToolBar.Create(*this, WS_CHILD | WS_VISIBLE, AFX_IDW_TOOLBAR) ||
        !m_wndToolBar.LoadBitmap(IDR_MAINFRAME) ||
        !m_wndToolBar.SetButtons(kButtons, sizeof kButtons / sizeof kButtons[0]))
        return -1;
    if (!m_wndStatusBar.Create(*this, WS_CHILD | WS_VISIBLE, AFX_IDW_STATUS_BAR) ||
        !m_wndStatusBar.SetIndicators(kIndicators, sizeof kIndicators / sizeof kIndicators[0]))
        return -1;
    return 0;
}
