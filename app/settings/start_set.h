// CStartSet: the settings sheet's second tab, dialog 131: the tray at start-up, the start-up
// shortcut, whether the browsers are closed at exit, and the interface language.
#pragma once

#include "ui/property_sheet.h"

class CStartSet : public CPropertyPage {
public:
    CStartSet();

    int m_bStartupLink = 0;  // in: whether the shortcut exists; out: whether it should
    int m_bIconic = 0;
    int m_bExitBrowser = 0;
    int m_nLanguage = 0;  // a LanguageChoice, as the combo lists them

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;
};
