#include "file_dialog.h"

#include "system_function.h"

#include <commdlg.h>

#include <vector>

namespace fw {

FileDialog::FileDialog(bool open, const char* defaultExt, const char* fileName, DWORD flags, HWND owner)
    : m_open(open), m_defaultExt(defaultExt ? defaultExt : ""), m_path(fileName ? fileName : ""), m_flags(flags),
      m_owner(owner)
{
}

void FileDialog::AddFilter(const char* name, const char* pattern)
{
    m_filter.append(name).append(1, '\0').append(pattern).append(1, '\0');
}

INT_PTR FileDialog::DoModal()
{
    std::vector<char> file(32768, '\0');
    m_path.copy(file.data(), file.size() - 1);
    const std::string filter = m_filter.empty() ? m_filter : m_filter + '\0';

    OPENFILENAMEA ofn{};
    ofn.lStructSize = sizeof ofn;
    ofn.hwndOwner = m_owner;
    ofn.lpstrFilter = filter.empty() ? nullptr : filter.c_str();
    ofn.lpstrFile = file.data();
    ofn.nMaxFile = static_cast<DWORD>(file.size());
    ofn.lpstrTitle = m_title.empty() ? nullptr : m_title.c_str();
    ofn.lpstrDefExt = m_defaultExt.empty() ? nullptr : m_defaultExt.c_str();
    ofn.Flags = m_flags | OFN_EXPLORER;
    const auto run = SystemFunction<decltype(&GetOpenFileNameA)>("comdlg32.dll", m_open ? "GetOpenFileNameA"
                                                                                        : "GetSaveFileNameA");
    if (!run || !run(&ofn))
        return IDCANCEL;
    m_path = file.data();
    // Windows appends the default extension to a name typed without one; Wine's dialog does not.
    const std::size_t name = m_path.find_last_of("\\/:");
    const std::size_t dot = m_path.rfind('.');
    if (!m_defaultExt.empty() && (dot == std::string::npos || (name != std::string::npos && dot < name)))
        m_path += "." + m_defaultExt;
    return IDOK;
}

}  // namespace fw
