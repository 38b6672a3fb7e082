// Pelorus on a hostile desktop: notifications forged by another process, title storms, a browser
// that stops answering, windows opened while Pelorus starts, a filtered window that refuses to
// close. Whatever happens, no window is hidden that should not be, and none is lost.
#include <gtest/gtest.h>

#include <algorithm>

#include "keeper/keeper_protocol.h"
#include "kit/kit.h"
#include "pelorus_fixture.h"

namespace {

using kit::TestBrowser;

class Hardening : public PelorusTest {
protected:
    // An Internet Explorer window the hook never announces: titled before it is first shown.
    // Announcing it by hand is a well-formed notification, and so a marker: once it is listed,
    // everything posted before it has been handled.
    HWND OpenQuiet(TestBrowser& browser, const std::string& options = "title=Quiet")
    {
        return browser.Open("class=IEFrame titlefirst " + options);
    }
};

TEST_F(Hardening, ForgedNotificationsNeitherHideNorDuplicateNorLoseAWindow)
{
    TestBrowser browser;
    ASSERT_TRUE(browser.started());
    Start();
    HWND a = nullptr, b = nullptr;
    ASSERT_NO_FATAL_FAILURE(OpenTwo(browser, a, b));
    HWND plain = browser.Open("class=TestBrowserFrame title=Plain");
    HWND quiet = OpenQuiet(browser);
    HWND sent = OpenQuiet(browser, "title=Sent");

    DWORD_PTR result = 0;  // sent, not posted: it would be handled in the middle of another
    SendMessageTimeoutA(main_, WM_HOOK_NOTIFY, HN_NEWWINDOW | BROWSER_IE, reinterpret_cast<LPARAM>(sent), SMTO_NORMAL,
                        kit::kWaitMs, &result);
    Notify(HN_NEWWINDOW | BROWSER_IE, plain);  // not a browser
    Notify(HN_NEWWINDOW | BROWSER_IE, main_);  // Pelorus's own window
    Notify(HN_NEWWINDOW | BROWSER_IE, a);      // listed already
    Notify(HN_NEWWINDOW | 0xF, quiet);         // no such type
    Notify(HN_DESTROYED, a);                   // alive and hidden
    // The keeper's relay window closes only at Pelorus's word: a stray close would give back,
    // or take with it, every hidden window.
    HWND relay = RelayWindow();
    SendMessageTimeoutA(relay, WM_CLOSE, 0, 0, SMTO_NORMAL, kit::kWaitMs, &result);
    PostMessageA(relay, WM_TIMER, 1, 0);
    PostMessageA(relay, WM_ENDSESSION, TRUE, 0);
    // A window made to look like the relay window, announced as ready: Pelorus's hidden windows
    // must not move under it, or they would die with it.
    WNDCLASSA fakeClass = {};
    fakeClass.lpfnWndProc = DefWindowProcA;
    fakeClass.cbWndExtra = 8;
    fakeClass.lpszClassName = PELORUS_RELAY_CLASS;
    RegisterClassA(&fakeClass);
    HWND fake = CreateWindowExA(0, PELORUS_RELAY_CLASS, PELORUS_RELAY_TITLE, WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                                nullptr, nullptr);
    SetWindowLongA(fake, 0, static_cast<LONG>(reinterpret_cast<LONG_PTR>(main_)));
    PostMessageA(main_, WM_RELAY_READY, 0, reinterpret_cast<LPARAM>(fake));
    Notify(HN_NEWWINDOW | BROWSER_IE, quiet);  // the marker
    const bool handled = kit::WaitUntil([&] { return ListedWindows().size() >= 3; });
    const HWND parentOfA = kit::ParentOf(a);
    DestroyWindow(fake);  // first: while it stands, no keeper started later finds its own
    ASSERT_TRUE(handled);
    EXPECT_EQ(relay, parentOfA) << "still under the keeper's relay window";
    EXPECT_EQ((std::vector<HWND>{a, b, quiet}), ListedWindows());
    EXPECT_TRUE(Shown(plain) && IsWindowVisible(plain));
    EXPECT_TRUE(IsWindowVisible(main_));
    EXPECT_TRUE(Hidden(a)) << "still listed, so it can be shown again";
    EXPECT_EQ(relay, RelayWindow()) << "the relay window stands, under its own title";
}

TEST_F(Hardening, TitleStormLeavesTheWindowAnsweringAndEndsWithTheLastTitle)
{
    TestBrowser browser;
    ASSERT_TRUE(browser.started());
    Start();
    ASSERT_TRUE(browser.Open("class=IEFrame title=Storm"));
    ASSERT_TRUE(WaitForCount(1));
    HWND quiet = OpenQuiet(browser);
    ASSERT_EQ("ok", browser.Command("titles 1 2000 Storm", 60000));
    Notify(HN_NEWWINDOW | BROWSER_IE, quiet);
    EXPECT_TRUE(WaitForCount(2)) << "a message posted after the storm is handled within seconds";
    EXPECT_TRUE(kit::WaitUntil([&] { return !Items().empty() && Items()[0].text == "Storm 2000"; }));
}

// The unanswering mark, in the code page the list is read in.
std::string UnansweredMark()
{
    return kit::Utf8(L"(\u5FDC\u7B54\u306A\u3057)");
}

TEST_F(Hardening, HungBrowserFreezesNothingAndItsWindowIsNeverDestroyed)
{
    TestBrowser hung, other;
    ASSERT_TRUE(hung.started() && other.started());
    Start();
    HWND stuck = hung.Open("class=IEFrame title=Stuck");
    ASSERT_TRUE(WaitForCount(1));
    ASSERT_EQ("ok", hung.Command("hang"));

    // Capturing a new window means hiding the hung one: left as it is, and marked.
    HWND fresh = other.Open("class=IEFrame title=Fresh");
    ASSERT_TRUE(WaitForCount(2)) << "Pelorus goes on capturing";
    EXPECT_TRUE(kit::WaitUntil([&] { return Shown(fresh); }));
    EXPECT_TRUE(Shown(stuck));
    EXPECT_TRUE(kit::WaitUntil([&] { return Items()[0].text.find(UnansweredMark()) != std::string::npos; }));

    ASSERT_EQ("ok", hung.Command("unhang"));
    EXPECT_TRUE(kit::WaitUntil([&] { return Hidden(stuck); })) << "hidden once it answers";
    EXPECT_TRUE(kit::WaitUntil([&] { return Items()[0].text == "Stuck"; }));

    // Leaving while a hidden window hangs: Pelorus's window goes, the hung window stays alive.
    ASSERT_EQ("ok", hung.Command("hang"));
    PostMessageA(main_, WM_CLOSE, 0, 0);
    EXPECT_TRUE(kit::WaitUntil([&] { return !IsWindow(main_); }));
    EXPECT_TRUE(Shown(fresh));
    EXPECT_TRUE(IsWindow(stuck));

    // A new copy works meanwhile: the lingering relay window is not the one the hook finds.
    kit::ChildProcess second;
    ASSERT_TRUE(StartPelorus(second, kit::ProgramDirectory() + "\\Pelorus.exe"));
    HWND later = other.Open("class=IEFrame title=Later");
    HWND secondList = GetDlgItem(MainWindowOf(second.Id()), IDC_LIST_WINDOWS);
    EXPECT_TRUE(kit::WaitUntil([&] { return kit::RemoteListView(secondList).Count() == 2; }))
        << "the new copy sweeps Fresh and captures Later";

    ASSERT_EQ("ok", hung.Command("unhang"));
    EXPECT_TRUE(kit::WaitUntil([&] { return Shown(stuck); })) << "released once it answers";
    EXPECT_TRUE(pelorus_.WaitExit()) << "and then the first copy ends";
    EXPECT_TRUE(ClosePelorus(second));
    EXPECT_TRUE(Shown(later));
}

TEST_F(Hardening, WindowsOpenedWhilePelorusStartsAreEachCapturedOnce)
{
    TestBrowser browser;
    ASSERT_TRUE(browser.started());
    ASSERT_TRUE(WriteIni("[Pelorus]\r\n"));
    ASSERT_TRUE(pelorus_.Start(kit::ProgramDirectory() + "\\Pelorus.exe", "", false));
    std::vector<HWND> opened;
    for (int i = 0; i < 12; ++i) {
        opened.push_back(browser.Open("class=IEFrame title=Early" + std::to_string(i)));
        Sleep(40);  // spread over the start-up: before, during and after the hook's installation
    }
    ASSERT_TRUE(kit::WaitUntil([&] { return MainWindowOf(pelorus_.Id()) != nullptr; }));
    ASSERT_NO_FATAL_FAILURE(FindMainWindow());
    HWND quiet = OpenQuiet(browser);
    Notify(HN_NEWWINDOW | BROWSER_IE, quiet);
    ASSERT_TRUE(kit::WaitUntil([&] { return ListedWindows().size() >= opened.size() + 1; }))
        << ListedWindows().size() << " listed of " << opened.size() + 1;
    std::vector<HWND> listed = ListedWindows();
    opened.push_back(quiet);
    EXPECT_EQ(opened.size(), listed.size()) << "each once";
    EXPECT_TRUE(std::is_permutation(listed.begin(), listed.end(), opened.begin(), opened.end()));
}

TEST_F(Hardening, FilteredWindowThatRefusesToCloseComesBackToTheDesktop)
{
    TestBrowser browser;
    ASSERT_TRUE(browser.started());
    Start("[Pelorus]\r\nFILTER=1\r\nFILTER_CLOSE=1\r\nFILTER_CHECK_POPUP=1\r\n");
    // A pop-up, filtered and asked to close when it is announced; it refuses.
    HWND popup = OpenQuiet(browser, "title=Popup style=popup|caption|sysmenu");
    ASSERT_EQ("ok", browser.Command("refuse 1 on"));
    ASSERT_EQ("ok", browser.Command("title 1 Popup"));
    EXPECT_TRUE(kit::WaitUntil([&] { return browser.Command("closes 1") == "ok 1"; }));
    EXPECT_TRUE(kit::WaitUntil([&] { return Shown(popup) && IsWindowVisible(popup); }, 3000))
        << "on the desktop within 3 s, not hidden in no list";
    EXPECT_EQ(0, kit::RemoteListView(list_).Count());
}

}  // namespace
