// CFilterDlg: the filter settings dialog, template 139, run from the settings sheet. It saves its
// settings itself on OK; its mode pair and pop-up box change the program-wide settings at once.
#pragma once

#include <windows.h>

#include <string>

#include "ui/dialog.h"

// What the dialog asks of the rest of the program, which it does not know itself.
class FilterDialogHost {
public:
    virtual ~FilterDialogHost() = default;
    // The address, or the title without the browser's own name, of the window selected in the
    // main window's list (its selection is cleared); false when none is selected or it has none.
    virtual bool SelectedBrowserUrl(std::string& url) = 0;
    virtual bool SelectedBrowserTitle(std::string& title) = 0;
    // Every parked window asked to close, the Close list emptied.
    virtual void CloseAllParked() = 0;
};

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
