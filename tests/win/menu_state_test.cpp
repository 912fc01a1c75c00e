// Menu item states of the main window. Wine keeps menus inside their process, so this test runs the
// program's own classes in a thread of its own process and drives the window from the test thread.
#include "command_ids.h"
#include "edjump_app.h"

#include <gtest/gtest.h>

#include <thread>

namespace {


class MenuState : public testing::Test {
protected:
    void SetUp() override
    {
        ui = std::thread([this] { app.Start(GetModuleHandleA(nullptr), "", SW_SHOWNORMAL); });
        const DWORD start = GetTickCount();
        while (!(frame = app.MainWindowHandle()) || !IsWindowVisible(frame)) {
            ASSERT_LT(GetTickCount() - start, 20000u) << "no main window";
            Sleep(20);
        }
        bar = GetMenu(frame);
        ASSERT_NE(bar, nullptr);
    }

    void TearDown() override
    {
        if (frame)
            PostMessageA(frame, WM_CLOSE, 0, 0);
        ui.join();
    }

    // What the user sees when the popup at this place of the menu bar opens.
    HMENU OpenPopup(int place) const
    {
        HMENU popup = GetSubMenu(bar, place);
        SendMessageA(frame, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(popup), MAKELPARAM(place, FALSE));
        return popup;
    }

    static bool Enabled(HMENU menu, UINT id) { return !(GetMenuState(menu, id, MF_BYCOMMAND) & MF_GRAYED); }
    static bool Checked(HMENU menu, UINT id) { return GetMenuState(menu, id, MF_BYCOMMAND) & MF_CHECKED; }

    CEdjumpApp app;
    std::thread ui;
    HWND frame = nullptr;
    HMENU bar = nullptr;
};

TEST_F(MenuState, ItemsAreEnabledExactlyWhereACommandIsHandled)
{
    const struct {
        int place;
        UINT id;
        bool enabled;
    } items[] = {
        {0, kFileNew, true},   {0, kFileOpen, true},   {0, kFileSave, true},   {0, kFileSaveAs, true},
        {0, kAppExit, true},   {1, kEditUndo, false},  {1, kEditCut, false},   {1, kEditCopy, false},
        {1, kEditPaste, false}, {3, kViewToolBar, true}, {3, kViewStatusBar, true}, {4, kAppAbout, true},
    };
    // The resource greys four File items; opening the popup is what decides.
    EXPECT_FALSE(Enabled(GetSubMenu(bar, 0), kFileNew));
    for (const auto& item : items) {
        HMENU popup = OpenPopup(item.place);
        EXPECT_EQ(Enabled(popup, item.id), item.enabled) << item.id;
    }
    // The settings command stands on the bar itself and is never updated.
    EXPECT_EQ(GetMenuItemID(bar, 2), kSettings);
    EXPECT_TRUE(Enabled(bar, kSettings));
}

TEST_F(MenuState, ViewItemsAreCheckedWhileTheirBarsShow)
{
    HMENU view = OpenPopup(3);
    EXPECT_TRUE(Checked(view, kViewToolBar));
    EXPECT_TRUE(Checked(view, kViewStatusBar));

    SendMessageA(frame, WM_COMMAND, kViewToolBar, 0);
    view = OpenPopup(3);
    EXPECT_FALSE(Checked(view, kViewToolBar));
    EXPECT_TRUE(Checked(view, kViewStatusBar));

    SendMessageA(frame, WM_COMMAND, kViewToolBar, 0);
    SendMessageA(frame, WM_COMMAND, kViewStatusBar, 0);
    view = OpenPopup(3);
    EXPECT_TRUE(Checked(view, kViewToolBar));
    EXPECT_FALSE(Checked(view, kViewStatusBar));
}

}  // namespace
