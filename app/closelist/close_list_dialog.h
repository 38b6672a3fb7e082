// CCloseListDlg: the Close-list dialog, template 140. It shows the parked windows and how many
// have been caught; the Close list keeps it in step while it runs.
#pragma once

#include <windows.h>

#include "capture/close_list.h"
#include "closelist/close_list_model.h"
#include "ui/dialog.h"
#include "ui/window_list_ctrl.h"

class CCloseListDlg : public CDialog, public CloseListObserver {
public:
    explicit CCloseListDlg(const CloseListParts& parts);

    // CloseListObserver
    void AddParkedWindow(const ParkedWindow& parked) override;
    void UpdateParkedWindowTitle(WindowHandle window) override;
    void RemoveParkedWindow(WindowHandle window) override;
    void CloseDialog() override;

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
    void OnDpiFollowed() override { m_listParked.FitColumns(); }

private:
    // Data members
    CWindowListCtrl m_listParked;
    CCloseListModel m_model;
};

// OnBtnCloseList's run of the dialog over OWNER, attached to the Close list while it runs.
void RunCloseListDialog(HWND owner, const CloseListParts& parts);
