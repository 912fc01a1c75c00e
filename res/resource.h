// Ids of the program's resources.
#pragma once

#define IDR_MAINFRAME 2

#define AFX_IDS_APP_TITLE 57344

// The settings dialog.
#define IDD_SETTINGS 101
#define IDC_EDITOR_PATH 101
#define IDC_BROWSE 102
#define IDC_CMDLINE 103
#define IDC_PRESET_DANA 104
#define IDC_PRESET_QX 105
