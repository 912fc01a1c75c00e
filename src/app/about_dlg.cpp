#include "about_dlg.h"

#include "resource.h"

CAboutDlg::CAboutDlg(fw::Application& app) : fw::Dialog(app, IDD_ABOUTBOX, nullptr)
{
}
