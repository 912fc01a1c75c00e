// Finding and driving another process's windows, as a user would, with messages.
#pragma once

#include <windows.h>

#include <commctrl.h>

#include <functional>
#include <string>

const DWORD kWindowDeadlineMs = 20000;

// Polls the top-level windows until one matches, or the deadline passes (then nullptr).
HWND WaitForTopLevel(const std::function<bool(HWND)>& matches, DWORD timeoutMs = kWindowDeadlineMs);
// A visible dialog of the process with exactly this caption (code page 932 bytes).
HWND WaitForDialog(DWORD processId, const std::string& caption, DWORD timeoutMs = kWindowDeadlineMs);
// A visible dialog owned by the given window.
HWND WaitForOwnedDialog(HWND owner, DWORD timeoutMs = kWindowDeadlineMs);
// Polls until the window is gone.
bool WaitForGone(HWND window, DWORD timeoutMs = kWindowDeadlineMs);

std::string WindowText(HWND window);
std::string ItemText(HWND dialog, int id);
std::string ClassName(HWND window);
int CheckState(HWND dialog, int id);
HWND FocusOf(DWORD threadId);

// A click that returns once the handler has run.
void Click(HWND dialog, int id);
// A click whose handler opens a modal window, so the caller must not wait for it.
void PostClick(HWND dialog, int id);
void SetItemText(HWND dialog, int id, const std::string& text);
// A key pressed on the focused control of the dialog's thread.
void PostKey(HWND target, UINT virtualKey);

// The name box of the system's file dialogs: a combo box in the explorer style, else an edit box.
HWND FileNameBox(HWND fileDialog);

// The program's texts are code page 932 bytes; the tests write them readably in UTF-8.
std::string Cp932(const char* utf8);

// Memory in another process, for messages whose lParam points at a buffer the control fills in.
class RemoteBuffer {
public:
    RemoteBuffer(DWORD processId, std::size_t size);
    ~RemoteBuffer();
    RemoteBuffer(const RemoteBuffer&) = delete;
    RemoteBuffer& operator=(const RemoteBuffer&) = delete;

    LPARAM Address() const { return reinterpret_cast<LPARAM>(m_address); }
    std::string Read(std::size_t size) const;

private:
    HANDLE m_process;
    void* m_address;
};

// The text of one pane of a status bar in another process.
std::string StatusPaneText(HWND statusBar, int pane);
// The rectangle of a tool bar button (by command id), in the tool bar's client coordinates.
RECT ToolBarButtonRect(HWND toolBar, UINT command);
