#include "dialog.h"

#include "application.h"

namespace fw {

const MessageEntry Dialog::entries[] = {
    OnCommand<&Dialog::OnOKCommand>(IDOK),
    OnCommand<&Dialog::OnCancelCommand>(IDCANCEL),
    OnCtlColor<&Dialog::OnCtlColorFace>(WM_CTLCOLORDLG),
    OnCtlColor<&Dialog::OnCtlColorFace>(WM_CTLCOLORSTATIC),
    OnCtlColor<&Dialog::OnCtlColorFace>(WM_CTLCOLORBTN),
};

const MessageMap Dialog::messageMap = MakeMessageMap(&CommandTarget::messageMap, Dialog::entries);

Dialog::Dialog(Application& app, UINT templateId, HWND parent)
    : m_app(app), m_templateId(templateId), m_parent(parent)
{
}

INT_PTR Dialog::DoModal()
{
    const INT_PTR result = DialogBoxParamA(m_app.Instance(), MAKEINTRESOURCEA(m_templateId), Owner(),
                                           &Dialog::DialogProc, reinterpret_cast<LPARAM>(this));
    m_hWnd = nullptr;
    return result;
}

HWND Dialog::Owner() const
{
    return m_parent ? m_parent : m_app.MainWindowHandle();
}

void Dialog::UpdateData(bool saveAndValidate)
{
    DataExchange exchange(m_hWnd, saveAndValidate);
    DoDataExchange(exchange);
}

bool Dialog::OnInitDialog()
{
    UpdateData(false);
    return true;
}

void Dialog::OnOK()
{
    UpdateData(true);
    EndDialog(m_hWnd, IDOK);
}

void Dialog::OnCancel()
{
    EndDialog(m_hWnd, IDCANCEL);
}

// The system places a template at 0,0 in the owner's corner (or the screen's); such a dialog is
// meant to be centred, over its owner or else over the screen, and kept inside the screen.
void Dialog::CenterIfAtOrigin(HWND owner) const
{
    RECT dialog;
    GetWindowRect(m_hWnd, &dialog);
    POINT origin{0, 0};
    if (owner)
        ClientToScreen(owner, &origin);
    if (dialog.left != origin.x || dialog.top != origin.y)
        return;

    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoA(MonitorFromWindow(owner ? owner : m_hWnd, MONITOR_DEFAULTTOPRIMARY), &monitor);
    RECT area = monitor.rcWork;
    if (owner && IsWindowVisible(owner) && !IsIconic(owner))
        GetWindowRect(owner, &area);
    const LONG width = dialog.right - dialog.left;
    const LONG height = dialog.bottom - dialog.top;
    LONG left = (area.left + area.right - width) / 2;
    LONG top = (area.top + area.bottom - height) / 2;
    const RECT& screen = monitor.rcWork;
    left = left + width > screen.right ? screen.right - width : left;
    top = top + height > screen.bottom ? screen.bottom - height : top;
    left = left < screen.left ? screen.left : left;
    top = top < screen.top ? screen.top : top;
    SetWindowPos(m_hWnd, nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

HBRUSH Dialog::OnCtlColorFace(HDC dc, HWND)
{
    SetTextColor(dc, m_app.DialogTextColor());
    SetBkColor(dc, m_app.DialogBackColor());
    return m_app.DialogBrush();
}

INT_PTR CALLBACK Dialog::DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    Dialog* self;
    if (message == WM_INITDIALOG) {
        self = reinterpret_cast<Dialog*>(lParam);
        SetWindowLongPtrA(hwnd, DWLP_USER, reinterpret_cast<LONG_PTR>(self));
        self->m_hWnd = hwnd;
        self->CenterIfAtOrigin(GetWindow(hwnd, GW_OWNER));
        return self->OnInitDialog();
    }
    self = reinterpret_cast<Dialog*>(GetWindowLongPtrA(hwnd, DWLP_USER));
    if (!self)
        return FALSE;
    // Edit boxes keep the system's window colours.
    if (message == WM_CTLCOLOREDIT || (message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC &&
                                       !self->m_app.HasDialogColors()))
        return FALSE;
    LRESULT result = 0;
    if (!self->DispatchToMap(message, wParam, lParam, result))
        return FALSE;
    if (message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC)
        return static_cast<INT_PTR>(result);
    SetWindowLongPtrA(hwnd, DWLP_MSGRESULT, result);
    return TRUE;
}

}  // namespace fw
