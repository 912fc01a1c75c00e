#include "frame_window.h"

#include "application.h"
#include "document.h"
#include "resource_string.h"
#include "standard_ids.h"
#include "status_bar.h"
#include "system_function.h"
#include "tool_bar.h"
#include "view.h"

#include <commctrl.h>

namespace fw {

namespace {

const char kFrameClass[] = "fw.FrameWindow";

}  // namespace

const MessageEntry FrameWindow::entries[] = {
    WmCreate<&FrameWindow::OnCreate>(),
    WmSize<&FrameWindow::OnSize>(),
    WmMenuSelect<&FrameWindow::OnMenuSelect>(),
    WmInitMenuPopup<&FrameWindow::OnInitMenuPopup>(),
    WmNotify<&FrameWindow::OnNotify>(),
    OnMessage<&FrameWindow::OnSetFocus>(WM_SETFOCUS),
    OnCommand<&FrameWindow::OnViewToolBar>(ID_VIEW_TOOLBAR),
    OnCommand<&FrameWindow::OnViewStatusBar>(ID_VIEW_STATUS_BAR),
};

const MessageMap FrameWindow::messageMap = MakeMessageMap(&CommandTarget::messageMap, FrameWindow::entries);

bool FrameWindow::LoadFrame(Application& app, SingleDocTemplate& docTemplate, Document& document,
                            SingleDocTemplate::NewView newView)
{
    m_pApp = &app;
    m_pTemplate = &docTemplate;
    m_pDocument = &document;
    m_newView = newView;
    const UINT id = docTemplate.ResourceId();
    HINSTANCE instance = app.Instance();
    m_strTitle = docTemplate.DocString(0);
    m_hAccel = LoadAcceleratorsA(instance, MAKEINTRESOURCEA(id));
    // The tool bar and status bar classes come with the common controls.
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_BAR_CLASSES};
    if (const auto init = SystemFunction<decltype(&InitCommonControlsEx)>("comctl32.dll", "InitCommonControlsEx"))
        init(&controls);
    RegisterWindowClass(instance, kFrameClass, CS_DBLCLKS,
                        LoadIconA(instance, MAKEINTRESOURCEA(id)), reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1));
    // Until it exists, a frame that fails is deleted here rather than by its last message.
    m_bAutoDelete = false;
    if (!CreateEx(0, kFrameClass, m_strTitle.c_str(), WS_OVERLAPPEDWINDOW, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                  CW_USEDEFAULT, nullptr, LoadMenuA(instance, MAKEINTRESOURCEA(id)), instance)) {
        delete this;
        return false;
    }
    m_bAutoDelete = true;
    return true;
}

HINSTANCE FrameWindow::Instance() const
{
    return m_pApp->Instance();
}

int FrameWindow::OnCreate(CREATESTRUCTA*)
{
    View* view = m_newView();
    if (!view->Create(*m_pApp, *m_pDocument, m_hWnd, AFX_IDW_PANE_FIRST)) {
        delete view;
        return -1;
    }
    m_pView = view;
    return 0;
}

void FrameWindow::InitialUpdateFrame(int showCommand)
{
    if (m_pStatusBar)
        SetMessageText(AFX_IDS_IDLEMESSAGE);
    ShowWindow(m_hWnd, showCommand);
    UpdateWindow(m_hWnd);
    if (m_pView)
        SetFocus(m_pView->m_hWnd);
}

// With the document's title first, as Windows 95 and later show it.
void FrameWindow::UpdateFrameTitle(const std::string& documentTitle)
{
    const std::string caption = documentTitle.empty() ? m_strTitle : documentTitle + " - " + m_strTitle;
    SetWindowTextA(m_hWnd, caption.c_str());
}

bool FrameWindow::OnCmdMsg(UINT id)
{
    if (m_pView && m_pView->ExecuteCommand(id))
        return true;
    if (m_pDocument && m_pDocument->ExecuteCommand(id))
        return true;
    if (ExecuteCommand(id))
        return true;
    return m_pApp->ExecuteCommand(id);
}

bool FrameWindow::RouteHasHandler(UINT id) const
{
    return (m_pView && m_pView->HasCommandHandler(id)) || (m_pDocument && m_pDocument->HasCommandHandler(id)) ||
           HasCommandHandler(id) || m_pApp->HasCommandHandler(id);
}

bool FrameWindow::PreTranslateMessage(MSG& msg)
{
    return m_hAccel && TranslateAcceleratorA(m_hWnd, m_hAccel, &msg);
}

void FrameWindow::OnIdleUpdate()
{
    if (m_pToolBar) {
        for (UINT id : m_pToolBar->ButtonCommands())
            SendMessageA(m_pToolBar->m_hWnd, TB_ENABLEBUTTON, id, MAKELPARAM(RouteHasHandler(id), 0));
        if (m_nTrackedButton && GetCapture() != m_pToolBar->m_hWnd) {
            m_nTrackedButton = 0;
            SetMessageText(AFX_IDS_IDLEMESSAGE);
        }
    }
    if (m_pStatusBar)
        m_pStatusBar->UpdateIndicators();
}

void FrameWindow::SetMessageText(UINT stringId)
{
    if (m_pStatusBar)
        m_pStatusBar->SetMessageText(LoadResourceString(Instance(), stringId));
}

void FrameWindow::OnSize(UINT type, int, int)
{
    if (type != SIZE_MINIMIZED)
        RecalcLayout();
}

void FrameWindow::RecalcLayout()
{
    RECT client;
    GetClientRect(m_hWnd, &client);
    if (m_pToolBar && IsWindowVisible(m_pToolBar->m_hWnd)) {
        SendMessageA(m_pToolBar->m_hWnd, TB_AUTOSIZE, 0, 0);
        RECT bar;
        GetWindowRect(m_pToolBar->m_hWnd, &bar);
        client.top += bar.bottom - bar.top;
    }
    if (m_pStatusBar && IsWindowVisible(m_pStatusBar->m_hWnd)) {
        m_pStatusBar->Layout();
        RECT bar;
        GetWindowRect(m_pStatusBar->m_hWnd, &bar);
        client.bottom -= bar.bottom - bar.top;
    }
    if (m_pView)
        MoveWindow(m_pView->m_hWnd, client.left, client.top, client.right - client.left,
                   client.bottom > client.top ? client.bottom - client.top : 0, TRUE);
}

void FrameWindow::OnMenuSelect(UINT item, UINT flags, HMENU menu)
{
    if (flags == 0xFFFF && !menu) {
        SetMessageText(AFX_IDS_IDLEMESSAGE);
        return;
    }
    if (flags & (MF_POPUP | MF_SEPARATOR)) {
        if (m_pStatusBar)
            m_pStatusBar->SetMessageText("");
        return;
    }
    SetMessageText(flags & MF_SYSMENU ? AFX_IDS_SCFIRST + (item - SC_SIZE) / 16 : item);
}

void FrameWindow::OnInitMenuPopup(HMENU popup, bool systemMenu)
{
    if (systemMenu)
        return;
    const int count = GetMenuItemCount(popup);
    for (int i = 0; i < count; ++i) {
        const UINT id = GetMenuItemID(popup, i);
        if (id == 0 || id == static_cast<UINT>(-1))
            continue;
        EnableMenuItem(popup, i, MF_BYPOSITION | (RouteHasHandler(id) ? MF_ENABLED : MF_GRAYED));
        if (id == ID_VIEW_TOOLBAR || id == ID_VIEW_STATUS_BAR)
            CheckMenuItem(popup, i, MF_BYPOSITION | (IsBarVisible(id) ? MF_CHECKED : MF_UNCHECKED));
    }
}

LRESULT FrameWindow::OnNotify(const NMHDR& header)
{
    // A button held down shows its prompt; the idle step brings the idle message back on release.
    if (m_pToolBar && header.hwndFrom == m_pToolBar->m_hWnd && header.code == NM_LDOWN) {
        const auto& mouse = reinterpret_cast<const NMMOUSE&>(header);
        const UINT id = static_cast<UINT>(mouse.dwItemSpec);
        const LRESULT state = SendMessageA(m_pToolBar->m_hWnd, TB_GETSTATE, id, 0);
        if (state != -1 && (state & TBSTATE_ENABLED) && RouteHasHandler(id)) {
            m_nTrackedButton = id;
            SetMessageText(id);
        }
    }
    return 0;
}

void FrameWindow::OnSetFocus()
{
    if (m_pView)
        SetFocus(m_pView->m_hWnd);
}

void FrameWindow::OnViewToolBar()
{
    ToggleBar(ID_VIEW_TOOLBAR);
}

void FrameWindow::OnViewStatusBar()
{
    ToggleBar(ID_VIEW_STATUS_BAR);
}

// The bars carry the ids of the commands that show and hide them.
void FrameWindow::ToggleBar(UINT id)
{
    HWND bar = GetDlgItem(m_hWnd, static_cast<int>(id));
    if (!bar)
        return;
    ShowWindow(bar, IsWindowVisible(bar) ? SW_HIDE : SW_SHOW);
    RecalcLayout();
}

bool FrameWindow::IsBarVisible(UINT id) const
{
    HWND bar = GetDlgItem(m_hWnd, static_cast<int>(id));
    return bar && IsWindowVisible(bar);
}

void FrameWindow::PostNcDestroy()
{
    if (m_pApp->m_pMainWnd == this) {
        m_pApp->m_pMainWnd = nullptr;
        m_pTemplate->OnFrameDestroyed();
        PostQuitMessage(0);
    }
    if (m_bAutoDelete)
        delete this;
}

}  // namespace fw
