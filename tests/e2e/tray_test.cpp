// The tray in the real Pelorus.exe: minimising hides the main window behind an icon (Wine shows
// it in its "Wine System Tray" window), ICONIC starts there, the icon's callbacks open the menus,
// and their commands reach the windows and the program.
#include <gtest/gtest.h>

#include "kit/kit.h"
#include "mainwnd/tray_icon.h"
#include "mainwnd/tray_menus.h"
#include "pelorus_fixture.h"

namespace {

using kit::TestBrowser;

class Tray : public PelorusTest {
protected:
    static HWND Visible(const char* className)
    {
        for (HWND hwnd : kit::FindTopWindows(className, ""))
            if (IsWindowVisible(hwnd))
                return hwnd;
        return nullptr;
    }
    bool InTray()
    {
        return kit::WaitUntil([&] { return !IsWindowVisible(main_) && Visible("__winex11_standalone_tray"); });
    }
    // The icon's callback for a click; in the menu it opens, KEYS (Escape: none chosen).
    bool MenuOpensFor(LPARAM click, std::initializer_list<WPARAM> keys = {VK_ESCAPE})
    {
        PostMessageW(main_, WM_TRAYNOTIFY, kTrayIconId, click);
        HWND menu = nullptr;
        if (!kit::WaitUntil([&] { return (menu = Visible("#32768")) != nullptr; }))
            return false;
        for (WPARAM key : keys)
            PostMessageW(menu, WM_KEYDOWN, key, 0);
        return kit::WaitUntil([&] { return !Visible("#32768"); });
    }
    // A menu item chosen: the command as the menu sends it.
    void Choose(int command) { PostMessageW(main_, WM_COMMAND, command, 0); }
};

TEST_F(Tray, MinimisedPelorusLivesInTheTrayAndItsMenusReachEveryWindow)
{
    TestBrowser browser;
    ASSERT_TRUE(browser.started());
    Start();
    HWND a = nullptr, b = nullptr;
    ASSERT_NO_FATAL_FAILURE(OpenTwo(browser, a, b));
    HWND c = browser.Open("class=IEFrame title=C");
    ASSERT_TRUE(WaitForCount(3));
    PostMessageW(main_, WM_SYSCOMMAND, SC_MINIMIZE, 0);
    ASSERT_TRUE(InTray());
    EXPECT_TRUE(MenuOpensFor(WM_RBUTTONDOWN)) << "the command menu";

    EXPECT_TRUE(MenuOpensFor(WM_LBUTTONDOWN, {VK_HOME, VK_RETURN})) << "the window menu: its first item chosen";
    EXPECT_TRUE(kit::WaitUntil([&] { return Shown(a) && Hidden(b) && Hidden(c); })) << "switched to A";
    EXPECT_FALSE(IsWindowVisible(main_)) << "Pelorus stays in the tray";
    EXPECT_TRUE(MenuOpensFor(WM_RBUTTONDOWN, {VK_HOME, VK_DOWN, VK_DOWN, VK_DOWN, VK_DOWN, VK_DOWN, VK_DOWN, VK_RIGHT,
                                              VK_DOWN, VK_DOWN, VK_RETURN}))
        << "the command menu: 削除, its last window chosen";
    EXPECT_TRUE(kit::WaitUntil([&] { return !IsWindow(c) && WaitForCount(2); })) << "C asked to close";

    Choose(ID_TRAY_RESTORE);
    EXPECT_TRUE(kit::WaitUntil([&] { return IsWindowVisible(main_); }));
    PostMessageW(main_, WM_SYSCOMMAND, SC_MINIMIZE, 0);
    ASSERT_TRUE(InTray());
    Choose(ID_TRAY_SETTINGS);  // the sheet disables the main window while it is open
    HWND sheet = nullptr;
    ASSERT_TRUE(kit::WaitUntil([&] { return (sheet = FindWindowW(nullptr, L"Pelorus\u8A2D\u5B9A")) != nullptr; }));
    RECT work = {}, rc = {};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    EXPECT_TRUE(kit::WaitUntil([&] {
        return GetWindowRect(sheet, &rc) && rc.left >= work.left && rc.top >= work.top && rc.right <= work.right &&
               rc.bottom <= work.bottom;
    })) << "opened from the tray, on screen: " << rc.left << "," << rc.top << " " << rc.right << "," << rc.bottom;
    Choose(ID_TRAY_EXIT);
    EXPECT_TRUE(kit::WaitUntil([&] { return !Visible("__winex11_standalone_tray"); })) << "the icon goes at once";
    Sleep(300);  // time for a close command to reach the disabled window, and be dropped
    PostMessageW(sheet, PSM_PRESSBUTTON, PSBTN_CANCEL, 0);
    EXPECT_TRUE(pelorus_.WaitExit()) << "the exit chosen while the sheet was open holds once it closes";
    EXPECT_TRUE(Shown(a) && Shown(b)) << "every window released, the hidden B too";
}

TEST_F(Tray, IconicStartsInTheTrayAndStaysThere)
{
    TestBrowser browser;
    ASSERT_TRUE(browser.started());
    Start("[Pelorus]\r\nICONIC=1\r\n");
    ASSERT_TRUE(InTray());
    browser.Open("class=IEFrame title=Later");
    ASSERT_TRUE(WaitForCount(1));  // well after the dialog's first idle, which shows it
    EXPECT_FALSE(IsWindowVisible(main_));
}

}  // namespace
