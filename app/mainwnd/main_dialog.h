// CPelorusDlg: the main window, dialog 102. It routes every notification of the hook and every
// click to the browser-window list (CListController) and owns the Win32 resources.
#pragma once

#include <windows.h>

#include "mainwnd/capture_startup.h"
#include "mainwnd/filter_host.h"
#include "mainwnd/list_controller.h"
#include "mainwnd/tray_icon.h"
#include "mainwnd/window_list_ctrl.h"
#include "settings/settings_model.h"
#include "ui/dialog.h"
#include "win/program_windows.h"
#include "win/window_seam_win.h"

// The program's own path, from its command line.
extern char g_szExePath[1024];

// The dialogs of other rooms that the main window opens over itself; the application supplies them.
struct MainDialogOpeners {
    void (*aboutBox)(HWND owner);
    void (*closeList)(HWND owner, HICON icon);
};

class CPelorusDlg : public CDialog, private MainDialogSettings, private Clock {
public:
    explicit CPelorusDlg(const MainDialogOpeners& openers);

    void UpdateCloseListButton();

protected:
    // Message handlers
    INT_PTR HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    INT_PTR Dispatch(UINT message, WPARAM wParam, LPARAM lParam);
    BOOL OnInitDialog() override;
    void OnHookNotify(WPARAM wParam, LPARAM lParam);
    void OnDestroy();
    bool OnSysCommand(UINT id);
    void OnCommand(UINT id);
    void OnNotify(const NMHDR* header);
    void OnDblclkWindowList();
    void OnClickWindowList();
    void OnBtnDelete();
    BOOL OnBtnUpdateSize();
    void OnBtnCloseList();
    void OnBtnSettings();
    void OnTimer(UINT_PTR id);
    void OnSize(UINT type);
    void OnWindowPosChanging(WINDOWPOS* pos);
    void OnTrayNotify(LPARAM mouseMessage);
    BOOL OnTrayCommand(UINT id);
    void OnTaskbarCreated();
    // The close box, Escape and Enter: an open Close-list dialog ends first, or the main
    // window's end would wait behind it.
    void OnOK() override;
    void OnCancel() override;

    // Helpers
    void CloseCloseListDialog();
    TrayMenuState MenuState() const;
    uint32_t Now() override;
    void WakeAfter(uint32_t delayMs) override;

private:
    // Data members
    int m_bSettingsOpen = 0;
    int m_bInTray = 0;
    HWND m_btnCloseList = nullptr;
    CWindowListCtrl m_listWindows;
    HWND m_btnUpdateSize = nullptr;
    HICON m_hIcon = nullptr;
    HICON m_hSmallIcon = nullptr;
    MainDialogOpeners m_openers;
    CTrayIcon m_tray;
    int m_bIconicStartPending = 0;  // ICONIC: the start-up minimise is yet to hold
    bool m_ending = false;          // exit chosen from the tray: no icon or menu any more
    UINT m_taskbarCreated = RegisterWindowMessageW(L"TaskbarCreated");
    Win32WindowSeam m_seam{g_hRelayWnd};
    CListController m_controller{m_listWindows, *this, *this};
    CCaptureStartup m_startup{m_controller};
    CMainWindowFilterHost m_filterHost{m_controller, [this] { return m_listWindows.TakeSelectedIndex(); }};
};
