// Ids of the program's resources.
#pragma once

#define IDR_MAINFRAME 2

#define AFX_IDS_APP_TITLE 57344
