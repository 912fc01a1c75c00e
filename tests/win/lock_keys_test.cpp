// The lock-key indicators, with real key presses. Input goes to the foreground window, so these
// tests run alone.
#include "main_window.h"

namespace {

void PressKey(WORD key)
{
    INPUT input[2]{};
    input[0].type = input[1].type = INPUT_KEYBOARD;
    input[0].ki.wVk = input[1].ki.wVk = key;
    input[1].ki.dwFlags = KEYEVENTF_KEYUP;
    SendInput(2, input, sizeof(INPUT));
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

}  // namespace
