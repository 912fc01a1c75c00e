#include "gui.h"

#include <vector>

namespace {

struct Search {
    const std::function<bool(HWND)>* matches;
    HWND found;
};

BOOL CALLBACK VisitTopLevel(HWND window, LPARAM context)
{
    Search& search = *reinterpret_cast<Search*>(context);
    if (!(*search.matches)(window))
        return TRUE;
    search.found = window;
    return FALSE;
}

bool IsVisibleDialog(HWND window)
{
    return IsWindowVisible(window) && ClassName(window) == "#32770";
}

}  // namespace

HWND WaitForTopLevel(const std::function<bool(HWND)>& matches, DWORD timeoutMs)
{
    const DWORD start = GetTickCount();
    for (;;) {
        Search search{&matches, nullptr};
        EnumWindows(&VisitTopLevel, reinterpret_cast<LPARAM>(&search));
        if (search.found || GetTickCount() - start > timeoutMs)
            return search.found;
        Sleep(20);
    }
}

HWND WaitForDialog(DWORD processId, const std::string& caption, DWORD timeoutMs)
{
    return WaitForTopLevel(
        [&](HWND window) {
            DWORD owner = 0;
            GetWindowThreadProcessId(window, &owner);
            return owner == processId && IsVisibleDialog(window) && WindowText(window) == caption;
        },
        timeoutMs);
}

HWND WaitForOwnedDialog(HWND owner, DWORD timeoutMs)
{
    return WaitForTopLevel(
        [&](HWND window) { return GetWindow(window, GW_OWNER) == owner && IsVisibleDialog(window); }, timeoutMs);
}

bool WaitForGone(HWND window, DWORD timeoutMs)
{
    const DWORD start = GetTickCount();
    while (IsWindow(window)) {
        if (GetTickCount() - start > timeoutMs)
            return false;
        Sleep(20);
    }
    return true;
}

// GetWindowText would give another process's controls' creation names, not their texts.
std::string WindowText(HWND window)
{
    DWORD_PTR length = 0;
    SendMessageTimeoutA(window, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, 5000, &length);
    std::vector<char> buffer(length + 1);
    DWORD_PTR copied = 0;
    SendMessageTimeoutA(window, WM_GETTEXT, buffer.size(), reinterpret_cast<LPARAM>(buffer.data()),
                        SMTO_ABORTIFHUNG, 5000, &copied);
    return std::string(buffer.data(), copied);
}

std::string ItemText(HWND dialog, int id)
{
    return WindowText(GetDlgItem(dialog, id));
}

std::string ClassName(HWND window)
{
    char name[64];
    const int length = GetClassNameA(window, name, sizeof name);
    return std::string(name, length > 0 ? length : 0);
}

int CheckState(HWND dialog, int id)
{
    return static_cast<int>(SendDlgItemMessageA(dialog, id, BM_GETCHECK, 0, 0));
}

HWND FocusOf(DWORD threadId)
{
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    GetGUIThreadInfo(threadId, &info);
    return info.hwndFocus;
}

void Click(HWND dialog, int id)
{
    SendDlgItemMessageA(dialog, id, BM_CLICK, 0, 0);
}

void PostClick(HWND dialog, int id)
{
    PostMessageA(GetDlgItem(dialog, id), BM_CLICK, 0, 0);
}

void SetItemText(HWND dialog, int id, const std::string& text)
{
    SetDlgItemTextA(dialog, id, text.c_str());
}

void PostKey(HWND target, UINT virtualKey)
{
    PostMessageA(target, WM_KEYDOWN, virtualKey, 1);
    PostMessageA(target, WM_KEYUP, virtualKey, 0xC0000001);
}

std::string Cp932(const char* utf8)
{
    const int wide = MultiByteToWideChar(CP_UTF8, 0, utf8, -1, nullptr, 0);
    std::vector<wchar_t> text(wide);
    MultiByteToWideChar(CP_UTF8, 0, utf8, -1, text.data(), wide);
    const int length = WideCharToMultiByte(932, 0, text.data(), -1, nullptr, 0, nullptr, nullptr);
    std::vector<char> bytes(length);
    WideCharToMultiByte(932, 0, text.data(), -1, bytes.data(), length, nullptr, nullptr);
    return std::string(bytes.data());
}

RemoteBuffer::RemoteBuffer(DWORD processId, std::size_t size)
    : m_process(OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, processId)),
      m_address(m_process ? VirtualAllocEx(m_process, nullptr, size, MEM_COMMIT, PAGE_READWRITE) : nullptr)
{
}

RemoteBuffer::~RemoteBuffer()
{
    if (m_address)
        VirtualFreeEx(m_process, m_address, 0, MEM_RELEASE);
    if (m_process)
        CloseHandle(m_process);
}

std::string RemoteBuffer::Read(std::size_t size) const
{
    std::string bytes(size, '\0');
    SIZE_T read = 0;
    ReadProcessMemory(m_process, m_address, &bytes[0], size, &read);
    bytes.resize(read);
    return bytes;
}

namespace {

DWORD ProcessOf(HWND window)
{
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    return process;
}

}  // namespace

std::string StatusPaneText(HWND statusBar, int pane)
{
    RemoteBuffer buffer(ProcessOf(statusBar), 1024);
    const LRESULT result = SendMessageA(statusBar, SB_GETTEXTA, pane, buffer.Address());
    const std::string bytes = buffer.Read(LOWORD(result) + 1);
    return bytes.substr(0, bytes.find('\0'));
}

RECT ToolBarButtonRect(HWND toolBar, UINT command)
{
    RemoteBuffer buffer(ProcessOf(toolBar), sizeof(RECT));
    RECT rect{};
    if (SendMessageA(toolBar, TB_GETRECT, command, buffer.Address()))
        buffer.Read(sizeof rect).copy(reinterpret_cast<char*>(&rect), sizeof rect);
    return rect;
}

HWND FileNameBox(HWND fileDialog)
{
    HWND box = GetDlgItem(fileDialog, 0x47C);
    return box ? box : GetDlgItem(fileDialog, 0x480);
}
