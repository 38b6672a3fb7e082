// The start of capture with a platform that records what it is asked.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/capture/capture_startup.h"
#include "tests/unit/fakes/fake_window_seam.h"

namespace {

using Strings = std::vector<std::string>;

struct Recorder : CaptureStartupPlatform {
    SweepList Sweep() override { return {}; }
    void BindLibrary() override {}
    bool StartKeeper() override { return Note("keeper"), true; }
    bool TakeRelayWindow(uint32_t cookie, uintptr_t) override { return cookie == 1; }
    bool ForgetEndedKeeper(uint32_t id) override { return id == 1; }
    bool HasRelayWindow() override { return relay; }
    bool IsHookBound() override { return true; }
    void EnableLibrary(const SweepList&, int) override { Note("enable"); }
    void Announce(const SweepList&, int) override { Note("announce"); }
    void CatchUp(const SweepList&, const SweepList&, int) override { Note("catch up"); }
    void RelayWindowCame() override {}
    void SetTimer(uintptr_t id, uint32_t ms) override
    {
        Note(("timer " + std::to_string(id) + " " + std::to_string(ms)).c_str());
    }
    void KillTimer(uintptr_t) override {}
    void Note(const char* what) { done.push_back(what); }
    Strings done;
    bool relay = false;
};

class CaptureStartup : public ::testing::Test {
protected:
    Recorder platform;
    FakeWindowSeam desk;
    CSettingsModel settings;
    CWindowMover mover{desk, settings};
    CCaptureState capture{desk, mover, settings};
    CCaptureStartup startup{platform, capture, settings};
};

TEST_F(CaptureStartup, AnnouncesAtOnceAndEnablesOnceForOurKeepersReportOnly)
{
    startup.Begin();
    startup.Begin();                // another HN_STARTUP, from elsewhere
    startup.OnRelayReady(2, 0x40);  // not our keeper's cookie
    startup.OnRelayReady(1, 0x40);
    startup.OnRelayReady(1, 0x44);  // a new keeper: the watch table keeps what was listed meanwhile
    EXPECT_EQ((Strings{"keeper", "timer 4 3000", "announce", "enable", "catch up", "timer 3 1000", "catch up",
                       "timer 3 1000"}),
              platform.done);
}

TEST_F(CaptureStartup, WithoutAReportTheSweptAreListedAndTheKeeperStartedAgainTenTimesAtMost)
{
    startup.Begin();
    for (int i = 0; i < 20; ++i)
        ASSERT_TRUE(startup.OnTimer(CCaptureStartup::kRelayDeadlineTimer));
    EXPECT_EQ(1, std::count(platform.done.begin(), platform.done.end(), "announce"));
    EXPECT_EQ(1 + CCaptureStartup::kMaxKeeperRestarts,
              std::count(platform.done.begin(), platform.done.end(), "keeper"));
    EXPECT_FALSE(startup.OnTimer(1)) << "not one of its timers";
    platform.done.clear();
    CCaptureStartup another{platform, capture, settings};
    another.Begin();
    platform.relay = true;  // a relay window came meanwhile: no keeper to start
    another.OnTimer(CCaptureStartup::kRelayDeadlineTimer);
    EXPECT_EQ((Strings{"keeper", "timer 4 3000", "announce"}), platform.done);
}

TEST_F(CaptureStartup, KeeperThatEndsIsReplacedUntilTheStop)
{
    startup.Begin();
    startup.OnKeeperGone(2);  // not the keeper held
    startup.OnKeeperGone(1);
    startup.Stop();
    startup.OnKeeperGone(1);
    startup.OnRelayReady(1, 0x40);
    EXPECT_EQ((Strings{"keeper", "timer 4 3000", "announce", "keeper"}), platform.done) << "nothing after the stop";
}

}  // namespace
