// The Close-list dialog in the real Pelorus.exe over windows parked by a title prefix, and the
// filter dialog run in this process over the real settings code, the real relay window and a
// fake browser's parked window.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <thread>

#include "capture/capture_state.h"
#include "kit/kit.h"
#include "pelorus_fixture.h"
#include "program_in_test.h"
#include "res/resource.h"
#include "settings/filter_dialog.h"
#include "settings/profile_store_win.h"
#include "win/code_page_text.h"
#include "win/program_windows.h"
#include "win/window_seam_win.h"

namespace {

using kit::TestBrowser;

class CloseListDialog : public PelorusTest {
protected:
    // A button's click as the button reports it to its dialog.
    void Click(HWND dialog, int button)
    {
        PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED),
                     reinterpret_cast<LPARAM>(GetDlgItem(dialog, button)));
    }
    // Opens the dialog with the main window's button, as a click does.
    HWND Open()
    {
        EXPECT_TRUE(IsWindowEnabled(GetDlgItem(main_, IDC_BTN_CLOSE_LIST))) << "filtered windows are parked: the button works";
        Click(main_, IDC_BTN_CLOSE_LIST);
        HWND dialog = nullptr;
        kit::WaitUntil([&] { return (dialog = FindWindowW(nullptr, L"Pelorus_2(Close\u30EA\u30B9\u30C8\uFF09")); });
        return dialog;
    }
    std::vector<std::string> Rows(HWND dialog)
    {
        std::vector<kit::ListItem> items;
        kit::RemoteListView(GetDlgItem(dialog, IDC_CLOSELIST_LIST)).Read(items);
        std::vector<std::string> texts;
        for (const kit::ListItem& item : items)
            texts.push_back(item.text);
        return texts;
    }
    std::string Count(HWND dialog) { return kit::ControlText(GetDlgItem(dialog, IDC_CLOSELIST_COUNT)); }
};

TEST_F(CloseListDialog, ShowsTheParkedWindowsAndKeepsInStepWithTheCloseList)
{
    TestBrowser browser;
    ASSERT_TRUE(browser.started());
    const std::string longPrefix(150, 'L');
    Start(
        "[Pelorus]\r\nFILTER=1\r\nFILTER_CLOSE=0\r\nMAX_PENDING_NUM=4\r\nFILTER_USE_TITLE=1\r\n"
        "FILTER_TITLE_NUM=2\r\nFILTER_TITLE1=Ad\r\nFILTER_TITLE2=" + longPrefix + "\r\n");
    HWND a = browser.Open("class=IEFrame title=Ad1");
    ASSERT_TRUE(kit::WaitUntil([&] { return Hidden(a); })) << "parked by the title prefix";
    HWND b = browser.Open("class=IEFrame title=Ad2");
    ASSERT_TRUE(kit::WaitUntil([&] { return Hidden(b); }));
    HWND dialog = Open();
    ASSERT_TRUE(dialog);
    EXPECT_TRUE(kit::WaitUntil([&] { return Rows(dialog) == std::vector<std::string>{"Ad1", "Ad2"}; }));
    EXPECT_EQ("2", Count(dialog));

    HWND c = browser.Open("class=IEFrame title=" + longPrefix + "3");
    EXPECT_TRUE(kit::WaitUntil([&] { return Rows(dialog).size() == 3 && Count(dialog) == "3"; }));
    EXPECT_EQ(longPrefix + "3", Rows(dialog).back());
    HWND list = GetDlgItem(dialog, IDC_CLOSELIST_LIST);
    EXPECT_GT(ListView_GetColumnWidth(list, 1), 2 * ListView_GetColumnWidth(list, 0)) << "the long prefix shown whole";

    ASSERT_TRUE(kit::RemoteListView(GetDlgItem(dialog, IDC_CLOSELIST_LIST)).Select(0));
    Click(dialog, IDC_CLOSELIST_SHOW);  // 表示
    EXPECT_TRUE(kit::WaitUntil([&] { return Shown(a); }));
    ASSERT_TRUE(kit::RemoteListView(GetDlgItem(dialog, IDC_CLOSELIST_LIST)).Select(1));
    Click(dialog, IDC_CLOSELIST_SHOW);
    EXPECT_TRUE(kit::WaitUntil([&] { return Shown(b) && Hidden(a); })) << "one parked window shown at a time";
    PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);  // Escape, as the close box
    EXPECT_TRUE(kit::WaitUntil([&] { return !IsWindow(dialog) && Hidden(b); })) << "hidden again at close";

    dialog = Open();
    ASSERT_TRUE(dialog);
    ASSERT_TRUE(kit::WaitUntil([&] { return Rows(dialog).size() == 3; }));
    Click(dialog, IDC_CLOSELIST_DELETE_ALL);  // 全て削除
    EXPECT_TRUE(kit::WaitUntil([&] { return Rows(dialog).empty(); }));
    EXPECT_EQ("3", Count(dialog)) << "the count stays";
    EXPECT_TRUE(kit::WaitUntil([&] { return !IsWindow(a) && !IsWindow(b) && !IsWindow(c); })) << "asked to close";
    PostMessageW(dialog, WM_CLOSE, 0, 0);
    EXPECT_TRUE(kit::WaitUntil([&] { return !IsWindow(dialog); }));
}

// A browser that closes a window by asking its root (as some frameworks do) closes a hidden one on
// every path: hidden, its root is the relay window, so it is given back to the desktop out of
// sight first. None is seen on the way, none is left behind, and one that refuses is shown.
TEST_F(CloseListDialog, HiddenWindowsThatCloseThroughTheirRootCloseOnEveryPath)
{
    TestBrowser browser;
    ASSERT_TRUE(browser.started());
    Start("[Pelorus]\r\nTARGET_B=1\r\nFILTER=1\r\nFILTER_CLOSE=0\r\nMAX_PENDING_NUM=2\r\nFILTER_USE_TITLE=1\r\n"
          "FILTER_TITLE_NUM=1\r\nFILTER_TITLE1=Ad\r\nEXIT_BROWSER=1\r\n");
    auto open = [&](const char* title) { return browser.Open(std::string("class=IEFrame closebyroot title=") + title); };
    auto gone = [](HWND w) { return kit::WaitUntil([&] { return !IsWindow(w); }, 2000); };
    auto showings = [&](int n) { return browser.Command("showings " + std::to_string(n)); };
    HWND a = open("A"), b = open("B"), c = open("C");  // the browser's windows 1 to 3
    ASSERT_TRUE(WaitForCount(3));
    ASSERT_TRUE(kit::WaitUntil([&] { return Hidden(a) && Hidden(b) && Shown(c); }));

    ASSERT_TRUE(kit::RemoteListView(list_).Select(0));
    PostMessageW(list_, WM_KEYDOWN, VK_DELETE, 0);
    EXPECT_TRUE(gone(a)) << "a hidden entry's Delete";
    EXPECT_TRUE(WaitForCount(2)) << "and its entry with it";
    ASSERT_EQ("ok", browser.Command("refuse 2 on"));
    ASSERT_TRUE(kit::RemoteListView(list_).Select(0));
    PostMessageW(list_, WM_KEYDOWN, VK_DELETE, 0);
    EXPECT_TRUE(kit::WaitUntil([&] { return IsWindowVisible(b) && Shown(b) && Hidden(c); }, 2000))
        << "one that refuses is shown within two seconds";
    ASSERT_EQ("ok", browser.Command("refuse 2 off"));

    HWND ad1 = open("Ad1"), ad2 = open("Ad2");  // parked: windows 4 and 5
    ASSERT_TRUE(kit::WaitUntil([&] { return Hidden(ad1) && Hidden(ad2); }));
    HWND ad3 = open("Ad3");
    EXPECT_TRUE(gone(ad1)) << "the oldest, evicted from a full Close list";
    HWND dialog = Open();
    ASSERT_TRUE(dialog);
    ASSERT_TRUE(kit::WaitUntil([&] { return Rows(dialog).size() == 2; }));
    ASSERT_TRUE(kit::RemoteListView(GetDlgItem(dialog, IDC_CLOSELIST_LIST)).Select(0));
    Click(dialog, IDC_CLOSELIST_DELETE);
    EXPECT_TRUE(gone(ad2)) << "the Close-list dialog's delete";
    PostMessageW(dialog, WM_CLOSE, 0, 0);
    ASSERT_TRUE(kit::WaitUntil([&] { return !IsWindow(dialog); }));

    const std::string seenB = showings(2), seenC = showings(3);
    ASSERT_TRUE(ClosePelorus(pelorus_));
    EXPECT_TRUE(gone(b) && gone(c) && gone(ad3)) << "at exit, with the browsers closed: listed, shown or not, and parked";
    EXPECT_EQ(seenB, showings(2));
    EXPECT_EQ(seenC, showings(3)) << "the hidden one closed out of sight";
    for (int n : {1, 4, 5, 6})
        EXPECT_EQ("ok 1", showings(n)) << "window " << n << ": seen when it opened, and not as it closed";
}

// The main window's side, played by the test: no selection, the real Close list.
class TestHost : public FilterDialogHost {
public:
    explicit TestHost(CCaptureState& capture) : m_capture(capture) {}
    bool SelectedBrowserUrl(std::u16string&) override { return false; }
    bool SelectedBrowserTitle(std::u16string&) override { return false; }
    void CloseAllParked() override { m_capture.CloseAllParked(); }

private:
    CCaptureState& m_capture;
};

TEST(FilterDialog, OkWritesItsSettingsAndLeavingParkModeClosesTheParkedWindows)
{
    // Blanks at the ends, quotes, a full-width space at the end; characters no code page holds.
    static const wchar_t kTitles[] = L" b \r\n'q'\r\nn\u3000\r\nCaf\u00E9 \u2615 \u65E5\u672C\u8A9E \uD55C\uAD6D\uC5B4";
    ASSERT_TRUE(
        WriteIni("[Pelorus]\r\nFILTER=1\r\nFILTER_CLOSE=0\r\nFILTER_URL_NUM=5\r\nFILTER_URL1=o1\r\n"
                 "FILTER_URL2=o2\r\nFILTER_URL3=o3\r\nFILTER_URL4=o4\r\nFILTER_URL5=o5\r\n"));
    Win32ProfileStore store;
    CSettingsModel settings;
    StoredPosition position;
    settings.Load(store, position, SystemCodePage());
    ProgramInTest program(TargetBit(BROWSER_IE));
    ASSERT_TRUE(program.bound());
    Win32WindowSeam seam(g_hRelayWnd);
    CWindowMover mover(seam, settings);
    CCaptureState capture(seam, mover, settings);
    TestBrowser browser;
    HWND parked = browser.Open("class=IEFrame title=Parked");
    capture.Park(reinterpret_cast<WindowHandle>(parked), BROWSER_IE, {});

    TestHost host(capture);
    CFilterDlg dialog(settings, host);
    // The user, on another thread: the dialog's own controls are told what a user's input tells
    // them (posted clicks, as the buttons report them).
    std::thread user([&dialog] {
        HWND window = nullptr;  // set up once the old prefixes are in their box
        kit::WaitUntil([&] {
            window = dialog.GetSafeHwnd();
            return window && GetWindowTextLengthA(GetDlgItem(window, IDC_FILTER_URLS)) > 0;
        });
        SetDlgItemTextA(window, IDC_FILTER_URLS, "a\r\n\r\nb");
        SetDlgItemTextW(window, IDC_FILTER_TITLES, kTitles);
        SendDlgItemMessageW(window, IDC_FILTER_CLOSE, BM_SETCHECK, BST_CHECKED, 0);
        PostMessageW(window, WM_COMMAND, MAKEWPARAM(IDC_FILTER_CLOSE, BN_CLICKED), 0);  // 閉じる: close mode
        PostMessageW(window, WM_COMMAND, IDOK, 0);
    });
    EXPECT_EQ(IDOK, dialog.DoModal(program.mainWindow()));
    user.join();

    auto key = [](const char* name) { return kit::ReadProfileString(IniPath(), "Pelorus", name, "(none)"); };
    EXPECT_EQ("a", key("FILTER_URL1"));
    EXPECT_EQ("b", key("FILTER_URL2"));
    EXPECT_EQ("(none)", key("FILTER_URL3"));
    EXPECT_EQ("(none)", key("FILTER_URL5"));
    EXPECT_EQ("2", key("FILTER_URL_NUM"));
    EXPECT_EQ("1", key("FILTER_CLOSE"));
    CSettingsModel next;
    next.Load(store, position, SystemCodePage());
    EXPECT_EQ((std::vector<std::u16string>{u" b ", u"'q'", u"n\u3000", u"Caf\u00E9 \u2615 \u65E5\u672C\u8A9E \uD55C\uAD6D\uC5B4"}),
              next.Values().arrFilterTitle)
        << "read back at the next start as typed";
    EXPECT_EQ("n\x81\x40", key("FILTER_TITLE3")) << "what the code page holds is kept in it alone";
    EXPECT_EQ("(none)", key("FILTER_TITLE3_UTF8"));
    EXPECT_EQ("Caf", key("FILTER_TITLE4").substr(0, 3)) << "an earlier version reads the code page's nearest";
    EXPECT_NE("(none)", key("FILTER_TITLE4_UTF8"));
    EXPECT_TRUE(kit::WaitUntil([&] { return !IsWindow(parked); })) << "parking ended: asked to close";
    EXPECT_TRUE(capture.CloseList().Parked().empty());
    DeleteFileA(IniPath().c_str());
}

}  // namespace
