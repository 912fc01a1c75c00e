// A start without arguments, stopped at its main window, for tests that drive it out of process.
#pragma once

#include "command_ids.h"
#include "gui.h"
#include "sandbox.h"

#include <gtest/gtest.h>

#include <memory>


inline const char* const kAppTitle = u8"Windows アプリケーション EDJUMP";

inline std::string Caption(const char* documentTitle)
{
    return Cp932((std::string(documentTitle) + " - " + kAppTitle).c_str());
}

class MainWindow : public testing::Test {
protected:
    void Open(const char* name)
    {
        box = std::make_unique<Sandbox>(name);
        if (!profile.empty())
            box->SetProfile(profile);
        program = std::make_unique<RunningProgram>(box->Start(""));
        frame = WaitForTopLevel([&](HWND window) {
            DWORD owner = 0;
            GetWindowThreadProcessId(window, &owner);
            return owner == program->ProcessId() && IsWindowVisible(window) && GetParent(window) == nullptr &&
                   ClassName(window) != "#32770" && WindowText(window) == Caption("Edjump");
        });
        ASSERT_NE(frame, nullptr) << "no main window";
        toolBar = GetDlgItem(frame, kViewToolBar);
        statusBar = GetDlgItem(frame, kViewStatusBar);
        ASSERT_TRUE(WaitForStatus(idle));
    }

    void TearDown() override
    {
        if (program && frame && IsWindow(frame)) {
            PostMessageA(frame, WM_CLOSE, 0, 0);
            const Outcome outcome = program->Wait();
            EXPECT_TRUE(outcome.finished);
            EXPECT_EQ(outcome.exitCode, 0u);
        }
    }

    bool WaitForStatus(const std::string& text) const
    {
        const DWORD start = GetTickCount();
        while (StatusPaneText(statusBar, 0) != text) {
            if (GetTickCount() - start > kWindowDeadlineMs)
                return false;
            Sleep(20);
        }
        return true;
    }

    bool WaitForCaption(const std::string& caption) const
    {
        const DWORD start = GetTickCount();
        while (WindowText(frame) != caption) {
            if (GetTickCount() - start > kWindowDeadlineMs)
                return false;
            Sleep(20);
        }
        return true;
    }

    void Command(UINT id) const { PostMessageA(frame, WM_COMMAND, id, 0); }

    // Runs a file dialog opened by a command: checks its caption and proposed name, then answers it.
    void AnswerFileDialog(const char* caption, const std::string& proposed, const std::string& path) const
    {
        HWND dialog = WaitForOwnedDialog(frame);
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(WindowText(dialog), caption);
        EXPECT_EQ(WindowText(FileNameBox(dialog)), proposed);
        if (path.empty()) {
            PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
        } else {
            SetWindowTextA(FileNameBox(dialog), path.c_str());
            PostMessageA(dialog, WM_COMMAND, IDOK, 0);
        }
        ASSERT_TRUE(WaitForGone(dialog));
    }

    void PostMouse(UINT message, POINT point) const
    {
        PostMessageA(toolBar, message, message == WM_LBUTTONDOWN ? MK_LBUTTON : 0, MAKELPARAM(point.x, point.y));
    }

    POINT ButtonCentre(UINT command) const
    {
        const RECT rect = ToolBarButtonRect(toolBar, command);
        return POINT{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
    }

    const std::string idle = Cp932(u8"ﾚﾃﾞｨ がんばろうZUNO!");
    std::string profile;
    std::unique_ptr<Sandbox> box;
    std::unique_ptr<RunningProgram> program;
    HWND frame = nullptr;
    HWND toolBar = nullptr;
    HWND statusBar = nullptr;
};
