// CFilterDlg: the filter settings dialog, template 139, run from the settings sheet. It saves its
// settings itself on OK; its mode pair and pop-up box change the program-wide settings at once.
#pragma once

#include <windows.h>

#include <string>

#include "settings/filter_settings.h"
#include "settings/settings_model.h"
#include "ui/dialog.h"

class CFilterDlg : public CDialog {
public:
    CFilterDlg(CSettingsModel& settings, FilterDialogHost& host);

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
    CSettingsModel& m_settings;
    FilterDialogHost& m_host;
    int m_bFilterCloseOld = 0;  // close mode as it was when the dialog opened
};
