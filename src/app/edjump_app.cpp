#include "edjump_app.h"

#include "about_dlg.h"
#include "edjump_doc.h"
#include "edjump_view.h"
#include "main_frame.h"
#include "resource.h"
#include "settei_dialog.h"

const fw::MessageEntry CEdjumpApp::entries[] = {
    fw::OnCommand<&CEdjumpApp::OnAbout>(ID_APP_ABOUT),
    fw::OnCommand<&CEdjumpApp::OnFileNew>(ID_FILE_NEW),
    fw::OnCommand<&CEdjumpApp::OnFileOpen>(ID_FILE_OPEN),
};

const fw::MessageMap CEdjumpApp::messageMap = fw::MakeMessageMap(&fw::Application::messageMap, CEdjumpApp::entries);

bool CEdjumpApp::InitInstance()
{
    SetDialogBkColor(RGB(192, 192, 192), RGB(0, 0, 0));
    LoadStdProfileSettings(4);
    AddDocTemplate(fw::SingleDocTemplate::Of<CEdjumpDoc, CMainFrame, CEdjumpView>(IDR_MAINFRAME));
    if (m_lpCmdLine[0] == '\0') {
        OnFileNew();
        return true;
    }
    LaunchEditor();
    return true;
}

void CEdjumpApp::OnAbout()
{
    CAboutDlg dialog(*this);
    dialog.DoModal();
}

bool CEdjumpApp::PromptForSettings(std::string& editorPath, std::string& commandTemplate)
{
    CSetteiDialog dialog(*this);
    if (dialog.DoModal() != IDOK)
        return false;
    editorPath = dialog.m_strEditor;
    commandTemplate = dialog.m_strCmdLine;
    return true;
}
