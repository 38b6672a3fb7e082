// MySettingPropsheet: the settings sheet "Pelorus設定", its four tabs left to right. Values are
// copied into its pages before it runs and out of them after OK; the pages own no setting.
#pragma once

#include <windows.h>

#include "settings/filter_settings.h"
#include "settings/hotkey_page.h"
#include "settings/sel_browser.h"
#include "settings/setting_page.h"
#include "settings/sheet_values.h"
#include "settings/start_set.h"
#include "ui/property_sheet.h"

class MySettingPropsheet {
public:
    // SETTINGS: for the filter dialog, which the first page opens and which applies its own.
    MySettingPropsheet(HWND parent, CSettingsModel& settings, FilterDialogHost& filterHost);
    // Runs the sheet over VALUES; true, with VALUES as the pages give them back, after OK.
    bool Run(SheetValues& values);

private:
    CPropertySheet m_sheet;
    CSettingPage m_pageNewWindow;
    CStartSet m_pageStartup;
    SelBrowser m_pageBrowser;
    CHotkeyPage m_pageHotkeys;
};
