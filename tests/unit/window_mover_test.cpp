// The window mover on a fake desktop: placement in the fixed rectangle, and the windows asked to
// close outside every list, which end gone or back on the desktop.
#include <gtest/gtest.h>

#include "app/capture/window_mover.h"
#include "hooklib/hook_protocol.h"
#include "tests/unit/fakes/capture_rig.h"

void PrintTo(const NormalRect& r, std::ostream* os)
{
    *os << "(" << r.left << ", " << r.top << ")-(" << r.right << ", " << r.bottom << ")";
}

namespace {

using Strings = std::vector<std::string>;

TEST(PlanPlacement, FixedRectangleOnlyWhenOnAndRecorded)
{
    const NormalRect own{50, 60, 350, 260};
    NormalRect r = own;
    EXPECT_FALSE(PlanPlacement(false, {10, 20, 800, 600}, false, r));
    EXPECT_FALSE(PlanPlacement(true, {10, 20, -1, 600}, false, r));
    EXPECT_FALSE(PlanPlacement(true, {10, 20, 800, -1}, false, r));
    EXPECT_EQ(own, r);

    ASSERT_TRUE(PlanPlacement(true, {10, 20, 800, 600}, false, r));
    EXPECT_EQ((NormalRect{10, 20, 810, 620}), r);
    r = own;
    ASSERT_TRUE(PlanPlacement(true, {10, 20, 800, 600}, true, r));
    EXPECT_EQ((NormalRect{10, 20, 310, 220}), r) << "a pop-up is moved and keeps its size";
    r = own;
    ASSERT_TRUE(PlanPlacement(true, {-5, -7, 0, 0}, false, r));
    EXPECT_EQ((NormalRect{-5, -7, -5, -7}), r);
}

// A hidden window's root is the relay window, which closes for nobody: it is given back to the
// desktop out of sight, then asked; one that refuses is shown, one that does not answer is asked
// once it does, and nothing waits for either.
TEST(WindowMover, HiddenWindowAskedToCloseIsGivenBackOutOfSightFirstAndShownIfItRefuses)
{
    CaptureRig rig;
    rig.Load({{"FILTER", "1"}, {"FILTER_CLOSE", "0"}, {"MAX_PENDING_NUM", "1"}});
    FakeWindowSeam& desk = rig.desk;
    const WindowHandle refuses = desk.Add("IEFrame", "Refuses"), hung = desk.Add("IEFrame", "Hung"),
                       goes = desk.Add("IEFrame", "Goes");
    rig.capture.Park(refuses, BROWSER_IE, {});
    rig.capture.Park(hung, BROWSER_IE, {});  // evicts the one before
    desk.windows[hung].answers = false;      // and stops answering, hidden
    for (WindowHandle w : {goes, desk.Add("IEFrame", "Last")})
        rig.capture.Park(w, BROWSER_IE, {});
    EXPECT_EQ((Strings{"hide Refuses", "release hidden Refuses", "close Refuses", "hide Hung", "hide Goes",
                       "release hidden Goes", "close Goes", "hide Last"}),
              desk.actions)
        << "the hung one is not moved, nor asked";
    EXPECT_TRUE(desk.Shown(refuses) && !desk.windows[refuses].visible) << "back on the desktop, out of sight";
    desk.Kill(goes);
    rig.mover.OnTick();
    rig.mover.OnTick();
    EXPECT_FALSE(desk.windows[refuses].visible) << "a moment's grace to close";
    rig.mover.OnTick();
    EXPECT_TRUE(desk.windows[refuses].visible) << "it refused: shown";
    desk.windows[hung].answers = true;
    rig.mover.OnResponded(hung, desk.cookies[hung]);
    rig.mover.OnTick();
    EXPECT_EQ(hung, desk.closed.back()) << "asked once it answers";
    EXPECT_TRUE(desk.Shown(hung) && !desk.windows[hung].visible);
    for (int i = 0; i < 3; ++i)
        rig.mover.OnTick();
    EXPECT_TRUE(desk.windows[hung].visible);

    // A listed one that refuses while it does not answer is shown all the same, without waiting;
    // one given back out of sight and then hidden again shows whenever it is given back later.
    const WindowHandle listed = desk.Add("IEFrame", "Listed"), again = desk.Add("IEFrame", "Again");
    for (WindowHandle w : {listed, again}) {
        rig.mover.Hide(w);
        rig.mover.AskToClose(w, true);
    }
    rig.mover.Hide(again);
    EXPECT_TRUE(desk.Hidden(again) && desk.windows[again].visible);
    desk.windows[listed].answers = false;
    std::vector<WindowHandle> refused;
    for (int i = 0; i < 3; ++i)
        refused = rig.mover.OnTick();
    EXPECT_EQ((std::vector<WindowHandle>{listed, again}), refused) << "for the list to make current";
    EXPECT_TRUE(desk.windows[listed].visible);
}

}  // namespace
