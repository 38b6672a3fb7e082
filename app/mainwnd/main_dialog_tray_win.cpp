// The main dialog in the notification area: minimising into it, the shell's restart, and the
// two tray menus with their commands.
#include "mainwnd/main_dialog.h"

void CPelorusDlg::OnSize(UINT type)
{
    if (type == SIZE_MINIMIZED && !m_bInTray && m_tray.Add(m_controller.Count())) {
        ShowWindow(m_hWnd, SW_HIDE);
        m_bInTray = 1;
    }  // without an icon the window stays minimised on the taskbar
    if (type == SIZE_RESTORED && m_bIconicStartPending) {
        // The dialog's loop restores the window when its queue first runs empty, undoing ICONIC.
        m_bIconicStartPending = 0;
        PostMessageW(m_hWnd, WM_SYSCOMMAND, SC_MINIMIZE, 0);
    }
}

// In the tray the main window stays hidden until it is restored from there (the same first show).
void CPelorusDlg::OnWindowPosChanging(WINDOWPOS* pos)
{
    if (m_bInTray && pos)
        pos->flags &= ~SWP_SHOWWINDOW;
}

// The shell restarted, or started after Pelorus: the icon again, or at last.
void CPelorusDlg::OnTaskbarCreated()
{
    if (m_ending)
        return;
    if (m_bInTray) {
        if (!m_tray.Readd(m_controller.Count())) {  // no icon: never hidden with no way back
            m_bInTray = 0;
            ShowWindow(m_hWnd, SW_SHOWMINNOACTIVE);
        }
    } else if (IsIconic(m_hWnd))
        OnSize(SIZE_MINIMIZED);
}

void CPelorusDlg::RestoreWindow()
{
    m_bIconicStartPending = 0;  // restored by the user: no start-up minimise is owed any more
    m_bInTray = 0;              // first: while in the tray the window may not be shown
    ShowWindow(m_hWnd, SW_SHOWNORMAL);
    m_tray.Remove();
}

TrayMenuState CPelorusDlg::MenuState() const
{
    return {&m_controller.Entries(), m_controller.Current(), m_bSettingsOpen != 0, m_settings.CloseListButtonEnabled(),
            HotkeyText(m_settings.Values().nHotkeys[static_cast<int>(Hotkey::Find)])};
}

void CPelorusDlg::OnTrayNotify(LPARAM mouseMessage)
{
    if (m_ending)
        return;
    const auto iconOf = [this](WindowHandle window) { return m_listWindows.CopyIconOf(reinterpret_cast<HWND>(window)); };
    int chosen = 0;
    if (mouseMessage == WM_LBUTTONDOWN)
        chosen = m_tray.Track(WindowMenu(MenuState()), iconOf);
    else if (mouseMessage == WM_RBUTTONDOWN)
        chosen = m_tray.Track(CommandMenu(MenuState()), iconOf);
    OnTrayCommand(static_cast<UINT>(chosen));
}

BOOL CPelorusDlg::OnTrayCommand(UINT id)
{
    const TrayCommand command = ResolveTrayCommand(m_tray.Shown(), static_cast<int>(id), m_controller.Entries());
    switch (command.kind) {
    case TrayCommand::Delete:
        if (command.entry >= 0) {  // its window may have gone while the menu was open
            m_listWindows.SetSelectedItem(command.entry);
            OnBtnDelete();
        }
        break;
    case TrayCommand::Show:
        if (command.entry >= 0) {
            m_listWindows.SetSelectedItem(command.entry);
            OnDblclkWindowList();  // the main window stays in the tray
        }
        break;
    case TrayCommand::Settings:
        OnBtnSettings();
        break;
    case TrayCommand::Restore:
        RestoreWindow();
        break;
    case TrayCommand::Exit:
        m_ending = true;
        m_tray.Remove();
        // Ended directly: a close command would be dropped while the settings sheet, open over
        // this window, keeps it disabled. The program then ends as the sheet is closed.
        OnCancel();  // the Close-list dialog first, which hides again what it released
        break;
    case TrayCommand::UpdateSize:
        OnBtnUpdateSize();
        break;
    case TrayCommand::CloseList:
        OnBtnCloseList();  // nothing while it is open
        break;
    case TrayCommand::CloseMenu:
        break;
    case TrayCommand::Find:
        OpenSwitcher();
        break;
    case TrayCommand::None:
        return FALSE;
    }
    return TRUE;
}
