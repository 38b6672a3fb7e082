// The real Pelorus.exe: its relay window (in its keeper) as the hook and the user's screen see
// it, its clean exit, a run without its hook library.
#include <gtest/gtest.h>

#include "hooklib/hook_protocol.h"
#include "kit/kit.h"
#include "pelorus_process.h"

namespace {

using kit::ChildProcess;
using kit::TestBrowser;

TEST(PelorusRelayWindow, IsInvisibleAndCarriesTheMainWindowAndTheHook)
{
    ChildProcess pelorus;
    ASSERT_TRUE(StartPelorus(pelorus, kit::ProgramDirectory() + "\\Pelorus.exe"));
    HWND relay = RelayWindow();
    HWND main = MainWindowOf(pelorus.Id());
    ASSERT_TRUE(main);
    const DWORD keeper = kit::WindowProcessId(relay);
    EXPECT_TRUE(kit::ModuleLoaded(keeper, "PelorusKeeper.exe"));
    const DWORD parent = kit::ParentProcessId(keeper);
    EXPECT_TRUE(parent != 0 && parent != pelorus.Id()) << "ending Pelorus's tree must not end its keeper";
    EXPECT_EQ(static_cast<LONG>(reinterpret_cast<LONG_PTR>(main)), GetWindowLongA(relay, kRelayIndexMainWnd));
    EXPECT_NE(0, GetWindowLongA(relay, kRelayIndexHook));

    RECT rc;
    ASSERT_TRUE(GetWindowRect(relay, &rc));
    EXPECT_EQ(-10, rc.left);
    EXPECT_EQ(-10, rc.top);
    EXPECT_EQ(0, rc.right - rc.left) << "not raised to the minimum tracking size";
    EXPECT_EQ(0, rc.bottom - rc.top);
    EXPECT_TRUE(kit::WindowExStyle(relay) & WS_EX_TOOLWINDOW);
    EXPECT_EQ(WS_OVERLAPPEDWINDOW, kit::WindowStyle(relay) & WS_OVERLAPPEDWINDOW);
    EXPECT_TRUE(ClosePelorus(pelorus));
}

TEST(PelorusExit, RemovesTheHookAndTheRelayWindow)
{
    ChildProcess pelorus;
    ASSERT_TRUE(StartPelorus(pelorus, kit::ProgramDirectory() + "\\Pelorus.exe"));
    TestBrowser during;
    ASSERT_TRUE(during.started() && during.Open("class=IEFrame title=During"));
    EXPECT_TRUE(kit::WaitUntil([&] { return kit::ModuleLoaded(during.process().Id(), "PelorusLib.dll"); }));

    ASSERT_TRUE(ClosePelorus(pelorus));
    EXPECT_TRUE(kit::WaitUntil([] { return !FindWindowA(PELORUS_RELAY_CLASS, nullptr); })) << "the keeper ends too";

    TestBrowser after;
    ASSERT_TRUE(after.started() && after.Open("class=IEFrame title=After"));
    EXPECT_FALSE(kit::ModuleLoaded(after.process().Id(), "PelorusLib.dll")) << "no hook once Pelorus is gone";
}

// A keeper that cannot make its relay window while another window bears the name gives up rather
// than make a second; Pelorus starts another once that window has gone.
TEST(PelorusKeeper, NeverMakesASecondRelayWindowAndIsStartedAgainUntilOneReports)
{
    // A window of the relay window's class and title, as the hook would find it.
    WNDCLASSA wc = {};
    wc.lpfnWndProc = DefWindowProcA;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = PELORUS_RELAY_CLASS;
    ASSERT_TRUE(RegisterClassA(&wc));
    HWND squatter = CreateWindowExA(0, PELORUS_RELAY_CLASS, PELORUS_RELAY_TITLE, 0, 0, 0, 0, 0, nullptr, nullptr,
                               wc.hInstance, nullptr);
    ASSERT_TRUE(squatter);
    ChildProcess pelorus;
    ASSERT_TRUE(pelorus.Start(kit::ProgramDirectory() + "\\Pelorus.exe", "", false));
    kit::WaitUntil([] { return false; }, 4000);  // past the first keeper's 3 s of waiting for it to go
    EXPECT_EQ(1u, kit::FindTopWindows(PELORUS_RELAY_CLASS, PELORUS_RELAY_TITLE).size()) << "none beside it";
    DestroyWindow(squatter);
    UnregisterClassA(PELORUS_RELAY_CLASS, wc.hInstance);
    EXPECT_TRUE(kit::WaitUntil([] { return RelayWindow() && GetWindowLongA(RelayWindow(), kRelayIndexHook) != 0; }));
    EXPECT_TRUE(ClosePelorus(pelorus));
}

// Without its library Pelorus keeps running, without capture: the relay window stands, with 0
// for the hook, and the program exits normally.
TEST(PelorusWithoutHookLibrary, RunsOnWithoutCapture)
{
    std::string dir = kit::ArtifactDirectory() + "\\nolib";
    CreateDirectoryA(dir.c_str(), nullptr);
    std::string program = dir + "\\Pelorus.exe";
    for (const char* file : {"\\Pelorus.exe", "\\PelorusKeeper.exe"})
        ASSERT_TRUE(CopyFileA((kit::ProgramDirectory() + file).c_str(), (dir + file).c_str(), FALSE));
    DeleteFileA((dir + "\\PelorusLib.dll").c_str());

    ChildProcess pelorus;
    ASSERT_TRUE(StartPelorus(pelorus, program));
    EXPECT_EQ(0, GetWindowLongA(RelayWindow(), kRelayIndexHook));
    TestBrowser browser;
    ASSERT_TRUE(browser.started() && browser.Open("class=IEFrame title=Uncaptured"));
    EXPECT_TRUE(pelorus.IsRunning());

    EXPECT_TRUE(ClosePelorus(pelorus));
}

}  // namespace
