// CPelorusDlg: the main window, dialog 102. It owns the program's state, each piece in one
// object (the settings, the capture state, the list), routes every notification of the hook and
// every click to them, and owns the Win32 resources.
#pragma once

#include <windows.h>

#include "capture/capture_startup.h"
#include "capture/capture_startup_win.h"
#include "capture/capture_state.h"
#include "capture/window_mover.h"
#include "capture/window_watcher.h"
#include "mainwnd/filter_host.h"
#include "mainwnd/hotkeys_win.h"
#include "mainwnd/list_controller.h"
#include "mainwnd/switcher.h"
#include "mainwnd/tray_icon.h"
#include "settings/settings_model.h"
#include "ui/dialog.h"
#include "ui/window_list_ctrl.h"
#include "win/program_windows.h"
#include "win/text_search_win.h"
#include "win/window_timer_win.h"
#include "win/window_seam_win.h"

// The dialogs of other rooms that the main window opens over itself; the application supplies them.
struct MainDialogOpeners {
    void (*aboutBox)(HWND owner);
};

class CPelorusDlg : public CDialog, private WatcherHost, private SwitcherHost {
public:
    explicit CPelorusDlg(const MainDialogOpeners& openers);

    void UpdateCloseListButton();

protected:
    // Message handlers
    INT_PTR HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    INT_PTR Dispatch(UINT message, WPARAM wParam, LPARAM lParam);
    BOOL OnInitDialog() override;
    void OnHookNotify(WPARAM wParam, LPARAM lParam);
    void OnStartup();
    void OnWindowEvent(WPARAM event, WindowHandle window);
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
    void OnHotkey(int id);
    void OnHotkeysChanged();
    void SwitchBy(int step);
    void ShowOrHide();
    // The switcher, on its key or from the tray: Enter in it shows the window as the list does.
    void OpenSwitcher();
    // Out of the tray (or up from the taskbar), shown as the user left it.
    void RestoreWindow();
    void OnDpiFollowed() override { m_listWindows.FitColumns(); }
    // Enter: the selected window shown. The close box and Escape: an open Close-list dialog
    // ends first, or the main window's end would wait behind it.
    void OnOK() override;
    void OnCancel() override;

    // Helpers
    void CloseCloseListDialog();
    void AwaitCloses();
    TrayMenuState MenuState() const;
    // WatcherHost: the watcher's announcements take the hook's way in.
    bool Holds(WindowHandle window) override { return m_controller.Holds(window); }
    std::vector<WindowHandle> HeldWindows() override { return m_controller.HeldWindows(); }
    void Announce(WindowHandle window, int type, WindowFacts& facts) override;
    void TitleChanged(WindowHandle window) override;
    void Destroyed(WindowHandle window) override;
    // SwitcherHost: the list's entries and icons.
    const std::vector<ListEntry>& Entries() override { return m_controller.Entries(); }
    HIMAGELIST Images() override { return m_listWindows.Images(); }
    int ImageOf(WindowHandle window, int type) override
    {
        return m_listWindows.ImageOf(reinterpret_cast<HWND>(window), type);
    }

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
    CHotkeys m_hotkeys;
    CLinguisticSearch m_search;
    CSwitcherDlg* m_switcher = nullptr;  // while it is open
    int m_bIconicStartPending = 0;  // ICONIC: the start-up minimise is yet to hold
    bool m_ending = false;          // exit chosen from the tray: no icon or menu any more
    bool m_watching = false;        // the watcher runs: from the start-up to the end
    UINT m_taskbarCreated = RegisterWindowMessageW(L"TaskbarCreated");
    // The window's timers: its tick, the list's waits, the watcher's looks (3 and 4 are the
    // start-up's, CCaptureStartup).
    static constexpr UINT_PTR kTickTimer = 1, kListTimer = 2, kWatchTimer = 5;
    static constexpr DWORD kExitCloseMs = 1500;  // a window's moment to close, at exit
    static_assert(kTickTimer != CCaptureStartup::kCatchUpTimer && kTickTimer != CCaptureStartup::kRelayDeadlineTimer &&
                      kListTimer != CCaptureStartup::kCatchUpTimer &&
                      kListTimer != CCaptureStartup::kRelayDeadlineTimer &&
                      kWatchTimer != CCaptureStartup::kCatchUpTimer &&
                      kWatchTimer != CCaptureStartup::kRelayDeadlineTimer,
                  "one number a timer");
    CWindowTimer m_listClock{kListTimer};
    CWindowTimer m_watchClock{kWatchTimer};
    // The program's state, each piece with one owner; in the order they depend on each other.
    Win32WindowSeam m_seam{g_hRelayWnd};
    CSettingsModel m_settings;
    CWindowMover m_mover{m_seam, m_settings};
    CCaptureState m_capture{m_seam, m_mover, m_settings};
    CListController m_controller{{m_listWindows, m_listClock, m_seam, m_settings, m_mover, m_capture}};
    CWindowWatcher m_watcher{m_seam, m_capture.Known(), m_settings, m_watchClock, *this};
    CCaptureStartupWin m_startupPlatform{m_capture.Reader(), [this] { m_controller.OnRelayWindow(); }};
    CCaptureStartup m_startup{m_startupPlatform, m_capture, m_settings};
    CMainWindowFilterHost m_filterHost{m_seam, m_controller, m_capture,
                                       [this] { return m_listWindows.TakeSelectedIndex(); }};
};
