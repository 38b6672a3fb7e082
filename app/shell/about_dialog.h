// CAboutDlg: the About box, dialog 100, opened from the main window's system menu.
#pragma once

#include "res/resource.h"
#include "ui/dialog.h"

class CAboutDlg : public CDialog {
public:
    CAboutDlg() : CDialog(IDD_ABOUTBOX) {}
};
