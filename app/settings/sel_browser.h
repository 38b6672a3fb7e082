// SelBrowser: the settings sheet's third tab, dialog 132: the target browsers, one box each (one
// for both Opera types).
#pragma once

#include "ui/property_sheet.h"

class SelBrowser : public CPropertyPage {
public:
    SelBrowser();

    int m_nTargetBrowser = 0;  // the target-browser mask being edited

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;
};
