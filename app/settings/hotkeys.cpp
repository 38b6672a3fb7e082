#include "settings/hotkeys.h"

namespace {

constexpr int kVkNext = 0x22, kVkPrior = 0x21, kVkInsert = 0x2D, kVkSpace = 0x20;  // VK_NEXT, ...
// The navigation block's keys are extended keys; Space is not.
constexpr int kCtrlAlt = (kHotkeyControl | kHotkeyAlt | kHotkeyExtended) << 8;
constexpr int kCtrlAltPlain = (kHotkeyControl | kHotkeyAlt) << 8;
constexpr unsigned kModAlt = 0x1, kModControl = 0x2, kModShift = 0x4, kModNoRepeat = 0x4000;

}  // namespace

const HotkeySetting kHotkeySettings[kHotkeyCount] = {
    {"HOTKEY_NEXT", kCtrlAlt | kVkNext},
    {"HOTKEY_PREVIOUS", kCtrlAlt | kVkPrior},
    {"HOTKEY_WINDOW_MENU", kCtrlAlt | kVkInsert},
    {"HOTKEY_SHOW_HIDE", kCtrlAlt | kHotkeyShift << 8 | kVkInsert},
    {"HOTKEY_FIND", kCtrlAltPlain | kVkSpace},
};

int SanitizeHotkey(int value)
{
    const int modifiers = value >> 8;
    if (value <= 0 || value > 0xFFFF || (value & 0xFF) == 0 || modifiers & ~0x0F ||
        !(modifiers & (kHotkeyControl | kHotkeyAlt)))
        return 0;
    return value;
}

HotkeyRegistration RegistrationOf(int value)
{
    const int modifiers = value >> 8;
    HotkeyRegistration registration;
    registration.virtualKey = static_cast<unsigned>(value & 0xFF);
    registration.modifiers = kModNoRepeat | (modifiers & kHotkeyAlt ? kModAlt : 0) |
                             (modifiers & kHotkeyControl ? kModControl : 0) | (modifiers & kHotkeyShift ? kModShift : 0);
    return registration;
}

std::u16string HotkeyName(int value, const std::u16string& keyName)
{
    const int modifiers = value >> 8;
    std::u16string name;
    if (modifiers & kHotkeyControl)
        name += u"Ctrl+";
    if (modifiers & kHotkeyShift)
        name += u"Shift+";
    if (modifiers & kHotkeyAlt)
        name += u"Alt+";
    return name + keyName;
}

int SteppedEntry(int current, int count, int step)
{
    if (count <= 0)
        return -1;
    if (current < 0 || current >= count)
        return step > 0 ? 0 : count - 1;
    return ((current + step) % count + count) % count;
}
