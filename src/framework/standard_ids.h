// Ids that the framework gives meaning to: standard commands, control bars, indicators and the
// strings it shows. A program's resources use these numbers for those jobs.
#pragma once

#define ID_SEPARATOR 0

#define ID_FILE_NEW 57600
#define ID_FILE_OPEN 57601
#define ID_FILE_CLOSE 57602
#define ID_FILE_SAVE 57603
#define ID_FILE_SAVE_AS 57604
#define ID_FILE_PRINT 57607
#define ID_FILE_MRU_FILE1 57616
#define ID_FILE_MRU_FILE2 57617
#define ID_FILE_MRU_FILE3 57618
#define ID_FILE_MRU_FILE4 57619

#define ID_EDIT_CLEAR 57632
#define ID_EDIT_CLEAR_ALL 57633
#define ID_EDIT_COPY 57634
#define ID_EDIT_CUT 57635
#define ID_EDIT_FIND 57636
#define ID_EDIT_PASTE 57637
#define ID_EDIT_REPEAT 57640
#define ID_EDIT_REPLACE 57641
#define ID_EDIT_SELECT_ALL 57642
#define ID_EDIT_UNDO 57643
#define ID_EDIT_REDO 57644

#define ID_APP_ABOUT 57664
#define ID_APP_EXIT 57665
#define ID_NEXT_PANE 57680
#define ID_PREV_PANE 57681

#define ID_INDICATOR_EXT 59136
#define ID_INDICATOR_CAPS 59137
#define ID_INDICATOR_NUM 59138
#define ID_INDICATOR_SCRL 59139
#define ID_INDICATOR_OVR 59140
#define ID_INDICATOR_REC 59141
#define ID_INDICATOR_KANA 59142

// The bars carry the ids of the View commands that show and hide them.
#define ID_VIEW_TOOLBAR 59392
#define ID_VIEW_STATUS_BAR 59393
#define AFX_IDW_TOOLBAR ID_VIEW_TOOLBAR
#define AFX_IDW_STATUS_BAR ID_VIEW_STATUS_BAR
#define AFX_IDW_PANE_FIRST 59648

#define AFX_IDS_APP_TITLE 57344
#define AFX_IDS_IDLEMESSAGE 57345

// Prompts of the system menu's commands: the first plus (SC_... - SC_SIZE) / 16.
#define AFX_IDS_SCFIRST 61184
#define AFX_IDS_SCSIZE 61184
#define AFX_IDS_SCMOVE 61185
#define AFX_IDS_SCMINIMIZE 61186
#define AFX_IDS_SCMAXIMIZE 61187
#define AFX_IDS_SCNEXTWINDOW 61188
#define AFX_IDS_SCPREVWINDOW 61189
#define AFX_IDS_SCCLOSE 61190
#define AFX_IDS_SCRESTORE 61202
#define AFX_IDS_SCTASKLIST 61203
