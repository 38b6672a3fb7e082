// The watcher over a fake desktop: what it announces, once, with events and without, what it
// leaves to the hook, and the windows of the Chromium class that it leaves alone.
#include <gtest/gtest.h>

#include <set>

#include "app/capture/hook_block.h"
#include "app/capture/window_watcher.h"
#include "hooklib/hook_protocol.h"
#include "tests/unit/fakes/capture_rig.h"

namespace {

using Strings = std::vector<std::string>;

class Watcher : public ::testing::Test, protected CaptureRig, public Clock, public WatcherHost {
protected:
    void SetUp() override { watcher.Start(); }
    WindowHandle Chrome(const std::string& title, const char* image = "C:\\chrome.exe")
    {
        const WindowHandle w = desk.Add("Chrome_WidgetWin_1", title);
        desk.windows[w].image = image;
        return w;
    }
    void Advance(uint32_t ms)
    {
        for (uint32_t step = 0; step < ms; step += 10) {
            now += 10;
            if (wake && IsDue(*wake, now)) {
                wake.reset();
                watcher.OnWake();
            }
        }
    }

    uint32_t Now() override { return now; }
    void WakeAfter(uint32_t delayMs) override { wake = now + delayMs; }
    bool Holds(WindowHandle w) override { return held.count(w) > 0; }
    std::vector<WindowHandle> HeldWindows() override { return {held.begin(), held.end()}; }
    // Taken as the list takes it, with what the watcher read.
    void Announce(WindowHandle w, int type, WindowFacts& facts) override
    {
        if (capture.TakeNewWindow(w, type, false, &facts).toList)
            told.push_back("new " + desk.windows[w].title + " " + std::to_string(type));
    }
    void TitleChanged(WindowHandle w) override { told.push_back("title " + desk.windows[w].title); }
    void Destroyed(WindowHandle w) override { told.push_back("gone " + desk.windows[w].title); }

    uint32_t now = 0xFFFFFF00u;
    std::optional<uint32_t> wake;
    std::set<WindowHandle> held;
    Strings told;
    CWindowWatcher watcher{desk, capture.Known(), settings, *this, *this};
};

TEST_F(Watcher, AnnouncesABrowsingWindowOnceAndFollowsItsTitleAndItsEnd)
{
    const WindowHandle w = Chrome("Page - Google Chrome");
    watcher.OnEvent(WindowEvent::Shown, w);
    for (const char* fact : {"class", "identity", "visible", "styles", "program", "cloak", "title"})
        EXPECT_EQ(1, desk.reads[fact]) << fact << ": read once from its showing to the list";
    watcher.OnEvent(WindowEvent::Shown, w);
    desk.windows[w].title = "Next - Google Chrome";
    watcher.OnEvent(WindowEvent::Renamed, w);
    watcher.OnEvent(WindowEvent::Destroyed, w);
    EXPECT_EQ((Strings{"new Page - Google Chrome 6", "title Next - Google Chrome", "gone Next - Google Chrome"}), told);
}

TEST_F(Watcher, WithoutEventsItsLooksFindTheWindowItsTitlesAndItsEnd)
{
    Advance(10);  // the first look: nothing yet
    const WindowHandle w = Chrome("Page - Google Chrome");
    watcher.OnEvent(WindowEvent::Created, w);  // all Wine raises
    Advance(60);
    ASSERT_EQ(Strings{"new Page - Google Chrome 6"}, told);
    desk.windows[w].title = "Next - Google Chrome";
    desk.windows[w].parent = FakeWindowSeam::kRelay;  // hidden by the list: no longer top-level
    Advance(CWindowWatcher::kLookMs);
    desk.Kill(w);
    Advance(CWindowWatcher::kLookMs);
    EXPECT_EQ((Strings{"new Page - Google Chrome 6", "title Next - Google Chrome", "gone Next - Google Chrome"}), told);
}

// Whatever the hook's shared block says of a window: only the program's holding it counts.
TEST_F(Watcher, TheHooksKindsAreLeftToTheHookForAGraceAndAnnouncedWhereItDidNot)
{
    const WindowHandle hooked = desk.Add("IEFrame", "Hooked"), other = desk.Add("IEFrame", "Other architecture"),
                       flash = desk.Add("IEFrame", "Hidden again");
    for (WindowHandle w : {hooked, other, flash})
        watcher.OnEvent(WindowEvent::Shown, w);
    Advance(CWindowWatcher::kHookGraceMs - 20);
    held.insert(hooked);  // the hook's notice, taken
    desk.windows[flash].visible = false;
    EXPECT_TRUE(told.empty()) << "the hook may yet announce it";
    EXPECT_EQ(0, desk.reads["title"]) << "nothing read of them meanwhile";
    Advance(40);
    EXPECT_EQ(Strings{"new Other architecture 0"}, told);
}

TEST_F(Watcher, HeldWindowsAreFollowedWhoeverAnnouncedThem)
{
    // Swept at start-up, hidden, in this hook's table: of no use in a browser of the other architecture.
    const WindowHandle swept = desk.Add("MozillaWindowClass", "Page - Mozilla Firefox");
    desk.windows[swept].parent = FakeWindowSeam::kRelay;
    held.insert(swept);
    Advance(10);
    desk.windows[swept].title = "Next - Mozilla Firefox";
    watcher.OnEvent(WindowEvent::Renamed, swept);
    watcher.OnEvent(WindowEvent::Created, swept);  // its handle again: its end went untold
    EXPECT_EQ((Strings{"title Next - Mozilla Firefox", "gone Next - Mozilla Firefox"}), told);
}

TEST_F(Watcher, CloakedHiddenHeldAndOtherProgramsWindowsAreNotAnnounced)
{
    const WindowHandle cloaked = Chrome("Prerendered - Google Chrome"), listed = Chrome("Listed - Google Chrome"),
                       code = Chrome("main.cpp - Visual Studio Code", "C:\\Code.exe"),
                       asked = Chrome("Other desktop - Google Chrome"), hidden = Chrome("Hidden - Google Chrome");
    watcher.OnEvent(WindowEvent::Cloaked, cloaked);
    desk.windows[asked].cloaked = true;  // no event: the system says so when asked
    desk.windows[hidden].visible = false;
    held.insert(listed);
    for (WindowHandle w : {cloaked, listed, code, asked, hidden})
        watcher.OnEvent(WindowEvent::Shown, w);
    Advance(CWindowWatcher::kLookMs);
    EXPECT_TRUE(told.empty());
    watcher.OnEvent(WindowEvent::Uncloaked, cloaked);
    desk.windows[listed].title = "Retitled - Google Chrome";  // held: its title is followed from here
    watcher.OnEvent(WindowEvent::Renamed, listed);
    EXPECT_EQ((Strings{"new Prerendered - Google Chrome 6", "title Retitled - Google Chrome"}), told);
}

// A window of a kind not targeted is of no kind until the targets change; then it is looked at again.
TEST_F(Watcher, TargetsChangedLookAgainAtWindowsOfNoKind)
{
    Load({{"TARGET_B", "1"}});  // Internet Explorer alone
    Chrome("Page - Google Chrome");
    Advance(CWindowWatcher::kLookMs);
    EXPECT_TRUE(told.empty());
    Load({{"TARGET_B", "65"}});
    Advance(CWindowWatcher::kLookMs);
    EXPECT_EQ(Strings{"new Page - Google Chrome 6"}, told);
}

// A new window under the handle of one gone is read anew: its class is not the old one's.
TEST_F(Watcher, AHandleUsedAgainIsReadAgain)
{
    const WindowHandle w = desk.Add("Notepad", "Page - Google Chrome");
    watcher.OnEvent(WindowEvent::Shown, w);
    desk.windows[w].className = "Chrome_WidgetWin_1";
    desk.windows[w].image = "C:\\chrome.exe";
    watcher.OnEvent(WindowEvent::Created, w);
    watcher.OnEvent(WindowEvent::Shown, w);
    EXPECT_EQ(Strings{"new Page - Google Chrome 6"}, told);
}

TEST(HookBlock, ASlotHoldsAWindowAndAFreeSlotNone)
{
    SharedBlock block = {};
    block.hWatchWnd[kWatchSlots - 1] = 0x1234;
    EXPECT_TRUE(WatchedInBlock(block, 0x1234)) << "in the last slot";
    EXPECT_FALSE(WatchedInBlock(block, 0x4321));
    EXPECT_FALSE(WatchedInBlock(block, 0)) << "a free slot holds no window";
}

}  // namespace
