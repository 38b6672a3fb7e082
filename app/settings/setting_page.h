// CSettingPage: the settings sheet's first tab, dialog 129: how new windows are shown and listed,
// the fixed rectangle, filtering, and the button that opens the filter settings.
#pragma once

#include "settings/filter_settings.h"
#include "settings/settings_model.h"
#include "ui/property_sheet.h"

class CSettingPage : public CPropertyPage {
public:
    CSettingPage(CSettingsModel& settings, FilterDialogHost& filterHost);

    int m_nListMode = -1;
    int m_nNewWindowMode = -1;
    int m_bSizePos = 0;
    int m_bFilter = 0;

protected:
    // Message handlers
    INT_PTR HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnBtnFilterSettings();

private:
    CSettingsModel& m_settings;  // for the filter dialog, which applies its own
    FilterDialogHost& m_filterHost;
};
