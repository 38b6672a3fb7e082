// The start of capture with a recording platform: what is done once, what after the keeper's
// report or its deadline, how often a keeper is started again, and that nothing follows the stop.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/capture/capture_startup.h"

namespace {

using Strings = std::vector<std::string>;

struct RecordingPlatform : CaptureStartupPlatform {
    SweepList Sweep() override { return Note("sweep"), SweepList{}; }
    void BindLibrary() override { Note("bind"); }
    bool StartKeeper() override { return Note("keeper"), true; }
    bool TakeRelayWindow(uint32_t cookie, uintptr_t) override { return Note("take"), cookie == 1; }
    bool ForgetEndedKeeper(uint32_t id) override { return id == 1; }
    bool HasRelayWindow() override { return relay; }
    bool IsHookBound() override { return hook; }
    void EnableLibrary(const SweepList&, int mask) override { Note("enable " + std::to_string(mask)); }
    void Announce(const SweepList&, int) override { Note("announce"); }
    void CatchUp(const SweepList&, const SweepList&, int) override { Note("catch up"); }
    void RelayWindowCame() override { Note("hide"); }
    void SetTimer(uintptr_t id, uint32_t ms) override
    {
        Note("timer " + std::to_string(id) + " " + std::to_string(ms));
    }
    void KillTimer(uintptr_t id) override { Note("kill " + std::to_string(id)); }
    void Note(const std::string& what) { done.push_back(what); }
    Strings done;
    bool relay = false, hook = true;
};

class CaptureStartup : public ::testing::Test {
protected:
    RecordingPlatform platform;
    SweepList swept;
    CSettingsModel settings;  // IE only
    CCaptureStartup startup{platform, swept, settings};
    const std::string deadline = std::to_string(CCaptureStartup::kRelayDeadlineTimer);
    const std::string catchUp = std::to_string(CCaptureStartup::kCatchUpTimer);
};

TEST_F(CaptureStartup, SweepsStartsTheKeeperAndEnablesTheHookOnceItReports)
{
    startup.Begin();
    startup.Begin();  // another HN_STARTUP, from elsewhere
    EXPECT_EQ((Strings{"sweep", "bind", "keeper", "timer " + deadline + " 3000"}), platform.done);
    platform.done.clear();
    startup.OnRelayReady(2, 0x40);  // not our keeper's cookie
    startup.OnRelayReady(1, 0x40);
    EXPECT_EQ((Strings{"take", "take", "kill " + deadline, "enable 1", "hide", "announce", "sweep", "catch up",
                       "timer " + catchUp + " 1000"}),
              platform.done);
    platform.done.clear();
    startup.OnRelayReady(1, 0x44);  // a new keeper, later
    EXPECT_EQ((Strings{"take", "kill " + deadline, "hide", "sweep", "catch up", "timer " + catchUp + " 1000"}),
              platform.done)
        << "enabled and announced only once: the watch table keeps what was listed meanwhile";
}

TEST_F(CaptureStartup, WithoutAReportTheSweptAreListedAndTheKeeperStartedAgainTenTimesAtMost)
{
    startup.Begin();
    int keepers = 0, announced = 0;
    for (int i = 0; i < 20; ++i) {
        platform.done.clear();
        ASSERT_TRUE(startup.OnTimer(CCaptureStartup::kRelayDeadlineTimer));
        for (const std::string& what : platform.done) {
            keepers += what == "keeper";
            announced += what == "announce";
        }
    }
    EXPECT_EQ(1, announced) << "listed, even with nowhere to hide them";
    EXPECT_EQ(CCaptureStartup::kMaxKeeperRestarts, keepers);
    EXPECT_FALSE(startup.OnTimer(1)) << "not one of its timers";
}

TEST_F(CaptureStartup, KeeperThatEndsIsReplacedUntilTheStop)
{
    startup.Begin();
    platform.done.clear();
    startup.OnKeeperGone(2);  // not the keeper held
    startup.OnKeeperGone(1);
    EXPECT_EQ(Strings{"keeper"}, platform.done);
    startup.Stop();
    platform.done.clear();
    startup.OnKeeperGone(1);
    startup.OnRelayReady(1, 0x40);
    EXPECT_TRUE(platform.done.empty()) << "the program is ending";
}

}  // namespace
