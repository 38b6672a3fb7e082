// The tray in the real Pelorus.exe: minimising hides the main window behind an icon (Wine shows
// it in its "Wine System Tray" window), ICONIC starts there, the icon's callbacks open the menus,
// and their commands reach the windows and the program.
#include <gtest/gtest.h>

#include <thread>

#include "kit/kit.h"
#include "mainwnd/tray_icon.h"
#include "mainwnd/tray_menus.h"
#include "pelorus_fixture.h"
#include "settings/filter_settings.h"
#include "win/code_page_text.h"

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
    // Pelorus's dialog that holds the control ID, in whichever language it is.
    HWND DialogWith(int id)
    {
        for (HWND hwnd : kit::FindTopWindows("#32770", ""))
            if (hwnd != main_ && GetDlgItem(hwnd, id) && IsWindowVisible(hwnd))
                return hwnd;
        return nullptr;
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
    EXPECT_TRUE(MenuOpensFor(WM_RBUTTONDOWN, {VK_HOME, VK_DOWN, VK_DOWN, VK_DOWN, VK_DOWN, VK_DOWN, VK_DOWN, VK_DOWN,
                                              VK_RIGHT, VK_DOWN, VK_DOWN, VK_RETURN}))
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

// A title no one code page holds, as today's pages have them, under code page 932 and 1252 alike:
// listed and in the Close-list dialog exactly; a prefix of such characters in the settings file
// parks the window whose title it begins. (The tray's menu is another process's, which Wine does
// not let a test read: it is read below, made by the same code in this process.)
TEST_F(Tray, TitlesBeyondTheCodePageAreShownExactlyEverywhere)
{
    const std::string title = "Caf\xC3\xA9 \xE2\x98\x95 \xE6\x97\xA5\xE6\x9C\xAC\xE8\xAA\x9E \xED\x95\x9C\xEA\xB5\xAD\xEC\x96\xB4";
    const StoredPrefix prefix = StorePrefix(u"Caf\u00E9 \u2615 \u65E5\u672C\u8A9E \uD55C\uAD6D\uC5B4 ad", SystemCodePage());
    ASSERT_FALSE(prefix.exact.empty()) << "no code page holds it all";
    TestBrowser browser;
    ASSERT_TRUE(browser.started());
    Start("[Pelorus]\r\nTARGET_B=1\r\nFILTER=1\r\nFILTER_CLOSE=0\r\nFILTER_USE_TITLE=1\r\nFILTER_TITLE_NUM=1\r\n"
          "FILTER_TITLE1=" + prefix.value + "\r\nFILTER_TITLE1_UTF8=" + prefix.exact + "\r\n");
    const std::string marker = " - Microsoft Internet Explorer";
    HWND listed = browser.Open("class=IEFrame utf8 \"title=" + title + marker + "\"");
    HWND parked = browser.Open("class=IEFrame utf8 \"title=" + title + " ad" + marker + "\"");
    ASSERT_TRUE(listed && parked);
    EXPECT_TRUE(kit::WaitUntil([&] { return Hidden(parked); })) << "parked by the prefix";
    ASSERT_TRUE(WaitForCount(1));
    // The hook announces a window as its title is being set: the row may show it a moment later.
    EXPECT_TRUE(kit::WaitUntil([&] { return Items().at(0).text == title + marker; })) << Items().at(0).text;

    PostMessageW(main_, WM_COMMAND, MAKEWPARAM(IDC_BTN_CLOSE_LIST, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(main_, IDC_BTN_CLOSE_LIST)));
    HWND dialog = nullptr;
    ASSERT_TRUE(kit::WaitUntil([&] { return (dialog = DialogWith(IDC_CLOSELIST_LIST)) != nullptr; }));
    std::vector<kit::ListItem> rows;
    kit::RemoteListView(GetDlgItem(dialog, IDC_CLOSELIST_LIST)).Read(rows);
    ASSERT_EQ(1u, rows.size());
    EXPECT_EQ(title + " ad" + marker, rows[0].text);
    PostMessageW(dialog, WM_CLOSE, 0, 0);
    EXPECT_TRUE(kit::WaitUntil([&] { return !IsWindow(dialog); }));
}

TEST(TrayMenu, ShowsTitlesBeyondTheCodePageExactly)
{
    const std::u16string title = u"Caf\u00E9 \u2615 \u65E5\u672C\u8A9E \uD55C\uAD6D\uC5B4";
    const std::vector<ListEntry> entries = {{0x100, BROWSER_IE, title, false, false}};
    HWND owner = CreateWindowExW(0, L"STATIC", L"owner", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    ASSERT_TRUE(owner);
    CTrayIcon tray;
    tray.Attach(owner);
    std::vector<std::string> items;
    std::thread reader([&items] {
        HWND menu = nullptr;
        kit::WaitUntil([&] { return (menu = FindWindowW(L"#32768", nullptr)) && IsWindowVisible(menu); });
        items = kit::ShownMenuTexts();
        PostMessageW(menu, WM_KEYDOWN, VK_ESCAPE, 0);
    });
    tray.Track(WindowMenu({&entries, 0, false, true, {}}), [](WindowHandle) { return HICON(); });
    reader.join();
    ASSERT_FALSE(items.empty());
    EXPECT_EQ(" Caf\xC3\xA9 \xE2\x98\x95 \xE6\x97\xA5\xE6\x9C\xAC\xE8\xAA\x9E \xED\x95\x9C\xEA\xB5\xAD\xEC\x96\xB4", items[0]);
    DestroyWindow(owner);
}

}  // namespace
