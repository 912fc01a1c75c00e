// The settings dialog, driven out of process as a user would: it appears as the launcher's prompt
// when no editor is stored.
#include "gui.h"
#include "sandbox.h"

#include <gtest/gtest.h>

namespace {

enum : int {
    kEditor = 101,
    kBrowse = 102,
    kCmdLine = 103,
    kDana = 104,
    kQx = 105,
};

// A launcher start with no editor stored, stopped at its settings prompt.
class SettingsPrompt : public testing::Test {
protected:
    void Open(const char* name, const std::string& tail = "/J12 a.txt")
    {
        box = std::make_unique<Sandbox>(name);
        if (!profile.empty())
            box->SetProfile(profile);
        program = std::make_unique<RunningProgram>(box->Start(tail));
        dialog = WaitForDialog(program->ProcessId(), Cp932(u8"設定"));
        ASSERT_NE(dialog, nullptr) << "no settings dialog";
    }

    void ExpectBoxes(const std::string& editor, const std::string& cmdLine, int dana, int qx) const
    {
        EXPECT_EQ(ItemText(dialog, kEditor), editor);
        EXPECT_EQ(ItemText(dialog, kCmdLine), cmdLine);
        EXPECT_EQ(CheckState(dialog, kDana), dana);
        EXPECT_EQ(CheckState(dialog, kQx), qx);
    }

    void CloseAndExpectCleanExit()
    {
        if (IsWindow(dialog))
            PostClick(dialog, IDCANCEL);
        const Outcome outcome = program->Wait();
        EXPECT_TRUE(outcome.finished);
        EXPECT_EQ(outcome.exitCode, 0u);
    }

    void ConfirmAndExpectCleanExit()
    {
        PostClick(dialog, IDOK);
        EXPECT_TRUE(WaitForGone(dialog));
        CloseAndExpectCleanExit();
    }

    std::string profile;
    std::unique_ptr<Sandbox> box;
    std::unique_ptr<RunningProgram> program;
    HWND dialog = nullptr;
};

TEST_F(SettingsPrompt, OpensEmptyCentredWithFocusOnOK)
{
    Open("SD_OPEN");

    ExpectBoxes("", "", BST_UNCHECKED, BST_UNCHECKED);
    EXPECT_EQ(FocusOf(program->ThreadId()), GetDlgItem(dialog, IDOK));
    EXPECT_EQ(GetWindow(dialog, GW_OWNER), nullptr);
    RECT rect;
    GetWindowRect(dialog, &rect);
    RECT work;
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    EXPECT_NEAR((rect.left + rect.right) / 2, (work.left + work.right) / 2, 1);
    EXPECT_NEAR((rect.top + rect.bottom) / 2, (work.top + work.bottom) / 2, 1);

    CloseAndExpectCleanExit();
}

struct PresetCase {
    const char* name;
    const char* typedEditor;
    const char* typedCmdLine;
    std::vector<int> clicks;
    const char* editor;
    const char* cmdLine;
    int dana;
    int qx;
};

const PresetCase kPresetCases[] = {
    {"Dana", "", "", {kDana}, "DANA.EXE", "%F+%R", 1, 0},
    {"Qx", "", "", {kQx}, "QX.EXE", "%F,%R", 0, 1},
    {"DanaThenQxKeepsDanaPath", "", "", {kDana, kQx}, "DANA.EXE", "%F,%R", 0, 1},
    {"QxThenDana", "", "", {kQx, kDana}, "QX.EXE", "%F+%R", 1, 0},
    {"PathAlreadyThere", "C:\\ed\\ed.exe", "", {kQx}, "C:\\ed\\ed.exe", "%F,%R", 0, 1},
    {"TypedTemplateReplaced", "", "-x %F", {kDana}, "DANA.EXE", "%F+%R", 1, 0},
    {"ClearingEmptiesTemplate", "C:\\ed.exe", "keep?", {kDana, kDana}, "C:\\ed.exe", "", 0, 0},
};

// One dialog serves every row: the boxes are reset by messages that run no handler.
TEST_F(SettingsPrompt, PresetsFillInAndClearEachOther)
{
    Open("SD_PRESETS");
    for (const PresetCase& c : kPresetCases) {
        SCOPED_TRACE(c.name);
        SetItemText(dialog, kEditor, c.typedEditor);
        SetItemText(dialog, kCmdLine, c.typedCmdLine);
        SendDlgItemMessageA(dialog, kDana, BM_SETCHECK, BST_UNCHECKED, 0);
        SendDlgItemMessageA(dialog, kQx, BM_SETCHECK, BST_UNCHECKED, 0);
        for (int id : c.clicks)
            Click(dialog, id);
        ExpectBoxes(c.editor, c.cmdLine, c.dana, c.qx);
    }
    CloseAndExpectCleanExit();
    EXPECT_EQ(box->ProfileValue("Executable", "Editor"), "<missing>");
}

TEST_F(SettingsPrompt, CompletedOKStoresAllFourAndLaunchesWithTheTailsTokens)
{
    Open("SD_OK");
    Click(dialog, kDana);
    SetItemText(dialog, kEditor, box->RecorderPath());

    ConfirmAndExpectCleanExit();

    const std::string expected = "[Executable]\r\nEditor=" + box->RecorderPath() +
                                 "\r\nCmdLine=%F+%R\r\nDana=1\r\nQx=0\r\n";
    EXPECT_NE(box->ProfileBytes().find(expected), std::string::npos) << box->ProfileBytes();
    const std::vector<Record> records = box->Records();
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(records[0].parameters, "a.txt+12");
}

TEST_F(SettingsPrompt, WithoutJumpOptionTheTailItselfIsLaunched)
{
    Open("SD_NOJUMP", "a.txt");
    Click(dialog, kDana);
    SetItemText(dialog, kEditor, box->RecorderPath());

    ConfirmAndExpectCleanExit();

    const std::vector<Record> records = box->Records();
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(records[0].parameters, "a.txt");
}

struct MissingCase {
    const char* editor;
    const char* cmdLine;
};

TEST_F(SettingsPrompt, IncompleteOKIsRefusedWithAMessageAndTheDialogStays)
{
    Open("SD_REFUSED");
    const MissingCase cases[] = {{"", ""}, {"C:\\ed.exe", ""}, {"", "%F"}};
    for (const MissingCase& c : cases) {
        SCOPED_TRACE(std::string(c.editor) + "|" + c.cmdLine);
        SetItemText(dialog, kEditor, c.editor);
        SetItemText(dialog, kCmdLine, c.cmdLine);
        // Enter on the focused OK button.
        PostKey(GetDlgItem(dialog, IDOK), VK_RETURN);

        HWND message = WaitForOwnedDialog(dialog);
        ASSERT_NE(message, nullptr);
        EXPECT_EQ(WindowText(message), Cp932(u8"Windows アプリケーション EDJUMP"));
        EXPECT_EQ(ItemText(message, 0xFFFF), Cp932(u8"設定が終わっていません!!"));
        EXPECT_NE(GetDlgItem(message, IDOK), nullptr);
        EXPECT_EQ(GetDlgItem(message, IDCANCEL), nullptr);
        PostClick(message, IDOK);
        ASSERT_TRUE(WaitForGone(message));

        EXPECT_TRUE(IsWindowVisible(dialog));
        ExpectBoxes(c.editor, c.cmdLine, 0, 0);
    }
    CloseAndExpectCleanExit();
    EXPECT_EQ(box->ProfileValue("Executable", "Editor"), "<missing>");
    EXPECT_TRUE(box->Records().empty());
}

struct CloseCase {
    const char* name;
    std::function<void(HWND)> close;
};

TEST_F(SettingsPrompt, CancelEscAndCloseBoxWriteAndLaunchNothing)
{
    const CloseCase cases[] = {
        {"SD_CANCEL", [](HWND d) { PostClick(d, IDCANCEL); }},
        {"SD_ESC", [](HWND d) { PostKey(GetDlgItem(d, IDOK), VK_ESCAPE); }},
        {"SD_CLOSEBOX", [](HWND d) { PostMessageA(d, WM_SYSCOMMAND, SC_CLOSE, 0); }},
    };
    for (const CloseCase& c : cases) {
        SCOPED_TRACE(c.name);
        Open(c.name);
        Click(dialog, kQx);
        SetItemText(dialog, kEditor, box->RecorderPath());

        c.close(dialog);
        ASSERT_TRUE(WaitForGone(dialog));
        CloseAndExpectCleanExit();

        EXPECT_TRUE(box->Records().empty());
        EXPECT_EQ(box->ProfileValue("Executable", "Editor"), "<missing>");
        EXPECT_EQ(box->ProfileValue("Executable", "Qx"), "<missing>");
        EXPECT_EQ(box->ProfileValue("Debug", "CL"), "/J12 a.txt");
    }
}

TEST_F(SettingsPrompt, StoredFlagsBothSetOpenCheckedAndAreStoredAgain)
{
    profile = "[Executable]\r\nDana=1\r\nQx=1\r\n";
    Open("SD_BOTHFLAGS");
    ExpectBoxes("", "", BST_CHECKED, BST_CHECKED);
    SetItemText(dialog, kEditor, box->RecorderPath());
    SetItemText(dialog, kCmdLine, "%F");

    ConfirmAndExpectCleanExit();

    EXPECT_EQ(box->ProfileValue("Executable", "Dana"), "1");
    EXPECT_EQ(box->ProfileValue("Executable", "Qx"), "1");
}

TEST_F(SettingsPrompt, StoredTextsComeBackUnchanged)
{
    struct {
        const char* name;
        std::string cmdLine;
        std::string launched;
    } const cases[] = {
        {"SD_RT_QUOTED", "\"%F\"", "\"a.txt\""},
        {"SD_RT_SINGLE", "'%F'", "'a.txt'"},
        {"SD_RT_BLANKS", "  -n%R %F  ", "-n12 a.txt  "},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Open(c.name);
        SetItemText(dialog, kEditor, box->RecorderPath());
        SetItemText(dialog, kCmdLine, c.cmdLine);
        ConfirmAndExpectCleanExit();
        EXPECT_EQ(box->ProfileValue("Executable", "CmdLine"), c.cmdLine);

        // The next launch reads the template back and uses it as it was typed.
        EXPECT_EQ(box->Run("/J12 a.txt").exitCode, 0u);
        const std::vector<Record> records = box->Records();
        ASSERT_EQ(records.size(), 2u);
        EXPECT_EQ(records[0].parameters, c.launched);
    }
}

TEST_F(SettingsPrompt, BlankEditorPathAndBlankTemplateAreStoredWhole)
{
    Open("SD_RT_BLANKONLY");
    SetItemText(dialog, kEditor, "  C:\\My Tools\\ed.exe  ");
    SetItemText(dialog, kCmdLine, "   ");

    ConfirmAndExpectCleanExit();

    EXPECT_EQ(box->ProfileValue("Executable", "Editor"), "  C:\\My Tools\\ed.exe  ");
    EXPECT_EQ(box->ProfileValue("Executable", "CmdLine"), "   ");
}

TEST_F(SettingsPrompt, BrowseKeepsTheTypedTemplate)
{
    struct {
        const char* name;
        const char* chosen;  // nullptr: the file dialog is cancelled
        std::string editor;
    } const cases[] = {
        {"SD_BROWSE", "myeditor", "\\myeditor.EXE"},
        {"SD_BROWSECANCEL", nullptr, "typed.exe"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Open(c.name);
        SetItemText(dialog, kCmdLine, "-x %F");
        SetItemText(dialog, kEditor, "typed.exe");

        PostClick(dialog, kBrowse);
        HWND files = WaitForOwnedDialog(dialog);
        ASSERT_NE(files, nullptr);
        EXPECT_EQ(WindowText(FileNameBox(files)), "*.EXE");
        if (c.chosen) {
            // Typed without an extension, in a folder that exists; the file itself need not.
            SetWindowTextA(FileNameBox(files), (box->Folder() + "\\" + c.chosen).c_str());
            PostMessageA(files, WM_COMMAND, IDOK, 0);
        } else {
            PostMessageA(files, WM_COMMAND, IDCANCEL, 0);
        }
        ASSERT_TRUE(WaitForGone(files));

        ExpectBoxes(c.chosen ? box->Folder() + c.editor : c.editor, "-x %F", 0, 0);
        CloseAndExpectCleanExit();
    }
}

COLORREF ScreenPixel(HWND window, int x, int y)
{
    POINT point{x, y};
    ClientToScreen(window, &point);
    HDC screen = GetDC(nullptr);
    const COLORREF color = GetPixel(screen, point.x, point.y);
    ReleaseDC(nullptr, screen);
    return color;
}

TEST_F(SettingsPrompt, FaceIsLightGreyAndEditBoxesKeepTheWindowColour)
{
    Open("SD_COLOURS");
    // Let the dialog finish painting before the screen is read.
    UpdateWindow(dialog);
    SendMessageA(dialog, WM_NULL, 0, 0);

    EXPECT_EQ(ScreenPixel(dialog, 2, 2), RGB(192, 192, 192));
    HWND edit = GetDlgItem(dialog, kEditor);
    RECT inside;
    GetClientRect(edit, &inside);
    EXPECT_EQ(ScreenPixel(edit, inside.right - 3, inside.bottom / 2), GetSysColor(COLOR_WINDOW));
    CloseAndExpectCleanExit();
}

}  // namespace
