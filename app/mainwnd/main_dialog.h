// CPelorusDlg: the main window, dialog 102. It receives every notification of the hook, keeps
// the browser-window list and shows one listed window at a time.
#pragma once

#include <windows.h>

#include "mainwnd/window_list_ctrl.h"
#include "settings/settings_model.h"
#include "ui/dialog.h"

// The main window's handle; the relay window gives it to the hook. Set in OnInitDialog.
extern HWND g_hMainWnd;
// The index of the entry whose window is shown; -1 for none.
extern int g_nCurrent;
// The program's own path, from its command line.
extern char g_szExePath[1024];
extern HBITMAP g_hbmMenuCheck;
extern HBITMAP g_ahbmBrowserType[kBrowserTypeCount];

class CPelorusDlg : public CDialog, private MainDialogSettings {
public:
    CPelorusDlg();
    ~CPelorusDlg() override;

    int FindListIndex(HWND window) const;
    void UpdateCloseListButton();
    void OnBtnDelete();
    // Every listed and parked window back on the desktop: for ways out that skip OnDestroy.
    void ReleaseAllWindows();

    static CPelorusDlg* Instance() { return s_instance; }

protected:
    // Message handlers
    INT_PTR HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    BOOL OnInitDialog() override;
    void OnHookNotify(WPARAM wParam, LPARAM lParam);
    void OnNewWindow(HWND window, int type);
    void OnTitleChanged(HWND window);
    void OnDestroyedWindow(HWND window);
    void OnStartup();
    void OnDestroy();
    bool OnSysCommand(UINT id);
    bool OnPaint();
    void OnCommand(UINT id);
    void OnNotify(const NMHDR* header);
    void OnDblclkWindowList();
    void OnClickWindowList();
    BOOL OnBtnUpdateSize();
    void OnTimer();
    void OnEndSession(BOOL ending);

    // Helpers
    void RemoveListEntry(int index);
    void SweepBrowserWindows();
    void SetUpSystemMenu();
    void LoadMenuBitmaps();
    void ShowCurrentAfterRemoval(int newCount);
    bool DropIfDead(int index);

private:
    // Data members
    int m_bSettingsOpen = 0;
    int m_bInTray = 0;
    HWND m_btnCloseList = nullptr;
    CWindowListCtrl m_listWindows;
    HWND m_btnUpdateSize = nullptr;
    HICON m_hIcon = nullptr;
    HICON m_hSmallIcon = nullptr;
    static CPelorusDlg* s_instance;
};
