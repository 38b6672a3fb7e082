// The program's system-wide keys: switching to the next or the previous window in list order,
// the window menu at the mouse, showing or hiding the main window, and finding a window by
// typing. Each is kept in
// Pelorus.ini as the hotkey control gives it: the virtual key in the low byte, the HOTKEYF_
// modifiers in the next; 0 for none.
//
// The defaults hold Ctrl and Alt with keys of the navigation block that neither Windows nor the
// browsers take with that pair: browsers switch tabs with Ctrl+PageUp/PageDown (and move them
// with Shift added), Windows keeps the Win key's combinations, graphics drivers turn the screen
// with Ctrl+Alt and the arrows, a remote-desktop session takes Ctrl+Alt with Home, End and Break,
// and Ctrl+Alt with a letter is AltGr on many keyboards, typing a character. Finding a window
// takes Ctrl+Alt+Space, as quick switchers take a key with Space: Alt+Space opens a window's
// system menu and Ctrl+Space switches input methods, but neither fires with both held, and
// neither Windows nor the browsers take the three together.
#pragma once

#include <string>

enum class Hotkey { Next, Previous, WindowMenu, ShowHide, Find };
constexpr int kHotkeyCount = 5;

// The HOTKEYF_ flags of the hotkey control.
constexpr int kHotkeyShift = 0x01, kHotkeyControl = 0x02, kHotkeyAlt = 0x04, kHotkeyExtended = 0x08;

struct HotkeySetting {
    const char* key;
    int defaultValue;
};
// In Hotkey order: Ctrl+Alt+PageDown, Ctrl+Alt+PageUp, Ctrl+Alt+Insert, Ctrl+Shift+Alt+Insert,
// Ctrl+Alt+Space.
extern const HotkeySetting kHotkeySettings[kHotkeyCount];

// A value as read from the file: anything not a key with Ctrl or Alt (or beyond the control's
// word) reads as none, so that no bare key is ever taken from every program.
int SanitizeHotkey(int value);

// What RegisterHotKey is given for VALUE: MOD_ modifiers (with MOD_NOREPEAT) and the virtual key.
struct HotkeyRegistration {
    unsigned modifiers = 0;
    unsigned virtualKey = 0;
};
HotkeyRegistration RegistrationOf(int value);

// VALUE's name as the user knows it: "Ctrl+Alt+" and KEY_NAME, the key's own name.
std::u16string HotkeyName(int value, const std::u16string& keyName);

// The entry that a step through the list makes current: the next (STEP 1) or the previous (-1)
// of CURRENT among COUNT, round the ends; -1 for an empty list. With none current, the first or
// the last.
int SteppedEntry(int current, int count, int step);
