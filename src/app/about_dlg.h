// The About box: name, version, what the program does, and how to reach its authors.
#pragma once

#include "dialog.h"

class CAboutDlg : public fw::Dialog {
public:
    explicit CAboutDlg(fw::Application& app);
};
