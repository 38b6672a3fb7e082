// A dialog opened from the tray lands on the monitor with the mouse; one opened over a shown
// window stays where the system put it, unless it runs off its monitor's work area.
#include <gtest/gtest.h>

#include "app/ui/dialog_placement.h"

namespace {

const ScreenRect kLeftWork{0, 0, 1920, 1040};        // the taskbar below
const ScreenRect kRightWork{1920, 0, 3840, 1080};

TEST(DialogPlacement, FromTheTrayCentredOnTheMonitorWithTheMouseElseKeptOnItsOwn)
{
    const ScreenRect offScreen{-32000, -31900, -31600, -31600};  // 400 x 300, by a minimised owner
    const ScreenRect centred = PlaceOpenedDialog(offScreen, false, kRightWork, kLeftWork);
    EXPECT_EQ(2680, centred.left);
    EXPECT_EQ(390, centred.top);
    EXPECT_EQ(400, centred.Width());
    EXPECT_EQ(300, centred.Height());

    const ScreenRect inside{100, 100, 500, 400};
    EXPECT_EQ(100, PlaceOpenedDialog(inside, true, kRightWork, kLeftWork).left) << "where the system put it";
    const ScreenRect hanging = PlaceOpenedDialog({1700, 900, 2100, 1200}, true, kRightWork, kLeftWork);
    EXPECT_EQ(1520, hanging.left) << "back within the right edge";
    EXPECT_EQ(740, hanging.top) << "above the taskbar";

    const ScreenRect tooLarge = PlaceOpenedDialog({0, 0, 2000, 1200}, false, kLeftWork, kLeftWork);
    EXPECT_EQ(0, tooLarge.left) << "its caption stays on screen";
    EXPECT_EQ(0, tooLarge.top);
}

}  // namespace
