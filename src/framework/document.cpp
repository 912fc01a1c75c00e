#include "document.h"

#include "application.h"
#include "doc_template.h"
#include "file_dialog.h"
#include "standard_ids.h"
#include "view.h"

#include <commdlg.h>

namespace fw {

namespace {

std::string DisplayName(const std::string& path)
{
    const std::size_t slash = path.find_last_of("\\/:");
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

bool IsWritableFile(const std::string& path)
{
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES &&
           !(attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY));
}

}  // namespace

const MessageEntry Document::entries[] = {
    OnCommand<&Document::OnFileSave>(ID_FILE_SAVE),
    OnCommand<&Document::OnFileSaveAs>(ID_FILE_SAVE_AS),
};

const MessageMap Document::messageMap = MakeMessageMap(&CommandTarget::messageMap, Document::entries);

void Document::SetTitle(const std::string& title)
{
    m_strTitle = title;
    if (m_pTemplate)
        m_pTemplate->OnDocumentTitleChanged(*this);
}

void Document::SetPathName(const std::string& path)
{
    m_strPathName = path;
    SetTitle(DisplayName(path));
    if (m_pApp)
        m_pApp->AddToRecentFileList(path);
}

bool Document::OnNewDocument()
{
    m_strPathName.clear();
    m_bPathWrittenHere = false;
    return true;
}

bool Document::OnOpenDocument(const std::string& path)
{
    // Others may read the file meanwhile, but not change it under us.
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (!SerializeFile(file, true, "Failed to open document."))
        return false;
    m_bPathWrittenHere = false;
    return true;
}

bool Document::OnSaveDocument(const std::string& path)
{
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    return SerializeFile(file, false, "Failed to save document.");
}

bool Document::SerializeFile(HANDLE file, bool loading, const char* failure)
{
    if (file == INVALID_HANDLE_VALUE) {
        ReportFailure(failure);
        return false;
    }
    Archive archive(file, loading);
    Serialize(archive);
    CloseHandle(file);
    return true;
}

void Document::OnFileSave()
{
    // A file that was only opened here is never overwritten without the user naming it again.
    DoSave(m_bPathWrittenHere && IsWritableFile(m_strPathName) ? m_strPathName : std::string());
}

void Document::OnFileSaveAs()
{
    DoSave(std::string());
}

bool Document::DoSave(const std::string& path)
{
    std::string target = path;
    if (target.empty()) {
        FileDialog dialog(false, nullptr, m_strPathName.empty() ? m_strTitle.c_str() : m_strPathName.c_str(),
                          OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, m_pApp->MainWindowHandle());
        dialog.SetTitle("Save As");
        dialog.AddFilter("All Files (*.*)", "*.*");
        if (dialog.DoModal() != IDOK)
            return false;
        target = dialog.GetPathName();
    }
    if (!OnSaveDocument(target))
        return false;
    m_bPathWrittenHere = true;
    SetPathName(target);
    return true;
}

void Document::ReportFailure(const char* message) const
{
    if (m_pApp)
        MessageBoxA(m_pApp->MainWindowHandle(), message,
                    m_pApp->AppTitle().c_str(), MB_OK | MB_ICONEXCLAMATION);
}

}  // namespace fw
