// The system's file-open dialog.
#pragma once

#include <windows.h>

#include <string>

namespace fw {

class FileDialog {
public:
    // defaultExt is appended to a name typed without one; fileName fills the name box at opening.
    FileDialog(const char* defaultExt, const char* fileName, DWORD flags, HWND owner);

    // IDOK or IDCANCEL.
    INT_PTR DoModal();
    std::string GetPathName() const { return m_path; }

private:
    std::string m_defaultExt;
    std::string m_path;
    DWORD m_flags;
    HWND m_owner;
};

}  // namespace fw
