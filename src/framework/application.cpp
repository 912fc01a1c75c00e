#include "application.h"

#include "file_dialog.h"
#include "window.h"
#include "resource_string.h"
#include "standard_ids.h"

#include <commdlg.h>

#include <vector>

namespace fw {

namespace {

const char kSettingsSection[] = "Settings";
const char kPreviewPagesKey[] = "PreviewPages";

std::string ModulePath(HINSTANCE instance)
{
    std::vector<char> buffer(MAX_PATH);
    for (;;) {
        const DWORD length = GetModuleFileNameA(instance, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (length < buffer.size())
            return std::string(buffer.data(), length);
        buffer.resize(buffer.size() * 2);
    }
}

}  // namespace

const MessageEntry Application::entries[] = {
    OnCommand<&Application::OnAppExit>(ID_APP_EXIT),
};

const MessageMap Application::messageMap = MakeMessageMap(&CommandTarget::messageMap, Application::entries);

Application::~Application()
{
    if (m_dialogBrush)
        DeleteObject(m_dialogBrush);
}

void Application::SetDialogBkColor(COLORREF background, COLORREF text)
{
    if (m_dialogBrush)
        DeleteObject(m_dialogBrush);
    m_dialogBrush = CreateSolidBrush(background);
    m_dialogBackColor = background;
    m_dialogTextColor = text;
}

int Application::Start(HINSTANCE instance, const char* commandTail, int showCommand)
{
    m_hInstance = instance;
    m_strCmdLine = commandTail ? commandTail : "";
    m_lpCmdLine = m_strCmdLine.c_str();
    m_nCmdShow = showCommand;
    m_strAppTitle = LoadResourceString(instance, AFX_IDS_APP_TITLE);
    m_profile = std::make_unique<Profile>(Profile::NameForModule(ModulePath(instance)));

    InitInstance();
    Run();
    return ExitInstance();
}

HWND Application::MainWindowHandle() const
{
    return m_pMainWnd ? m_pMainWnd->m_hWnd : nullptr;
}

int Application::Run()
{
    if (!m_pMainWnd)
        PostQuitMessage(0);
    MSG msg{};
    bool idle = true;
    for (;;) {
        if (idle && !PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE)) {
            OnIdle();
            idle = false;
        }
        if (GetMessageA(&msg, nullptr, 0, 0) <= 0)
            break;
        if (!PreTranslateMessage(msg)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
        idle = true;
    }
    return static_cast<int>(msg.wParam);
}

bool Application::PreTranslateMessage(MSG& msg) const
{
    return m_pMainWnd && m_pMainWnd->PreTranslateMessage(msg);
}

void Application::OnIdle() const
{
    if (m_pMainWnd)
        m_pMainWnd->OnIdleUpdate();
}

void Application::AddDocTemplate(std::unique_ptr<SingleDocTemplate> docTemplate)
{
    m_docTemplate = std::move(docTemplate);
}

void Application::OnFileNew()
{
    if (m_docTemplate)
        m_docTemplate->OpenDocumentFile(*this, std::string());
}

void Application::OnFileOpen()
{
    if (!m_docTemplate)
        return;
    FileDialog dialog(true, nullptr, nullptr, OFN_HIDEREADONLY | OFN_FILEMUSTEXIST, MainWindowHandle());
    dialog.SetTitle("Open");
    dialog.AddFilter("All Files (*.*)", "*.*");
    if (dialog.DoModal() == IDOK)
        m_docTemplate->OpenDocumentFile(*this, dialog.GetPathName());
}

void Application::OnAppExit()
{
    if (m_pMainWnd)
        SendMessageA(m_pMainWnd->m_hWnd, WM_CLOSE, 0, 0);
}

void Application::AddToRecentFileList(const std::string& path)
{
    if (m_recentFiles)
        m_recentFiles->Add(path);
}

int Application::ExitInstance()
{
    SaveStdProfileSettings();
    return 0;
}

void Application::LoadStdProfileSettings(std::size_t recentFiles)
{
    m_recentFiles = std::make_unique<RecentFileList>(recentFiles);
    m_recentFiles->Load(*m_profile);
    m_nPreviewPages = m_profile->GetInt(kSettingsSection, kPreviewPagesKey, 0);
}

void Application::SaveStdProfileSettings() const
{
    if (m_recentFiles)
        m_recentFiles->Save(*m_profile);
    if (m_nPreviewPages != 0)
        m_profile->WriteInt(kSettingsSection, kPreviewPagesKey, m_nPreviewPages);
}

}  // namespace fw
