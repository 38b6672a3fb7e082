// The real Pelorus.exe capturing the windows of fake browsers: the sweep, new windows, one
// window shown at a time, switching, the fixed rectangle, removal, exit, a second copy.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

#include "kit/kit.h"
#include "pelorus_fixture.h"
#include "res/resource.h"
#include "settings/hotkeys.h"

namespace {

using kit::TestBrowser;

class MainDialog : public PelorusTest {};

TEST_F(MainDialog, CapturesOpenAndNewWindowsAndShowsOnlyTheCurrent)
{
    TestBrowser browser;
    ASSERT_TRUE(browser.started());
    HWND before1 = browser.Open("class=IEFrame \"title=One - Microsoft Internet Explorer\"");
    HWND before2 = browser.Open("class=IEFrame \"title=Two - Microsoft Internet Explorer\"");
    HWND opera = browser.Open("class=OpWindow \"title=Opera - not a target\"");
    Start();
    ASSERT_TRUE(WaitForCount(2)) << "the sweep captures what was open";
    ASSERT_TRUE(kit::WaitUntil([&] { return Shown(WindowAt(1)) && Hidden(WindowAt(0)); }));
    EXPECT_TRUE(kit::WaitUntil([&] { return SelectedIndex() == 1; }));
    EXPECT_TRUE(Shown(opera)) << "a browser of a masked-out type is left alone";
    std::vector<HWND> swept = {WindowAt(0), WindowAt(1)};
    EXPECT_TRUE(std::is_permutation(swept.begin(), swept.end(), std::vector<HWND>{before1, before2}.begin()));

    HWND fresh = browser.Open("class=IEFrame \"title=Three - Microsoft Internet Explorer\"");
    ASSERT_TRUE(WaitForCount(3));
    EXPECT_EQ(fresh, WindowAt(2)) << "ListMode 0: at the end";
    EXPECT_TRUE(kit::WaitUntil([&] { return Shown(fresh) && Hidden(swept[1]); }));
    EXPECT_TRUE(kit::WaitUntil([&] { return SelectedIndex() == 2; }));

    ASSERT_EQ("ok", browser.Command("title 4 \"Retitled - Microsoft Internet Explorer\""));
    EXPECT_TRUE(kit::WaitUntil([&] { return Items().at(2).text == "Retitled - Microsoft Internet Explorer"; }));
}

TEST_F(MainDialog, DoubleClickSwitchesToTheSelectedEntry)
{
    TestBrowser browser;
    ASSERT_TRUE(browser.started());
    Start();
    HWND a = nullptr, b = nullptr;
    ASSERT_NO_FATAL_FAILURE(OpenTwo(browser, a, b));

    ASSERT_TRUE(kit::RemoteListView(list_).DoubleClick(0));
    EXPECT_TRUE(kit::WaitUntil([&] { return Shown(a) && Hidden(b); }));
    EXPECT_TRUE(kit::WaitUntil([&] { return SelectedIndex() == 0; })) << "the current entry is the selected one";

    // Double-clicking the current entry only brings its window to the front.
    ASSERT_TRUE(kit::RemoteListView(list_).DoubleClick(0));
    ASSERT_TRUE(kit::RemoteListView(list_).DoubleClick(1));
    EXPECT_TRUE(kit::WaitUntil([&] { return Shown(b) && Hidden(a); }));
    EXPECT_TRUE(kit::WaitUntil([&] { return SelectedIndex() == 1; }));
}

TEST_F(MainDialog, ShownWindowsTakeTheFixedRectangle)
{
    TestBrowser browser;
    ASSERT_TRUE(browser.started());
    Start("[Pelorus]\r\nWIN_LEFT=30\r\nWIN_TOP=40\r\nWIN_WIDTH=300\r\nWIN_HEIGHT=200\r\n");
    HWND window = browser.Open("class=IEFrame title=Placed rect=200,150,500,400");
    ASSERT_TRUE(WaitForCount(1));
    WINDOWPLACEMENT placement = {};
    placement.length = sizeof placement;
    EXPECT_TRUE(kit::WaitUntil([&] {
        GetWindowPlacement(window, &placement);
        const RECT& r = placement.rcNormalPosition;
        return r.left == 30 && r.top == 40 && r.right == 330 && r.bottom == 240;
    })) << placement.rcNormalPosition.left
        << "," << placement.rcNormalPosition.top << "," << placement.rcNormalPosition.right << ","
        << placement.rcNormalPosition.bottom;
    EXPECT_TRUE(IsWindowVisible(window));
}

TEST_F(MainDialog, DestroyedWindowLeavesTheListAndItsNeighbourIsShown)
{
    TestBrowser browser;
    ASSERT_TRUE(browser.started());
    Start();
    HWND a = nullptr, b = nullptr;
    ASSERT_NO_FATAL_FAILURE(OpenTwo(browser, a, b));
    ASSERT_EQ("ok", browser.Command("destroy 2"));
    ASSERT_TRUE(WaitForCount(1));
    EXPECT_EQ(a, WindowAt(0));
    EXPECT_TRUE(kit::WaitUntil([&] { return Shown(a); })) << "the current entry was the last: the previous one";
    EXPECT_TRUE(kit::WaitUntil([&] { return SelectedIndex() == 0; }));
}

TEST_F(MainDialog, KilledBrowserLeavesTheListAndALiveWindowIsShown)
{
    TestBrowser survivor, victim;
    ASSERT_TRUE(survivor.started() && victim.started());
    Start();
    HWND alive = survivor.Open("class=IEFrame title=Alive");
    ASSERT_TRUE(WaitForCount(1));
    ASSERT_TRUE(victim.Open("class=IEFrame title=Victim"));
    ASSERT_TRUE(WaitForCount(2));
    ASSERT_TRUE(kit::WaitUntil([&] { return Hidden(alive); }));
    victim.process().Kill();  // no HN_DESTROYED ever comes
    EXPECT_TRUE(WaitForCount(1));
    EXPECT_TRUE(kit::WaitUntil([&] { return Shown(alive); }));
}

TEST_F(MainDialog, ExitReleasesEveryListedWindow)
{
    TestBrowser browser;
    ASSERT_TRUE(browser.started());
    Start();
    std::vector<HWND> windows;
    for (const char* title : {"A", "B", "C"})
        windows.push_back(browser.Open(std::string("class=IEFrame title=") + title));
    ASSERT_TRUE(WaitForCount(3));
    ASSERT_TRUE(ClosePelorus(pelorus_));
    for (HWND hwnd : windows)
        EXPECT_TRUE(kit::IsTopLevel(hwnd)) << "alive and back on the desktop";
}

// Escape and the system menu's Close end the program as the close box does, and every way out
// gives the windows back. (Enter shows the selected window: see the keys below.)
TEST_F(MainDialog, EveryWayOutReleasesTheWindows)
{
    struct Way {
        UINT message;
        WPARAM wParam;
    } ways[] = {{WM_COMMAND, IDCANCEL}, {WM_SYSCOMMAND, SC_CLOSE}, {WM_CLOSE, 0}};
    for (const Way& way : ways) {
        TestBrowser browser;  // its windows go with it at the end of each round
        ASSERT_TRUE(browser.started());
        Start();
        HWND a = browser.Open("class=IEFrame title=A");
        HWND b = browser.Open("class=IEFrame title=B");
        ASSERT_TRUE(WaitForCount(2));
        ASSERT_TRUE(kit::WaitUntil([&] { return Hidden(a); }));
        PostMessageW(main_, way.message, way.wParam, 0);
        ASSERT_TRUE(pelorus_.WaitExit()) << way.message << "/" << way.wParam;
        EXPECT_TRUE(kit::IsTopLevel(a) && kit::IsTopLevel(b)) << way.message << "/" << way.wParam;
    }
}

TEST_F(MainDialog, ExitWithExitBrowserClosesEveryListedWindow)
{
    TestBrowser browser;
    ASSERT_TRUE(browser.started());
    Start("[Pelorus]\r\nEXIT_BROWSER=1\r\n");
    std::vector<HWND> windows;
    for (const char* title : {"A", "B", "C"})
        windows.push_back(browser.Open(std::string("class=IEFrame title=") + title));
    ASSERT_TRUE(WaitForCount(3));
    ASSERT_EQ("ok", browser.Command("refuse 1 on"));
    ASSERT_TRUE(ClosePelorus(pelorus_));
    EXPECT_TRUE(kit::WaitUntil([&] { return !IsWindow(windows[1]) && !IsWindow(windows[2]); }));
    EXPECT_TRUE(kit::WaitUntil([&] { return kit::IsTopLevel(windows[0]); }))
        << "one that refuses to close stays, and the keeper gives it back to the desktop";
}

TEST_F(MainDialog, SecondCopyEndsAtOnce)
{
    Start();
    kit::ChildProcess second;
    ASSERT_TRUE(second.Start(kit::ProgramDirectory() + "\\Pelorus.exe", "", false));
    EXPECT_TRUE(second.WaitExit());
    EXPECT_EQ(0u, second.ExitCode());
    EXPECT_EQ(1u, kit::FindTopWindows("", "Pelorus_2").size());
    EXPECT_TRUE(pelorus_.IsRunning());
}

TEST_F(MainDialog, AboutBoxOpensFromTheSystemMenu)
{
    Start();
    const wchar_t* caption = PRIMARYLANGID(GetUserDefaultUILanguage()) == LANG_JAPANESE
                                 ? L"Pelorus\u306E\uFF8A\uFF9E\uFF70\uFF7C\uFF9E\uFF6E\uFF9D\u60C5\u5831"
                                 : L"About Pelorus";  // the 1252 run's user speaks English
    PostMessageW(main_, WM_SYSCOMMAND, IDM_ABOUTBOX | 0x3, 0);  // the low four bits do not count
    HWND about = nullptr;
    ASSERT_TRUE(kit::WaitUntil([&] { return (about = FindWindowW(nullptr, caption)) != nullptr; }));
    EXPECT_EQ(main_, GetWindow(about, GW_OWNER));
    PostMessageW(about, WM_COMMAND, IDOK, 0);
    EXPECT_TRUE(kit::WaitUntil([&] { return !IsWindow(about); }));
}

// The keys: a system-wide one as the system posts it switches round the list, shows and hides
// the window, and its window menu switches with the main window open; one another program already
// holds is named once and Pelorus runs on without it.
// In the list, Enter shows the selected window and Delete does what its button does.
TEST_F(MainDialog, KeysSwitchWindowsAndOneAnotherProgramHoldsIsNamed)
{
    ASSERT_TRUE(RegisterHotKey(nullptr, 1, MOD_CONTROL | MOD_ALT | MOD_NOREPEAT, VK_NEXT)) << "held here first";
    TestBrowser browser;
    ASSERT_TRUE(browser.started());
    Start();
    HWND report = nullptr;
    ASSERT_TRUE(kit::WaitUntil([&] {
        for (HWND box : kit::FindTopWindows("#32770", ""))
            if (box != main_ && IsWindowVisible(box))
                report = box;
        return report != nullptr;
    })) << "the key held elsewhere is reported";
    std::string text;
    for (HWND child = GetWindow(report, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        text += kit::ControlText(child) + "\n";
    EXPECT_NE(std::string::npos, text.find("Ctrl+Alt+")) << text;
    PostMessageW(report, WM_COMMAND, IDOK, 0);
    EXPECT_TRUE(kit::WaitUntil([&] { return !IsWindow(report); }));
    UnregisterHotKey(nullptr, 1);

    HWND a = nullptr, b = nullptr;
    ASSERT_NO_FATAL_FAILURE(OpenTwo(browser, a, b));
    auto press = [&](Hotkey key) { PostMessageW(main_, WM_HOTKEY, static_cast<WPARAM>(key), 0); };
    press(Hotkey::Next);
    EXPECT_TRUE(kit::WaitUntil([&] { return Shown(a) && Hidden(b); })) << "past the last: the first";
    press(Hotkey::Previous);
    EXPECT_TRUE(kit::WaitUntil([&] { return Shown(b) && Hidden(a); })) << "before the first: the last";
    press(Hotkey::ShowHide);
    EXPECT_TRUE(kit::WaitUntil([&] { return !IsWindowVisible(main_); })) << "put away";
    press(Hotkey::ShowHide);
    EXPECT_TRUE(kit::WaitUntil([&] { return IsWindowVisible(main_) && !IsIconic(main_); })) << "and back";

    ASSERT_TRUE(kit::RemoteListView(list_).Select(0));
    PostMessageW(list_, WM_KEYDOWN, VK_RETURN, 0);
    EXPECT_TRUE(kit::WaitUntil([&] { return Shown(a) && Hidden(b); })) << "Enter shows the selected window";

    // The window menu by its key, the main window open: picked by keyboard, then by mouse.
    auto menuOfKey = [&] {
        SetCursorPos(200, 200);  // the menu opens there
        press(Hotkey::WindowMenu);
        HWND menu = nullptr;
        kit::WaitUntil([&] {
            for (HWND shown : kit::FindTopWindows("#32768", ""))
                if (IsWindowVisible(shown))
                    menu = shown;
            return menu != nullptr;
        });
        return menu;
    };
    HWND menu = menuOfKey();
    ASSERT_TRUE(menu);
    for (WPARAM key : {VK_HOME, VK_DOWN, VK_RETURN})
        PostMessageW(menu, WM_KEYDOWN, key, 0);
    EXPECT_TRUE(kit::WaitUntil([&] { return Shown(b) && Hidden(a); })) << "the keyboard's pick shown";
    menu = menuOfKey();
    RECT rc = {};
    ASSERT_TRUE(menu && GetWindowRect(menu, &rc));
    SetCursorPos((rc.left + rc.right) / 2, rc.top + 8);  // on the first item, A's
    INPUT click[2] = {};
    click[0].type = click[1].type = INPUT_MOUSE;
    click[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    click[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    SendInput(2, click, sizeof(INPUT));
    EXPECT_TRUE(kit::WaitUntil([&] { return Shown(a) && Hidden(b); })) << "the mouse's pick shown";
    EXPECT_TRUE(IsWindowVisible(main_));

    ASSERT_TRUE(kit::RemoteListView(list_).Select(1));
    PostMessageW(list_, WM_KEYDOWN, VK_DELETE, 0);
    EXPECT_TRUE(WaitForCount(1)) << "Delete, as its button";
    EXPECT_TRUE(pelorus_.IsRunning());
}

}  // namespace
