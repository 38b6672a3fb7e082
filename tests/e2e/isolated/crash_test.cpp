// Tests that end Pelorus by killing it. Each runs in a Wine session of its own: under Wine a
// killed hook owner's hook stays installed, and no other test should meet it.
#include <gtest/gtest.h>

#include "kit/kit.h"
#include "pelorus_process.h"
#include "program_in_test.h"

namespace {

using kit::ChildProcess;
using kit::TestBrowser;

// Killed, Pelorus never disables the library; a browser that keeps the library mapped keeps
// its shared state, stale relay handle and all. The next run must still hear from the hook.
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
    // Under Wine the killed run's hook stays installed and calls the library a second time for
    // each message, so each title change may come twice; the announcement comes once.
    ASSERT_TRUE(kit::WaitUntil([&] { return program.NotesFor(fresh).size() >= 2; }));
    std::vector<Note> notes = program.NotesFor(fresh);
    EXPECT_EQ((Note{HN_NEWWINDOW | BROWSER_IE, fresh}), notes[0]);
    for (size_t i = 1; i < notes.size(); ++i)
        EXPECT_EQ((Note{HN_TITLECHANGED, fresh}), notes[i]);
}

// A crash of Pelorus must not take the user's browser windows with it: the hidden ones are
// children of its relay window, which dies with the process.
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
    HWND list = GetDlgItem(MainWindowOf(pelorus.Id()), 1003);
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
        EXPECT_TRUE(kit::IsTopLevel(hwnd)) << "alive and on the desktop";
}

}  // namespace
