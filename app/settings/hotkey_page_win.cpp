#include "settings/hotkey_page.h"

#include <commctrl.h>

#include "res/resource.h"

namespace {

const int kControls[kHotkeyCount] = {IDC_HOTKEY_NEXT, IDC_HOTKEY_PREVIOUS, IDC_HOTKEY_WINDOW_MENU, IDC_HOTKEY_SHOW_HIDE,
                                     IDC_HOTKEY_FIND};

}  // namespace

CHotkeyPage::CHotkeyPage() : CPropertyPage(IDD_HOTKEYS) {}

BOOL CHotkeyPage::OnInitDialog()
{
    for (int i = 0; i < kHotkeyCount; ++i) {
        HWND control = GetDlgItem(m_hWnd, kControls[i]);
        // A key alone or with Shift alone would be taken from every program: Ctrl+Alt is added.
        SendMessageW(control, HKM_SETRULES, HKCOMB_NONE | HKCOMB_S, MAKELPARAM(HOTKEYF_CONTROL | HOTKEYF_ALT, 0));
        SendMessageW(control, HKM_SETHOTKEY, static_cast<WPARAM>(m_nHotkeys[i]), 0);
    }
    return TRUE;
}

void CHotkeyPage::OnOK()
{
    for (int i = 0; i < kHotkeyCount; ++i)
        m_nHotkeys[i] = SanitizeHotkey(static_cast<int>(SendDlgItemMessageW(m_hWnd, kControls[i], HKM_GETHOTKEY, 0, 0)));
}
