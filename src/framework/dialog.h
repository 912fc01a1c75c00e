// A modal dialog from a resource template. The owner is the given parent, else the application's
// main window when there is one; a template placed at 0,0 is centred as it opens.
#pragma once

#include "data_exchange.h"
#include "window.h"

namespace fw {

class Application;

class Dialog : public Window {
public:
    Dialog(Application& app, UINT templateId, HWND parent);

    // IDOK, IDCANCEL, or -1 when the dialog cannot be created.
    INT_PTR DoModal();
    void UpdateData(bool saveAndValidate);

    static const MessageMap messageMap;

protected:
    Application& App() const { return m_app; }

    virtual void DoDataExchange(DataExchange&) {}
    // Returns true to let the system give the focus to the first tab stop.
    virtual bool OnInitDialog();
    virtual void OnOK();
    virtual void OnCancel();

    const MessageMap* GetMessageMap() const override { return &messageMap; }

private:
    static INT_PTR CALLBACK DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    HWND Owner() const;
    void CenterIfAtOrigin(HWND owner) const;
    HBRUSH OnCtlColorFace(HDC dc, HWND control);
    void OnOKCommand() { OnOK(); }
    void OnCancelCommand() { OnCancel(); }

    static const MessageEntry entries[];

    Application& m_app;
    UINT m_templateId;
    HWND m_parent;
};

}  // namespace fw
