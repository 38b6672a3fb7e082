// The capture decisions on real windows of other processes: the address read from a fake
// browser's Edit descendant, parking under the real relay window, eviction by WM_CLOSE.
#include <gtest/gtest.h>

#include "win/code_page_text.h"
#include "capture/capture_state.h"
#include "capture/window_facts.h"
#include "hooklib/hook_protocol.h"
#include "kit/kit.h"
#include "program_in_test.h"
#include "settings/profile_store_win.h"
#include "settings/settings_model.h"
#include "win/program_windows.h"
#include "win/window_seam_win.h"

namespace {

using kit::TestBrowser;

class CaptureOnRealWindows : public ::testing::Test {
protected:
    Win32WindowSeam seam_{g_hRelayWnd};
};

WindowHandle Handle(HWND hwnd)
{
    return reinterpret_cast<WindowHandle>(hwnd);
}

TEST_F(CaptureOnRealWindows, ReadsTheAddressOfAnotherProcessesBrowser)
{
    TestBrowser browser;
    ASSERT_TRUE(browser.started());
    HWND withUrl = browser.Open("class=IEFrame title=Page \"url=http://example.com/\\x83\\x65\"");
    HWND without = browser.Open("class=IEFrame title=Bare");
    ASSERT_TRUE(withUrl && without);
    std::u16string url;
    EXPECT_TRUE(ReadBrowserUrl(seam_, Handle(withUrl), url));
    EXPECT_EQ(u"http://example.com/\u30C6", url) << "read as UTF-16 (set in code page 932)";
    EXPECT_FALSE(ReadBrowserUrl(seam_, Handle(without), url));
    EXPECT_EQ(u"", url);
}

TEST_F(CaptureOnRealWindows, ParkedWindowsHideUnderTheRelayAndTheEvictedAreAskedToClose)
{
    ProgramInTest program(TargetBit(BROWSER_IE));
    ASSERT_TRUE(program.bound());
    TestBrowser browser;
    ASSERT_TRUE(browser.started());
    HWND stubborn = browser.Open("class=IEFrame title=Stubborn");
    HWND newer = browser.Open("class=IEFrame title=Newer");
    ASSERT_TRUE(stubborn && newer);
    ASSERT_EQ("ok", browser.Command("refuse 1 on"));
    char temp[MAX_PATH] = "";
    GetTempPathA(MAX_PATH, temp);
    const std::string ini = std::string(temp) + "PelorusCaptureTest.ini";
    Win32ProfileStore store(ini);  // a Close list of one
    store.WriteString("FILTER", "1");
    store.WriteString("FILTER_CLOSE", "0");
    store.WriteString("MAX_PENDING_NUM", "1");
    CSettingsModel settings;
    StoredPosition position;
    settings.Load(store, position, SystemCodePage());
    DeleteFileA(ini.c_str());
    CWindowMover mover(seam_, settings);
    CCaptureState capture(seam_, mover, settings);

    capture.Park(Handle(stubborn), BROWSER_IE, {});
    EXPECT_EQ(g_hRelayWnd.load(), GetAncestor(stubborn, GA_PARENT));
    RECT relay;
    GetWindowRect(g_hRelayWnd, &relay);
    EXPECT_TRUE(IsRectEmpty(&relay)) << "its children are clipped to nothing: never seen";

    capture.Park(Handle(newer), BROWSER_IE, {});
    EXPECT_TRUE(kit::WaitUntil([&] { return browser.Command("closes 1") == "ok 1"; })) << "evicted: WM_CLOSE";
    EXPECT_TRUE(IsWindow(stubborn)) << "a window that refuses stays alive";
    ASSERT_EQ(1u, capture.CloseList().Parked().size()) << "and is out of the store";
    EXPECT_EQ(Handle(newer), capture.CloseList().Parked()[0].window);

    // Back to the desktop before the relay window goes, or they would go with it.
    SetParent(stubborn, nullptr);
    SetParent(newer, nullptr);
}

}  // namespace
