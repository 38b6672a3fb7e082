// Which announced relay window is taken as the keeper's: only the one our keeper made for our main
// window, found by the hook, while no keeper held before still runs.
#include <gtest/gtest.h>

#include "app/capture/relay_acceptance.h"

namespace {

TEST(RelayAcceptance, OnlyOurKeepersWindowForOurMainWindowIsTaken)
{
    RelayReport ours;
    ours.cookieMatches = true;
    ours.relay = ours.found = 0x40;
    ours.held = 0x20;  // a keeper that has ended
    ours.mainInRelay = ours.mainWindow = 0x10;
    ours.relayProcess = 7;
    ours.ownProcess = 3;
    EXPECT_EQ(RelayRefusal::None, RefuseRelay(ours));

    const auto refused = [&](void (*spoil)(RelayReport&)) {
        RelayReport r = ours;
        spoil(r);
        return RefuseRelay(r);
    };
    EXPECT_EQ(RelayRefusal::NotOurCookie, refused([](RelayReport& r) { r.cookieMatches = false; }));
    EXPECT_EQ(RelayRefusal::HeldKeeperRuns, refused([](RelayReport& r) { r.heldKeeperRuns = true; }));
    EXPECT_EQ(RelayRefusal::NoWindow, refused([](RelayReport& r) { r.relay = 0; }));
    EXPECT_EQ(RelayRefusal::AlreadyHeld, refused([](RelayReport& r) { r.held = r.relay; }));
    EXPECT_EQ(RelayRefusal::NotTheOneFound, refused([](RelayReport& r) { r.found = 0x50; }));
    EXPECT_EQ(RelayRefusal::NotForThisWindow, refused([](RelayReport& r) { r.mainInRelay = 0x11; }));
    EXPECT_EQ(RelayRefusal::NotAnotherProcess, refused([](RelayReport& r) { r.relayProcess = r.ownProcess; }));
    EXPECT_EQ(RelayRefusal::NotAnotherProcess, refused([](RelayReport& r) { r.relayProcess = 0; }));
}

}  // namespace
