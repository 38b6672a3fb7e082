// The watcher over a fake desktop: what it announces, once, with events and without, what it
// leaves to the hook, and the windows of the Chromium class that it leaves alone.
#include <gtest/gtest.h>

#include <set>

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
    bool HookAnnounced(WindowHandle w) override { return hooked.count(w) > 0; }
    void Announce(WindowHandle w, int type) override
    {
        told.push_back("new " + desk.windows[w].title + " " + std::to_string(type));
    }
    void TitleChanged(WindowHandle w) override { told.push_back("title " + desk.windows[w].title); }
    void Destroyed(WindowHandle w) override { told.push_back("gone " + desk.windows[w].title); }

    uint32_t now = 0xFFFFFF00u;
    std::optional<uint32_t> wake;
    std::set<WindowHandle> held, hooked;
    Strings told;
    CWindowWatcher watcher{desk, settings, *this, *this};
};

TEST_F(Watcher, AnnouncesABrowsingWindowOnceAndFollowsItsTitleAndItsEnd)
{
    const WindowHandle w = Chrome("Page - Google Chrome");
    watcher.OnEvent(WindowEvent::Shown, w);
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

TEST_F(Watcher, TheHooksKindsAreLeftToTheHookWhereItWatchesAndAnnouncedAfterAGraceWhereItCannot)
{
    const WindowHandle hooked1 = desk.Add("IEFrame", "Hooked"), other = desk.Add("IEFrame", "Other architecture");
    hooked.insert(hooked1);
    watcher.OnEvent(WindowEvent::Shown, hooked1);
    watcher.OnEvent(WindowEvent::Shown, other);
    Advance(CWindowWatcher::kHookGraceMs - 20);
    EXPECT_TRUE(told.empty()) << "the hook may yet announce it";
    Advance(40);
    EXPECT_EQ(Strings{"new Other architecture 0"}, told);
}

TEST_F(Watcher, HeldWindowsAreFollowedWhoeverAnnouncedThem)
{
    // Swept at start-up, hidden, in this hook's table: of no use in a browser of the other architecture.
    const WindowHandle swept = desk.Add("MozillaWindowClass", "Page - Mozilla Firefox");
    desk.windows[swept].parent = FakeWindowSeam::kRelay;
    held.insert(swept);
    hooked.insert(swept);
    Advance(10);
    desk.windows[swept].title = "Next - Mozilla Firefox";
    watcher.OnEvent(WindowEvent::Renamed, swept);
    watcher.OnEvent(WindowEvent::Created, swept);  // its handle again: its end went untold
    EXPECT_EQ((Strings{"title Next - Mozilla Firefox", "gone Next - Mozilla Firefox"}), told);
}

TEST_F(Watcher, CloakedHeldAndOtherProgramsWindowsAreNotAnnounced)
{
    const WindowHandle cloaked = Chrome("Prerendered - Google Chrome"), listed = Chrome("Listed - Google Chrome"),
                       code = Chrome("main.cpp - Visual Studio Code", "C:\\Code.exe");
    watcher.OnEvent(WindowEvent::Cloaked, cloaked);
    held.insert(listed);
    for (WindowHandle w : {cloaked, listed, code})
        watcher.OnEvent(WindowEvent::Shown, w);
    EXPECT_TRUE(told.empty());
    watcher.OnEvent(WindowEvent::Uncloaked, cloaked);
    desk.windows[listed].title = "Retitled - Google Chrome";  // held: its title is followed from here
    watcher.OnEvent(WindowEvent::Renamed, listed);
    EXPECT_EQ((Strings{"new Prerendered - Google Chrome 6", "title Retitled - Google Chrome"}), told);
}

}  // namespace
