// CStartSet: the settings sheet's second tab, dialog 131: the tray at start-up, the start-up
// shortcut, and whether the browsers are closed at exit.
#pragma once

#include "ui/property_sheet.h"

class CStartSet : public CPropertyPage {
public:
    CStartSet();

    int m_bStartupLink = 0;  // in: whether the shortcut exists; out: whether it should
    int m_bIconic = 0;
    int m_bExitBrowser = 0;

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;
};
