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

}  // namespace
