#include "settings/settings_sheet.h"

#include <algorithm>

#include "res/resource.h"
#include "ui/resources.h"

MySettingPropsheet::MySettingPropsheet(HWND parent, CSettingsModel& settings, FilterDialogHost& filterHost)
    : m_sheet(ResourceText(IDS_SETTINGS_CAPTION), parent), m_pageNewWindow(settings, filterHost)
{
    m_sheet.AddPage(m_pageNewWindow);
    m_sheet.AddPage(m_pageStartup);
    m_sheet.AddPage(m_pageBrowser);
    m_sheet.AddPage(m_pageHotkeys);
}

bool MySettingPropsheet::Run(SheetValues& values)
{
    m_pageNewWindow.m_nListMode = values.listMode;
    m_pageNewWindow.m_nNewWindowMode = values.newWindowMode;
    m_pageNewWindow.m_bSizePos = values.sizePos;
    m_pageNewWindow.m_bFilter = values.filter;
    m_pageStartup.m_bStartupLink = values.startupLink;
    m_pageStartup.m_bIconic = values.iconic;
    m_pageStartup.m_bExitBrowser = values.exitBrowser;
    m_pageBrowser.m_nTargetBrowser = values.targetBrowser;
    m_pageStartup.m_nLanguage = values.language;
    std::copy(std::begin(values.hotkeys), std::end(values.hotkeys), m_pageHotkeys.m_nHotkeys);
    if (m_sheet.DoModal() != IDOK)
        return false;
    values = {m_pageNewWindow.m_nListMode,  m_pageNewWindow.m_nNewWindowMode, m_pageNewWindow.m_bSizePos,
              m_pageNewWindow.m_bFilter,    m_pageStartup.m_bStartupLink,     m_pageStartup.m_bIconic,
              m_pageStartup.m_bExitBrowser, m_pageBrowser.m_nTargetBrowser,    m_pageStartup.m_nLanguage};
    std::copy(std::begin(m_pageHotkeys.m_nHotkeys), std::end(m_pageHotkeys.m_nHotkeys), values.hotkeys);
    return true;
}
