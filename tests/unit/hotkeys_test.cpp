// The system-wide keys: what the file may hold, what is registered, their names, and the step
// through the list round its ends.
#include <gtest/gtest.h>

#include "app/settings/hotkeys.h"

namespace {

TEST(Hotkeys, OnlyKeysWithCtrlOrAltAreTakenAndRegisteredWithTheirModifiers)
{
    for (const HotkeySetting& setting : kHotkeySettings)
        EXPECT_EQ(setting.defaultValue, SanitizeHotkey(setting.defaultValue)) << setting.key;
    EXPECT_EQ(0, SanitizeHotkey(0x0022)) << "PageDown alone would be taken from every program";
    EXPECT_EQ(0, SanitizeHotkey(0x0122)) << "nor with Shift alone";
    EXPECT_EQ(0, SanitizeHotkey(0x0600)) << "modifiers without a key";
    EXPECT_EQ(0, SanitizeHotkey(0x10622));
    EXPECT_EQ(0, SanitizeHotkey(-1));
    EXPECT_EQ(0x0445, SanitizeHotkey(0x0445)) << "Alt+E";
    EXPECT_EQ(0x4000u | 0x2u | 0x4u | 0x1u, RegistrationOf(kHotkeySettings[3].defaultValue).modifiers)
        << "MOD_CONTROL | MOD_SHIFT | MOD_ALT, no repeats";
}

TEST(Hotkeys, StepsGoRoundTheEndsOfTheList)
{
    EXPECT_EQ(1, SteppedEntry(0, 3, 1));
    EXPECT_EQ(0, SteppedEntry(2, 3, 1)) << "past the last: the first";
    EXPECT_EQ(2, SteppedEntry(0, 3, -1)) << "before the first: the last";
    EXPECT_EQ(0, SteppedEntry(0, 1, 1));
    EXPECT_EQ(-1, SteppedEntry(-1, 0, 1)) << "an empty list";
    EXPECT_EQ(0, SteppedEntry(-1, 3, 1)) << "none current: the first";
    EXPECT_EQ(2, SteppedEntry(-1, 3, -1)) << "or the last";
}

}  // namespace
