// Ids of the program's resources. The standard commands, indicators and framework strings keep the
// framework's numbers.
#pragma once

#include "standard_ids.h"

#ifndef IDC_STATIC
#define IDC_STATIC (-1)
#endif

#define IDR_MAINFRAME 2

// The About box.
#define IDD_ABOUTBOX 100

// The settings dialog and the command that opens it.
#define IDD_SETTINGS 101
#define IDC_EDITOR_PATH 101
#define IDC_BROWSE 102
#define IDC_CMDLINE 103
#define IDC_PRESET_DANA 104
#define IDC_PRESET_QX 105
#define ID_SETTINGS 32768
