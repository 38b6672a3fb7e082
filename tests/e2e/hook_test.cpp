// The hook library in real processes: windows of fake browsers in other processes, the real
// PelorusLib injected by the system-wide hook, the notifications as the program receives them.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "capture/hook_binding.h"
#include "win/program_windows.h"
#include "kit/kit.h"
#include "program_in_test.h"

namespace {

using kit::TestBrowser;

std::vector<Note> Announced(HWND hwnd, int type)
{
    return {{HN_NEWWINDOW | static_cast<unsigned>(type), hwnd}, {HN_TITLECHANGED, hwnd}};
}

TEST(HookNotifications, FollowEachBrowserTypeThroughItsLife)
{
    ProgramInTest program(0x3F);
    ASSERT_TRUE(program.bound());
    TestBrowser browser;
    ASSERT_TRUE(browser.started());
    struct Case {
        const char* options;
        int type;
        HWND hwnd;
    } cases[] = {
        {"class=IEFrame \"title=A - Microsoft Internet Explorer\"", BROWSER_IE, nullptr},
        {"class=MozillaWindowClass \"title=Page - Netscape 7\"", BROWSER_NETSCAPE6, nullptr},
        {"class=MozillaWindowClass createtitle=Mozilla \"title=Page - Mozilla\"", BROWSER_MOZILLA, nullptr},
        {"class=NetscapeFrame createtitle=Netscape \"title=Netscape - Page\"", BROWSER_NETSCAPE4, nullptr},
        {"class=OUIWINDOW \"title=Opera - Page\"", BROWSER_OPERA_OUI, nullptr},
        {"class=OpWindow \"title=Opera - Page\"", BROWSER_OPERA_OP, nullptr},
    };
    for (Case& c : cases) {
        c.hwnd = browser.Open(c.options);
        ASSERT_TRUE(c.hwnd);
    }
    for (const Case& c : cases) {
        program.WaitForNotes(c.hwnd, Announced(c.hwnd, c.type));
        EXPECT_EQ(Announced(c.hwnd, c.type), program.NotesFor(c.hwnd)) << c.options;
    }

    for (int n = 1; n <= 6; ++n) {
        ASSERT_EQ("ok", browser.Command("title " + std::to_string(n) + " Retitled"));
        ASSERT_EQ("ok", browser.Command("destroy " + std::to_string(n)));
    }
    for (const Case& c : cases) {
        std::vector<Note> expected = Announced(c.hwnd, c.type);
        expected.push_back({HN_TITLECHANGED, c.hwnd});
        expected.push_back({HN_DESTROYED, c.hwnd});
        program.WaitForNotes(c.hwnd, expected);
        EXPECT_EQ(expected, program.NotesFor(c.hwnd)) << c.options;
    }
}

TEST(HookNotifications, NothingForMaskedOutTypesOrOwnedWindows)
{
    ProgramInTest program(TargetBit(BROWSER_IE));
    ASSERT_TRUE(program.bound());
    TestBrowser browser;
    ASSERT_TRUE(browser.started());
    HWND opera = browser.Open("class=OpWindow title=Opera");
    HWND oui = browser.Open("class=OUIWINDOW title=Opera");
    HWND mozilla = browser.Open("class=MozillaWindowClass title=Mozilla");
    HWND ie = browser.Open("class=IEFrame title=IE");
    HWND owned = browser.Open("class=IEFrame title=Owned owner=4");
    ASSERT_TRUE(opera && oui && mozilla && ie && owned);
    for (int n : {1, 2, 3, 5})
        browser.Command("title " + std::to_string(n) + " again");
    // Posted from the same thread in order: once this arrives, anything about the others would have.
    browser.Command("title 4 sync");
    std::vector<Note> expected = Announced(ie, BROWSER_IE);
    expected.push_back({HN_TITLECHANGED, ie});
    program.WaitForNotes(ie, expected);
    EXPECT_EQ(expected, program.NotesFor(ie));
    EXPECT_EQ(expected, program.notes()) << "nothing about any other window";
}

TEST(HookBinding, SweptWindowsAreWatchedAsAnnouncedWhenTheirTypeIsTargeted)
{
    TestBrowser browser;
    ASSERT_TRUE(browser.started());
    HWND ie = browser.Open("class=IEFrame title=Before");
    HWND opera = browser.Open("class=OpWindow title=Before");
    ASSERT_TRUE(ie && opera);
    ProgramInTest program(TargetBit(BROWSER_IE), {{ie, BROWSER_IE}, {opera, BROWSER_OPERA_OP}});
    ASSERT_TRUE(program.bound());
    browser.Command("title 2 After");
    browser.Command("title 1 After");
    browser.Command("destroy 1");
    std::vector<Note> expected = {{HN_TITLECHANGED, ie}, {HN_DESTROYED, ie}};
    program.WaitForNotes(ie, expected);
    EXPECT_EQ(expected, program.notes()) << "never announced again; the Opera window not watched at all";
}

TEST(HookBinding, RelayWindowForwardsItsNotificationsToTheMainWindow)
{
    ProgramInTest program(TargetBit(BROWSER_IE));
    ASSERT_TRUE(program.bound());
    HWND fake = reinterpret_cast<HWND>(static_cast<UINT_PTR>(0x1234));
    PostMessageA(g_hRelayWnd, WM_HOOK_NOTIFY, HN_TITLECHANGED, reinterpret_cast<LPARAM>(fake));
    EXPECT_TRUE(program.WaitForNotes(fake, {{HN_TITLECHANGED, fake}}));
}

TEST(HookBinding, UnbindingRemovesTheHookFromEveryProcess)
{
    TestBrowser before;
    ASSERT_TRUE(before.started());
    {
        ProgramInTest program(TargetBit(BROWSER_IE));
        ASSERT_TRUE(program.bound());
        HWND ie = before.Open("class=IEFrame title=IE");
        program.WaitForNotes(ie, Announced(ie, BROWSER_IE));
        EXPECT_TRUE(kit::ModuleLoaded(before.process().Id(), "PelorusLib.dll")) << "the hook is injected";
        HWND relay = g_hRelayWnd;
        program.Unbind();
        EXPECT_FALSE(IsWindow(relay)) << "the keeper is gone with its relay window";
        EXPECT_EQ(nullptr, g_hHookLib);
    }
    TestBrowser after;
    ASSERT_TRUE(after.started());
    ASSERT_TRUE(after.Open("class=IEFrame title=IE"));
    EXPECT_FALSE(kit::ModuleLoaded(after.process().Id(), "PelorusLib.dll"));
}

TEST(HookStress, EightProcessesOpeningFiveWindowsEachAreAllAnnounced)
{
    ProgramInTest program(TargetBit(BROWSER_IE));
    ASSERT_TRUE(program.bound());
    std::vector<std::unique_ptr<TestBrowser>> browsers;
    for (int i = 0; i < 8; ++i) {
        browsers.push_back(std::make_unique<TestBrowser>());
        ASSERT_TRUE(browsers.back()->started());
    }
    // All commands first, then all answers: the forty windows are made at the same time.
    for (auto& b : browsers)
        for (int w = 0; w < 5; ++w)
            ASSERT_TRUE(b->process().WriteLine("open class=IEFrame title=W" + std::to_string(w)));
    std::vector<HWND> windows;
    for (auto& b : browsers) {
        for (int w = 0; w < 5; ++w) {
            std::string reply;
            ASSERT_TRUE(b->process().ReadLine(reply));
            windows.push_back(kit::ParseHandle(reply.substr(reply.rfind(' ') + 1)));
            ASSERT_TRUE(windows.back()) << reply;
        }
    }
    for (HWND hwnd : windows) {
        program.WaitForNotes(hwnd, Announced(hwnd, BROWSER_IE));
        EXPECT_EQ(Announced(hwnd, BROWSER_IE), program.NotesFor(hwnd));
    }
}

}  // namespace
