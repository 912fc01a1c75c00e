#include "application.h"

#include "resource_string.h"
#include "standard_ids.h"

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
    m_strAppTitle = LoadResourceString(instance, IDS_FW_APP_TITLE);
    m_profile = std::make_unique<Profile>(Profile::NameForModule(ModulePath(instance)));

    InitInstance();
    Run();
    return ExitInstance();
}

int Application::Run()
{
    if (!m_pMainWnd)
        PostQuitMessage(0);
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return static_cast<int>(msg.wParam);
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

std::string Application::GetProfileString(const char* section, const char* key, const char* defaultValue) const
{
    return m_profile->GetString(section, key, defaultValue);
}

int Application::GetProfileInt(const char* section, const char* key, int defaultValue) const
{
    return m_profile->GetInt(section, key, defaultValue);
}

void Application::WriteProfileString(const char* section, const char* key, const std::string& value) const
{
    m_profile->WriteString(section, key, value);
}

void Application::WriteProfileInt(const char* section, const char* key, int value) const
{
    m_profile->WriteInt(section, key, value);
}

}  // namespace fw
