// The system-wide keys, registered for the main window: WM_HOTKEY comes with the key's Hotkey as
// its id. A key that another program already holds is left out, Pelorus runs on without it, and
// it is named to the user once.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "settings/hotkeys.h"

// Posted to the main window when the keys are to be registered (again): at start, after the
// settings sheet changed one.
constexpr UINT WM_HOTKEYS_CHANGED = WM_APP + 8;

// VALUE's name with the keyboard layout's name of its key ("Ctrl+Alt+Space"); empty for none.
std::u16string HotkeyText(int value);

class CHotkeys {
public:
    ~CHotkeys() { Unregister(); }

    // Every key of VALUES registered for OWNER, in place of those before. Returns the names of
    // the keys another program holds that have not been named before; empty when none.
    std::u16string Register(HWND owner, const int (&values)[kHotkeyCount]);
    void Unregister();

private:
    HWND m_owner = nullptr;
    bool m_registered[kHotkeyCount] = {};
    std::vector<int> m_named;  // the keys found held by another program and named
};
