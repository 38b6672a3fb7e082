// Tests that kill Pelorus or its keeper. Each runs in a Wine session of its own: under Wine a
// killed hook owner's hook stays installed, and no other test should meet it. However Pelorus
// ends, its keeper gives every hidden browser window back to the desktop.
#include <gtest/gtest.h>

#include "keeper/keeper_protocol.h"
#include "kit/kit.h"
#include "pelorus_process.h"
#include "program_in_test.h"
#include "res/resource.h"

namespace {

using kit::ChildProcess;
using kit::TestBrowser;

// A browser that keeps the library mapped keeps its shared state, stale relay handle and all,
// after a killed run. The next run must still hear from the hook.
TEST(PelorusAfterACrash, TheNextRunStillGetsNotifications)
{
    TestBrowser browser;
    ASSERT_TRUE(browser.started());
    {
        ChildProcess crashed;
        ASSERT_TRUE(StartPelorus(crashed, kit::ProgramDirectory() + "\\Pelorus.exe"));
        ASSERT_TRUE(browser.Open("class=IEFrame title=Before"));
        crashed.Kill();
        ASSERT_TRUE(kit::WaitUntil([] { return RelayWindow() == nullptr; }));
    }
    ProgramInTest program(TargetBit(BROWSER_IE));
    ASSERT_TRUE(program.bound());
    HWND fresh = browser.Open("class=IEFrame title=After");
    ASSERT_TRUE(fresh);
    // Should a killed run's hook stay installed, each title change may come twice; the
    // announcement comes once.
    ASSERT_TRUE(kit::WaitUntil([&] { return program.NotesFor(fresh).size() >= 2; }));
    std::vector<Note> notes = program.NotesFor(fresh);
    EXPECT_EQ((Note{HN_NEWWINDOW | BROWSER_IE, fresh}), notes[0]);
    for (size_t i = 1; i < notes.size(); ++i)
        EXPECT_EQ((Note{HN_TITLECHANGED, fresh}), notes[i]);
}

// A crash of Pelorus must not take the user's browser windows with it: the hidden ones are
// children of the relay window, which lives in the keeper.
TEST(PelorusCrash, EveryBrowserWindowSurvivesAndIsBackOnTheDesktop)
{
    DeleteFileA(IniPath().c_str());
    TestBrowser browser;
    ASSERT_TRUE(browser.started());
    ChildProcess pelorus;
    ASSERT_TRUE(StartPelorus(pelorus, kit::ProgramDirectory() + "\\Pelorus.exe"));
    std::vector<HWND> windows;
    for (const char* title : {"A", "B", "C"})
        windows.push_back(browser.Open(std::string("class=IEFrame title=") + title));
    // Settled: all three listed, two of them hidden under the relay window.
    HWND list = GetDlgItem(MainWindowOf(pelorus.Id()), IDC_LIST_WINDOWS);
    ASSERT_TRUE(kit::WaitUntil([&] {
        return kit::RemoteListView(list).Count() == 3 && kit::ParentOf(windows[0]) == RelayWindow() &&
               kit::ParentOf(windows[1]) == RelayWindow() && kit::IsTopLevel(windows[2]);
    }));

    // A thread that starts at address 0 faults at once inside Pelorus.
    HANDLE process = OpenProcess(PROCESS_ALL_ACCESS, FALSE, pelorus.Id());
    ASSERT_TRUE(process);
    HANDLE thread = CreateRemoteThread(process, nullptr, 0, nullptr, nullptr, 0, nullptr);
    ASSERT_TRUE(thread);
    CloseHandle(thread);
    CloseHandle(process);
    EXPECT_TRUE(pelorus.WaitExit(20000)) << "the crash ends Pelorus";
    EXPECT_NE(0u, pelorus.ExitCode());
    for (HWND hwnd : windows)
        EXPECT_TRUE(kit::WaitUntil([&] { return kit::IsTopLevel(hwnd); })) << "alive and on the desktop";
}

bool OnTheDesktop(HWND hwnd)
{
    return kit::IsTopLevel(hwnd) && IsWindowVisible(hwnd);
}

// Killed as "End task" kills a program that does not answer: the listed, the hidden, the parked
// windows and one being closed are back on the desktop at once, a hung one as soon as it answers again, the
// hook is gone, and a new copy captures as ever, even while the killed one's keeper waits.
TEST(PelorusKilled, NoWindowIsLostAndTheNextRunCapturesAgain)
{
    ASSERT_TRUE(WriteIni("[Pelorus]\r\nFILTER=1\r\nFILTER_CLOSE=0\r\nFILTER_USE_TITLE=1\r\n"
                         "FILTER_TITLE_NUM=1\r\nFILTER_TITLE1=Ad\r\n"));
    TestBrowser browser, hung;
    ASSERT_TRUE(browser.started() && hung.started());
    ChildProcess pelorus;
    ASSERT_TRUE(StartPelorus(pelorus, kit::ProgramDirectory() + "\\Pelorus.exe"));
    HWND stuck = hung.Open("class=IEFrame title=Stuck");
    std::vector<HWND> windows;
    for (const char* title : {"A", "B", "C", "Ad"})
        windows.push_back(browser.Open(std::string("class=IEFrame title=") + title));
    HWND list = GetDlgItem(MainWindowOf(pelorus.Id()), IDC_LIST_WINDOWS);
    ASSERT_TRUE(kit::WaitUntil([&] {
        HWND relay = RelayWindow();
        return kit::RemoteListView(list).Count() == 4 && kit::ParentOf(stuck) == relay &&
               kit::ParentOf(windows[0]) == relay && kit::ParentOf(windows[1]) == relay &&
               kit::ParentOf(windows[3]) == relay && kit::IsTopLevel(windows[2]);
    })) << "Stuck, A and B hidden, C shown, Ad parked";
    // A, asked to close, is given back to the desktop out of sight and refuses: killed in its
    // moment, Pelorus shows it no more, and the keeper does.
    ASSERT_EQ("ok", browser.Command("refuse 1 on"));
    ASSERT_TRUE(kit::RemoteListView(list).Select(1));
    PostMessageW(list, WM_KEYDOWN, VK_DELETE, 0);
    ASSERT_TRUE(kit::WaitUntil([&] { return kit::IsTopLevel(windows[0]) && !IsWindowVisible(windows[0]); }));
    const DWORD keeper = kit::WindowProcessId(RelayWindow());
    ASSERT_NE(0u, keeper);
    ASSERT_EQ("ok", hung.Command("hang"));

    HANDLE process = OpenProcess(PROCESS_TERMINATE, FALSE, pelorus.Id());
    ASSERT_TRUE(process && TerminateProcess(process, 1));
    CloseHandle(process);
    ASSERT_TRUE(pelorus.WaitExit());
    EXPECT_TRUE(kit::WaitUntil([&] {
        return OnTheDesktop(windows[0]) && OnTheDesktop(windows[1]) && OnTheDesktop(windows[2]) &&
               OnTheDesktop(windows[3]);
    }, 3000)) << "within 3 s";
    HWND lingering = FindWindowA(PELORUS_RELAY_CLASS, PELORUS_CLOSING_RELAY_TITLE);
    EXPECT_TRUE(lingering && kit::ParentOf(stuck) == lingering) << "the hung one is kept until it answers";
    EXPECT_EQ(nullptr, RelayWindow()) << "no relay window a new copy's hook could take for its own";
    TestBrowser after;
    ASSERT_TRUE(after.started() && after.Open("class=IEFrame title=After"));
    EXPECT_FALSE(kit::ModuleLoaded(after.process().Id(), "PelorusLib.dll")) << "the hook is gone";

    // A new copy meanwhile: the lingering relay window is not its own, and Stuck is not its to
    // find.
    ChildProcess next;
    ASSERT_TRUE(StartPelorus(next, kit::ProgramDirectory() + "\\Pelorus.exe"));
    HWND nextList = GetDlgItem(MainWindowOf(next.Id()), IDC_LIST_WINDOWS);
    ASSERT_TRUE(kit::WaitUntil([&] { return kit::RemoteListView(nextList).Count() == 4; }))
        << "A, B, C and After found open, Ad parked again";
    HWND fresh = browser.Open("class=IEFrame title=Fresh");
    EXPECT_TRUE(kit::WaitUntil([&] {
        return kit::RemoteListView(nextList).Count() == 5 && kit::IsTopLevel(fresh) &&
               kit::ParentOf(windows[2]) == RelayWindow();
    })) << "Fresh listed and shown, the others hidden";

    ASSERT_EQ("ok", hung.Command("unhang"));
    EXPECT_TRUE(kit::WaitUntil([&] { return OnTheDesktop(stuck); })) << "given back once it answers";
    HANDLE keeperProcess = OpenProcess(SYNCHRONIZE, FALSE, keeper);
    EXPECT_TRUE(!keeperProcess || WaitForSingleObject(keeperProcess, kit::kWaitMs) == WAIT_OBJECT_0)
        << "and then the killed copy's keeper ends";
    if (keeperProcess)
        CloseHandle(keeperProcess);
    EXPECT_TRUE(ClosePelorus(next));
    EXPECT_TRUE(kit::WaitUntil([] { return !FindWindowA(PELORUS_RELAY_CLASS, nullptr); }));
}

// The keeper is the one process not to end: its hidden windows go with it. Pelorus starts a new
// one, under which the windows still to come are hidden.
TEST(PelorusKeeperKilled, PelorusStartsANewOneForTheWindowsStillToCome)
{
    DeleteFileA(IniPath().c_str());
    TestBrowser browser;
    ASSERT_TRUE(browser.started());
    ChildProcess pelorus;
    ASSERT_TRUE(StartPelorus(pelorus, kit::ProgramDirectory() + "\\Pelorus.exe"));
    HWND first = RelayWindow();
    HWND a = browser.Open("class=IEFrame title=A");
    ASSERT_TRUE(kit::WaitUntil([&] { return kit::IsTopLevel(a); }));

    HANDLE keeper = OpenProcess(PROCESS_TERMINATE, FALSE, kit::WindowProcessId(first));
    ASSERT_TRUE(keeper && TerminateProcess(keeper, 1));
    CloseHandle(keeper);
    ASSERT_TRUE(kit::WaitUntil([&] { return RelayWindow() && RelayWindow() != first && IsWindowVisible(RelayWindow()); }))
        << "a new keeper";
    HWND main = MainWindowOf(pelorus.Id());
    EXPECT_EQ(static_cast<LONG>(reinterpret_cast<LONG_PTR>(main)), GetWindowLongA(RelayWindow(), kRelayIndexMainWnd));
    HWND b = browser.Open("class=IEFrame title=B");
    EXPECT_TRUE(kit::WaitUntil([&] { return kit::IsTopLevel(b) && kit::ParentOf(a) == RelayWindow(); }))
        << "B shown, A hidden under the new relay window";
    EXPECT_TRUE(ClosePelorus(pelorus));
    EXPECT_TRUE(kit::WaitUntil([&] { return OnTheDesktop(a) && OnTheDesktop(b); }));
}

}  // namespace
