// The system's file-open and file-save dialogs.
#pragma once

#include <windows.h>

#include <string>

namespace fw {

class FileDialog {
public:
    // defaultExt is appended to a name typed without one; fileName fills the name box at opening.
    FileDialog(bool open, const char* defaultExt, const char* fileName, DWORD flags, HWND owner);

    void SetTitle(const char* title) { m_title = title; }
    // Pairs of name and pattern, e.g. {"All Files (*.*)", "*.*"}.
    void AddFilter(const char* name, const char* pattern);

    // IDOK or IDCANCEL.
    INT_PTR DoModal();
    std::string GetPathName() const { return m_path; }

private:
    bool m_open;
    std::string m_defaultExt;
    std::string m_path;
    std::string m_title;
    std::string m_filter;
    DWORD m_flags;
    HWND m_owner;
};

}  // namespace fw
