// A main window that cannot be made: without the tool bar's bitmap the frame refuses its creation,
// the user is told, and the program ends instead of running without a window. The program's classes
// run here in the test's own process, built without the program's resources.
#include "edjump_app.h"
#include "gui.h"

#include <gtest/gtest.h>

#include <thread>

namespace {

TEST(FrameFailure, ReportsAndEndsTheProgram)
{
    // This thread's own first use of the window functions is done before the program's thread
    // loads any library.
    WaitForTopLevel([](HWND) { return false; }, 0);
    CEdjumpApp app;
    int exitCode = -1;
    std::thread ui([&] { exitCode = app.Start(GetModuleHandleA(nullptr), "", SW_SHOWNORMAL); });

    HWND message = WaitForTopLevel([](HWND window) {
        DWORD process = 0;
        GetWindowThreadProcessId(window, &process);
        return process == GetCurrentProcessId() && IsWindowVisible(window) && ClassName(window) == "#32770";
    });
    ASSERT_NE(message, nullptr);
    EXPECT_EQ(ItemText(message, 0xFFFF), "Failed to create empty document.");
    EXPECT_EQ(app.MainWindowHandle(), nullptr);
    PostClick(message, IDOK);
    ui.join();

    EXPECT_EQ(exitCode, 0);
    EXPECT_EQ(app.MainWindowHandle(), nullptr);
}

}  // namespace
