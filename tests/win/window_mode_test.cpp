// The main window of a start without arguments, driven out of process with messages.
#include "main_window.h"

namespace {

TEST_F(MainWindow, OpensWithBothBarsAndTheIdleMessage)
{
    Open("WM_OPEN");

    EXPECT_TRUE(IsWindowVisible(toolBar));
    EXPECT_TRUE(IsWindowVisible(statusBar));
    EXPECT_EQ(SendMessageA(statusBar, SB_GETPARTS, 0, 0), 5);
    for (int pane = 1; pane <= 4; ++pane)
        EXPECT_EQ(StatusPaneText(statusBar, pane), "") << "pane " << pane << " with its key off";
    EXPECT_EQ(SendMessageA(toolBar, TB_BUTTONCOUNT, 0, 0), 10);
    EXPECT_EQ(SendMessageA(toolBar, TB_GETTOOLTIPS, 0, 0), 0);
    // Files dropped onto the window are not taken.
    EXPECT_FALSE(GetWindowLongA(frame, GWL_EXSTYLE) & WS_EX_ACCEPTFILES);
}

TEST_F(MainWindow, ToolBarButtonsAreEnabledExactlyWhereACommandIsHandled)
{
    Open("WM_BUTTONS");
    const struct {
        UINT id;
        bool enabled;
    } buttons[] = {
        {kFileNew, true},   {kFileOpen, true},  {kFileSave, true},   {kEditCut, false},
        {kEditCopy, false}, {kEditPaste, false}, {kFilePrint, false}, {kAppAbout, true},
    };
    for (const auto& button : buttons) {
        const LRESULT state = SendMessageA(toolBar, TB_GETSTATE, button.id, 0);
        ASSERT_NE(state, -1) << button.id;
        EXPECT_EQ((state & TBSTATE_ENABLED) != 0, button.enabled) << button.id;
    }
}

TEST_F(MainWindow, HighlightedMenuItemsShowTheirPrompts)
{
    Open("WM_PROMPTS");
    const struct {
        UINT item;
        UINT flags;
        const char* prompt;
    } cases[] = {
        {kFileNew, MF_HILITE, u8"新規にﾌｧｲﾙを作成"},
        {kSettings, MF_HILITE, u8"エディタの起動オプションの設定をします"},
        {kViewToolBar, MF_HILITE, u8"ﾂｰﾙﾊﾞｰの表示または非表示"},
        {kAppExit, MF_HILITE, u8"EDJUMP を終了し、文書の保存を確認"},
        {SC_CLOSE, MF_HILITE | MF_SYSMENU, u8"作業中のｳｨﾝﾄﾞｳを閉じ文書保管を確認"},
        {SC_RESTORE, MF_HILITE | MF_SYSMENU, u8"ｳｨﾝﾄﾞｳを通常のｻｲｽﾞに戻す"},
        {SC_TASKLIST, MF_HILITE | MF_SYSMENU, u8"作業中のｱﾌﾟﾘｹｰｼｮﾝﾘｽﾄ"},
        {0, MF_HILITE | MF_POPUP, u8""},
        {kFilePrint, MF_HILITE, u8""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.item);
        SendMessageA(frame, WM_MENUSELECT, MAKEWPARAM(c.item, c.flags), 1);
        EXPECT_EQ(StatusPaneText(statusBar, 0), Cp932(c.prompt));
    }
    // The menu closing brings the idle message back.
    SendMessageA(frame, WM_MENUSELECT, MAKEWPARAM(0, 0xFFFF), 0);
    EXPECT_EQ(StatusPaneText(statusBar, 0), idle);
}

TEST_F(MainWindow, HeldDownButtonShowsItsPromptAndDraggingOffSendsNothing)
{
    Open("WM_HOLD");
    PostMouse(WM_LBUTTONDOWN, ButtonCentre(kAppAbout));
    EXPECT_TRUE(WaitForStatus(Cp932(u8"ﾌﾟﾛｸﾞﾗﾑ情報､ﾊﾞｰｼﾞｮﾝ､版権の表示")));

    PostMouse(WM_MOUSEMOVE, POINT{2, 200});
    PostMouse(WM_LBUTTONUP, POINT{2, 200});
    EXPECT_TRUE(WaitForStatus(idle));
    EXPECT_EQ(WaitForOwnedDialog(frame, 0), nullptr);
    EXPECT_TRUE(IsWindowEnabled(frame));
}

TEST_F(MainWindow, ReleasedOverTheButtonRunsItsCommand)
{
    Open("WM_CLICK");
    PostMouse(WM_LBUTTONDOWN, ButtonCentre(kAppAbout));
    PostMouse(WM_LBUTTONUP, ButtonCentre(kAppAbout));

    HWND about = WaitForOwnedDialog(frame);
    ASSERT_NE(about, nullptr);
    EXPECT_EQ(WindowText(about), Cp932(u8"EDJUMP のバージョン情報"));
    PostClick(about, IDOK);
    EXPECT_TRUE(WaitForGone(about));
}

TEST_F(MainWindow, ViewCommandsHideAndShowTheBars)
{
    Open("WM_VIEW");
    for (UINT bar : {kViewToolBar, kViewStatusBar}) {
        HWND window = GetDlgItem(frame, static_cast<int>(bar));
        SendMessageA(frame, WM_COMMAND, bar, 0);
        EXPECT_FALSE(IsWindowVisible(window));
        SendMessageA(frame, WM_COMMAND, bar, 0);
        EXPECT_TRUE(IsWindowVisible(window));
    }
    SendMessageA(frame, WM_COMMAND, kViewToolBar, 0);
    PostMessageA(frame, WM_CLOSE, 0, 0);
    EXPECT_EQ(program->Wait().exitCode, 0u);

    // Nothing of the bars is stored: the next start shows both again.
    Open("WM_VIEW");
    EXPECT_TRUE(IsWindowVisible(toolBar));
    EXPECT_TRUE(IsWindowVisible(statusBar));
}

TEST_F(MainWindow, SettingsCommandOpensTheDialogOverTheDisabledWindow)
{
    profile = "[Executable]\r\nEditor=C:\\ed.exe\r\nCmdLine=%F,%R\r\nQx=1\r\n";
    Open("WM_SETTINGS");
    Command(kSettings);

    HWND dialog = WaitForOwnedDialog(frame);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(WindowText(dialog), Cp932(u8"設定"));
    EXPECT_FALSE(IsWindowEnabled(frame));
    EXPECT_EQ(ItemText(dialog, 101), "C:\\ed.exe");
    EXPECT_EQ(ItemText(dialog, 103), "%F,%R");
    EXPECT_EQ(CheckState(dialog, 105), BST_CHECKED);
    SetItemText(dialog, 101, "C:\\other.exe");
    PostClick(dialog, IDCANCEL);
    ASSERT_TRUE(WaitForGone(dialog));

    EXPECT_TRUE(IsWindowEnabled(frame));
    EXPECT_EQ(box->ProfileBytes(), profile);
}

TEST_F(MainWindow, AboutBoxClosesWithEnterAndWithEsc)
{
    Open("WM_ABOUT");
    for (UINT key : {VK_RETURN, VK_ESCAPE}) {
        Command(kAppAbout);
        HWND about = WaitForOwnedDialog(frame);
        ASSERT_NE(about, nullptr);
        EXPECT_EQ(WindowText(about), Cp932(u8"EDJUMP のバージョン情報"));
        EXPECT_FALSE(IsWindowEnabled(frame));
        HWND version = FindWindowExA(about, nullptr, "Static", nullptr);
        bool versionShown = false;
        for (; version; version = FindWindowExA(about, version, "Static", nullptr))
            versionShown = versionShown || WindowText(version) == "EDJUMP ver. 0.02";
        EXPECT_TRUE(versionShown);

        PostKey(GetDlgItem(about, IDOK), key);
        EXPECT_TRUE(WaitForGone(about));
        EXPECT_TRUE(IsWindowEnabled(frame));
    }
}

TEST_F(MainWindow, SaveAsOnANewDocumentProposesItsTitleAndWritesAnEmptyFile)
{
    Open("WM_SAVEAS");
    const std::string path = box->Folder() + "\\saved.txt";
    DeleteFileA(path.c_str());

    Command(kFileSaveAs);
    AnswerFileDialog("Save As", "Edjump", path);

    ASSERT_TRUE(WaitForCaption(Caption("saved.txt")));
    EXPECT_EQ(ReadFileBytes(path), "");
    EXPECT_NE(GetFileAttributesA(path.c_str()), INVALID_FILE_ATTRIBUTES);

    // A file this window wrote is written again by Save, without asking.
    WriteFileBytes(path, "changed elsewhere");
    Command(kFileSave);
    // Polled by size: an open handle of ours would make the program's exclusive write fail.
    const DWORD start = GetTickCount();
    WIN32_FILE_ATTRIBUTE_DATA data{};
    while (GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data) && data.nFileSizeLow != 0 &&
           GetTickCount() - start < kWindowDeadlineMs)
        Sleep(20);
    EXPECT_EQ(ReadFileBytes(path), "");
    EXPECT_EQ(WaitForOwnedDialog(frame, 0), nullptr);
}

TEST_F(MainWindow, SaveNeverWritesTheEmptyDocumentOverAnOpenedFile)
{
    Open("WM_OPENSAVE");
    const std::string path = box->Folder() + "\\precious.txt";
    WriteFileBytes(path, "precious content");

    Command(kFileOpen);
    AnswerFileDialog("Open", "", path);
    ASSERT_TRUE(WaitForCaption(Caption("precious.txt")));
    EXPECT_EQ(ReadFileBytes(path), "precious content");

    // Save asks for a name, proposing the opened file; cancelling leaves the file alone.
    Command(kFileSave);
    AnswerFileDialog("Save As", "precious.txt", "");
    EXPECT_EQ(ReadFileBytes(path), "precious content");

    Command(kFileNew);
    EXPECT_TRUE(WaitForCaption(Caption("Edjump")));
}

TEST_F(MainWindow, AFileThatCannotBeOpenedLeavesTheDocumentAsItWas)
{
    Open("WM_OPENFAIL");
    const std::string path = box->Folder() + "\\locked.txt";
    WriteFileBytes(path, "x");
    HANDLE lock = CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(lock, INVALID_HANDLE_VALUE);

    Command(kFileOpen);
    HWND dialog = WaitForOwnedDialog(frame);
    ASSERT_NE(dialog, nullptr);
    SetWindowTextA(FileNameBox(dialog), path.c_str());
    PostMessageA(dialog, WM_COMMAND, IDOK, 0);

    HWND message = WaitForDialog(program->ProcessId(), Cp932(kAppTitle));
    ASSERT_NE(message, nullptr);
    EXPECT_EQ(ItemText(message, 0xFFFF), "Failed to open document.");
    PostClick(message, IDOK);
    EXPECT_TRUE(WaitForGone(message));
    CloseHandle(lock);
    EXPECT_EQ(WindowText(frame), Caption("Edjump"));
}

TEST_F(MainWindow, RecentFilesAreStoredAtExitMostRecentFirst)
{
    Open("WM_RECENT");
    const std::string opened = box->Folder() + "\\first.txt";
    const std::string saved = box->Folder() + "\\second.txt";
    WriteFileBytes(opened, "1");
    DeleteFileA(saved.c_str());

    Command(kFileOpen);
    AnswerFileDialog("Open", "", opened);
    ASSERT_TRUE(WaitForCaption(Caption("first.txt")));
    Command(kFileSaveAs);
    AnswerFileDialog("Save As", "first.txt", saved);
    ASSERT_TRUE(WaitForCaption(Caption("second.txt")));

    PostMessageA(frame, WM_CLOSE, 0, 0);
    EXPECT_EQ(program->Wait().exitCode, 0u);
    EXPECT_EQ(box->ProfileValue("Recent File List", "File1"), saved);
    EXPECT_EQ(box->ProfileValue("Recent File List", "File2"), opened);
    EXPECT_EQ(box->ProfileValue("Recent File List", "File3"), "<missing>");
}

TEST_F(MainWindow, ExitAndTheCloseBoxNeverAsk)
{
    const struct {
        const char* name;
        UINT message;
        WPARAM wParam;
    } ways[] = {
        {"WM_EXIT", WM_COMMAND, kAppExit},
        {"WM_SCCLOSE", WM_SYSCOMMAND, SC_CLOSE},
    };
    for (const auto& way : ways) {
        SCOPED_TRACE(way.name);
        Open(way.name);
        PostMessageA(frame, way.message, way.wParam, 0);
        const Outcome outcome = program->Wait();
        EXPECT_TRUE(outcome.finished);
        EXPECT_EQ(outcome.exitCode, 0u);
    }
}

}  // namespace
