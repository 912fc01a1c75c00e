#include "edjump_app.h"

#include "settei_dialog.h"

bool CEdjumpApp::InitInstance()
{
    SetDialogBkColor(RGB(192, 192, 192), RGB(0, 0, 0));
    LoadStdProfileSettings(4);
    if (m_lpCmdLine[0] == '\0')
        return true;
    LaunchEditor();
    return true;
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
