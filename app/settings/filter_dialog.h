// CFilterDlg: the filter settings dialog, template 139, run from the settings sheet. It saves its
// settings itself on OK; its mode pair and pop-up box change the program-wide settings at once.
#pragma once

#include <windows.h>

#include <string>

#include "settings/filter_settings.h"
#include "ui/dialog.h"

// Close mode as it was when the filter dialog last opened; only that dialog uses it.
extern int g_bFilterCloseOld;

class CFilterDlg : public CDialog {
public:
    explicit CFilterDlg(FilterDialogHost& host);

protected:
    // Message handlers
    INT_PTR HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnCommand(UINT id);
    void OnChkPark();
    void OnChkClose();
    void OnChkPopup();
    void OnBtnUrlFromBrowser();
    void OnBtnTitleFromBrowser();

    // Helpers
    void SetMode(bool close);

private:
    // Data members
    FilterDialogHost& m_host;
};
