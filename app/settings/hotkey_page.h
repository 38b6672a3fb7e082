// CHotkeyPage: the settings sheet's fourth tab, dialog 142: a hotkey control for each of the
// program's system-wide keys.
#pragma once

#include "settings/hotkeys.h"
#include "ui/property_sheet.h"

class CHotkeyPage : public CPropertyPage {
public:
    CHotkeyPage();

    int m_nHotkeys[kHotkeyCount] = {};  // in Hotkey order, as the settings keep them

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;
};
