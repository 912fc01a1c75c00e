// Command ids as the user's clicks carry them, written out so that the tests do not take them
// from the program's own headers.
#pragma once

#include <windows.h>

enum : UINT {
    kSettings = 32768,
    kFileNew = 57600,
    kFileOpen = 57601,
    kFileSave = 57603,
    kFileSaveAs = 57604,
    kFilePrint = 57607,
    kEditCopy = 57634,
    kEditCut = 57635,
    kEditPaste = 57637,
    kEditUndo = 57643,
    kAppAbout = 57664,
    kAppExit = 57665,
    kViewToolBar = 59392,
    kViewStatusBar = 59393,
};
