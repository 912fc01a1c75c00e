// The main window under real key presses. Input goes to the foreground window, so these tests run alone.
#include "main_window.h"

namespace {

// Presses the key, with the modifier held down when one is given.
void PressKey(WORD key, WORD modifier = 0)
{
    INPUT input[4]{};
    UINT count = 0;
    auto add = [&](WORD vk, DWORD flags) {
        input[count].type = INPUT_KEYBOARD;
        input[count].ki.wVk = vk;
        input[count++].ki.dwFlags = flags;
    };
    if (modifier)
        add(modifier, 0);
    add(key, 0);
    add(key, KEYEVENTF_KEYUP);
    if (modifier)
        add(modifier, KEYEVENTF_KEYUP);
    SendInput(count, input, sizeof(INPUT));
}

TEST_F(MainWindow, LockIndicatorsShowWhileTheirKeysAreOn)
{
    Open("WM_LOCKS");
    SetForegroundWindow(frame);
    const struct {
        WORD key;
        int pane;
        const char* text;
    } locks[] = {{VK_CAPITAL, 2, "CAP"}, {VK_NUMLOCK, 3, "NUM"}, {VK_SCROLL, 4, "SCRL"}};
    for (const auto& lock : locks) {
        SCOPED_TRACE(lock.text);
        PressKey(lock.key);
        const DWORD start = GetTickCount();
        while (StatusPaneText(statusBar, lock.pane) != lock.text && GetTickCount() - start < kWindowDeadlineMs)
            Sleep(20);
        EXPECT_EQ(StatusPaneText(statusBar, lock.pane), lock.text);
        PressKey(lock.key);
        while (!StatusPaneText(statusBar, lock.pane).empty() && GetTickCount() - start < kWindowDeadlineMs)
            Sleep(20);
        EXPECT_EQ(StatusPaneText(statusBar, lock.pane), "");
    }
}

TEST_F(MainWindow, AcceleratorsRunOnlyCommandsThatHaveAHandler)
{
    Open("WM_KEYS");
    SetForegroundWindow(frame);
    // Copy, paste, undo and the pane keys have no handler: nothing opens, nothing changes.
    PressKey('C', VK_CONTROL);
    PressKey(VK_INSERT, VK_SHIFT);
    PressKey(VK_BACK, VK_MENU);
    PressKey(VK_F6);
    PressKey(VK_F6, VK_SHIFT);
    // Ctrl+O has one, and its dialog is the first window to open.
    PressKey('O', VK_CONTROL);

    HWND dialog = WaitForOwnedDialog(frame);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(WindowText(dialog), "Open");
    EXPECT_EQ(WindowText(frame), Caption("Edjump"));
    PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
    EXPECT_TRUE(WaitForGone(dialog));
}

TEST_F(MainWindow, AltF4ClosesWithoutAsking)
{
    Open("WM_ALTF4");
    SetForegroundWindow(frame);
    PressKey(VK_F4, VK_MENU);

    const Outcome outcome = program->Wait();
    EXPECT_TRUE(outcome.finished);
    EXPECT_EQ(outcome.exitCode, 0u);
}

}  // namespace
