// CCloseListDlg: the Close-list dialog, template 140. It shows the parked windows and how many
// have been caught; the capture engine keeps it in step while it runs (g_pCloseListDlg).
#pragma once

#include <windows.h>

#include "capture/close_list.h"
#include "closelist/close_list_model.h"
#include "mainwnd/window_list_ctrl.h"
#include "ui/dialog.h"

class CCloseListDlg : public CDialog, public CloseListObserver {
public:
    CCloseListDlg();

    // CloseListObserver
    void AddParkedWindow(WindowHandle window, int type) override;
    void UpdateParkedWindowTitle(WindowHandle window) override;
    void RemoveParkedWindow(WindowHandle window) override;
    void CloseDialog() override;

    HICON m_hIcon = nullptr;  // the program's icon, the list's placeholder; set by the opener

protected:
    // Message handlers
    INT_PTR HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    BOOL OnInitDialog() override;
    bool OnCommand(UINT id);
    void OnNotify(const NMHDR* header);
    void OnDelete();
    void OnClickList();
    void OnShow();
    void OnClose();
    void OnDeleteAll();
    void OnHide();
    // Enter and Escape end the dialog as its close box does.
    void OnOK() override { OnClose(); }
    void OnCancel() override { OnClose(); }

private:
    // Data members
    CWindowListCtrl m_listParked;
    CCloseListModel m_model;
};

// OnBtnCloseList's run of the dialog over OWNER, with g_pCloseListDlg set while it runs.
void RunCloseListDialog(HWND owner, HICON icon);
