#include "edjump_app.h"

bool CEdjumpApp::InitInstance()
{
    LoadStdProfileSettings(4);
    if (m_lpCmdLine[0] == '\0')
        return true;
    LaunchEditor();
    return true;
}

bool CEdjumpApp::PromptForSettings(std::string&, std::string&)
{
    return false;
}
