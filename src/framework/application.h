// The application object: start-up with a command tail, the profile, the document template,
// the message loop and the end. It is the last stop of every command's route.
#pragma once

#include "command_target.h"
#include "doc_template.h"
#include "profile.h"
#include "recent_file_list.h"

#include <windows.h>

#include <memory>
#include <string>

namespace fw {

class Window;

class Application : public CommandTarget {
public:
    Application() = default;
    ~Application() override;
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    // Runs the whole life of the program; the process's exit code.
    int Start(HINSTANCE instance, const char* commandTail, int showCommand);

    HINSTANCE Instance() const { return m_hInstance; }
    const std::string& AppTitle() const { return m_strAppTitle; }
    HWND MainWindowHandle() const;

    // The profile named after the executable, where the program keeps its settings.
    const Profile& GetProfile() const { return *m_profile; }

    // The face and text colours of every dialog opened from now on.
    void SetDialogBkColor(COLORREF background, COLORREF text);
    bool HasDialogColors() const { return m_dialogBrush != nullptr; }
    HBRUSH DialogBrush() const { return m_dialogBrush; }
    COLORREF DialogBackColor() const { return m_dialogBackColor; }
    COLORREF DialogTextColor() const { return m_dialogTextColor; }

    void AddToRecentFileList(const std::string& path);

    Window* m_pMainWnd = nullptr;
    const char* m_lpCmdLine = "";
    int m_nCmdShow = SW_SHOWDEFAULT;

    static const MessageMap messageMap;

protected:
    virtual bool InitInstance() = 0;
    virtual int Run();
    virtual int ExitInstance();
    const MessageMap* GetMessageMap() const override { return &messageMap; }

    void LoadStdProfileSettings(std::size_t recentFiles);
    void SaveStdProfileSettings() const;
    void AddDocTemplate(std::unique_ptr<SingleDocTemplate> docTemplate);

    // Handlers a program may put into its own map.
    void OnFileNew();
    void OnFileOpen();

private:
    void OnAppExit();
    bool PreTranslateMessage(MSG& msg) const;
    void OnIdle() const;

    static const MessageEntry entries[];
    HINSTANCE m_hInstance = nullptr;
    std::string m_strCmdLine;
    std::string m_strAppTitle;
    std::unique_ptr<Profile> m_profile;
    std::unique_ptr<RecentFileList> m_recentFiles;
    std::unique_ptr<SingleDocTemplate> m_docTemplate;
    int m_nPreviewPages = 0;
    HBRUSH m_dialogBrush = nullptr;
    COLORREF m_dialogBackColor = 0;
    COLORREF m_dialogTextColor = 0;
};

}  // namespace fw
