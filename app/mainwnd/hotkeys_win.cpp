#include "mainwnd/hotkeys_win.h"

#include <algorithm>

#include "win/wide_text_win.h"

namespace {

// The key's own name, as the keyboard layout spells it.
std::u16string KeyName(int value)
{
    const UINT scanCode = MapVirtualKeyW(static_cast<UINT>(value & 0xFF), MAPVK_VK_TO_VSC);
    const LONG extended = (value >> 8) & kHotkeyExtended ? 1 << 24 : 0;
    wchar_t name[64] = L"";
    const int n = GetKeyNameTextW(static_cast<LONG>(scanCode << 16) | extended, name, 64);
    return n > 0 ? FromWide(name, static_cast<size_t>(n)) : u"?";
}

}  // namespace

std::u16string HotkeyText(int value)
{
    return value ? HotkeyName(value, KeyName(value)) : std::u16string();
}

std::u16string CHotkeys::Register(HWND owner, const int (&values)[kHotkeyCount])
{
    Unregister();
    m_owner = owner;
    std::u16string held;
    for (int i = 0; i < kHotkeyCount; ++i) {
        // None, or one given to two commands (by hand, in the file): the first keeps it.
        if (!values[i] || std::find(values, values + i, values[i]) != values + i)
            continue;
        const HotkeyRegistration key = RegistrationOf(values[i]);
        m_registered[i] = RegisterHotKey(owner, i, key.modifiers, key.virtualKey) != FALSE;
        if (!m_registered[i] && std::find(m_named.begin(), m_named.end(), values[i]) == m_named.end()) {
            m_named.push_back(values[i]);
            held += (held.empty() ? u"" : u", ") + HotkeyText(values[i]);
        }
    }
    return held;
}

void CHotkeys::Unregister()
{
    for (int i = 0; i < kHotkeyCount; ++i)
        if (m_registered[i])
            UnregisterHotKey(m_owner, i);
    std::fill(std::begin(m_registered), std::end(m_registered), false);
}
