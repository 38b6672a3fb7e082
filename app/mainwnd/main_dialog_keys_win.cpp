// The main dialog's system-wide keys: the next or the previous window in list order, the window
// menu at the mouse, the main window shown or put away.
#include "mainwnd/main_dialog.h"

#include <string>

#include "res/resource.h"
#include "ui/message_box.h"
#include "ui/resources.h"
#include "win/unicode_text.h"
#include "win/wide_text_win.h"

void CPelorusDlg::OnHotkeysChanged()
{
    const std::u16string held = m_hotkeys.Register(m_hWnd, m_settings.Values().nHotkeys);
    if (held.empty())
        return;
    ShowProgramMessage(Wide(FillIn(ResourceString(IDS_HOTKEYS_HELD), held)));
}

void CPelorusDlg::OnHotkey(int id)
{
    if (m_ending)
        return;
    switch (static_cast<Hotkey>(id)) {
    case Hotkey::Next:
        SwitchBy(1);
        break;
    case Hotkey::Previous:
        SwitchBy(-1);
        break;
    case Hotkey::WindowMenu:
        // Chosen with the main window shown or not: the switch is the same.
        OnTrayCommand(static_cast<UINT>(m_tray.Track(
            WindowMenu(MenuState()),
            [this](WindowHandle window) { return m_listWindows.CopyIconOf(reinterpret_cast<HWND>(window)); },
            CTrayIcon::AtPointer)));
        break;
    case Hotkey::ShowHide:
        ShowOrHide();
        break;
    case Hotkey::Find:
        OpenSwitcher();
        break;
    }
}

void CPelorusDlg::OpenSwitcher()
{
    if (m_ending)
        return;
    if (m_switcher) {
        m_switcher->Raise();
        return;
    }
    CSwitcherDlg switcher(*this, m_search);
    m_switcher = &switcher;
    switcher.DoModal(nullptr);  // no owner: ending, it hands the activation to nobody
    m_switcher = nullptr;
    const int index = m_controller.FindListIndex(switcher.Chosen());
    if (switcher.Chosen() && index >= 0) {
        m_listWindows.SetSelectedItem(index);
        OnDblclkWindowList();  // as choosing it in the list does
    }
}

void CPelorusDlg::SwitchBy(int step)
{
    const int entry = SteppedEntry(m_controller.Current(), m_controller.Count(), step);
    if (entry >= 0)
        m_controller.SwitchTo(entry);
}

void CPelorusDlg::ShowOrHide()
{
    if (m_bInTray || IsIconic(m_hWnd) || !IsWindowVisible(m_hWnd)) {
        RestoreWindow();
        SetForegroundWindow(m_hWnd);
    } else {
        PostMessageW(m_hWnd, WM_SYSCOMMAND, SC_MINIMIZE, 0);  // into the tray, as its button does
    }
}
