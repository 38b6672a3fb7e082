#include "settings/filter_dialog.h"

#include "res/resource.h"
#include "settings/filter_settings.h"
#include "settings/profile_store_win.h"
#include "win/unicode_text.h"

CFilterDlg::CFilterDlg(CSettingsModel& settings, FilterDialogHost& host)
    : CDialog(IDD_FILTER_DIALOG), m_settings(settings), m_host(host)
{
}

INT_PTR CFilterDlg::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_COMMAND:
        if (HIWORD(wParam) == BN_CLICKED)
            OnCommand(LOWORD(wParam));
        return CDialog::HandleMessage(message, wParam, lParam);
    default:
        return CDialog::HandleMessage(message, wParam, lParam);
    }
}

void CFilterDlg::OnCommand(UINT id)
{
    switch (id) {
    case IDC_FILTER_PARK:
        OnChkPark();
        break;
    case IDC_FILTER_CLOSE:
        OnChkClose();
        break;
    case IDC_FILTER_POPUP:
        OnChkPopup();
        break;
    case IDC_FILTER_URL_FROM_BROWSER:
        OnBtnUrlFromBrowser();
        break;
    case IDC_FILTER_TITLE_FROM_BROWSER:
        OnBtnTitleFromBrowser();
        break;
    default:
        break;
    }
}

BOOL CFilterDlg::OnInitDialog()
{
    const SettingsValues& s = m_settings.Values();
    m_bFilterCloseOld = s.bFilterClose;
    SetUpDownBuddy(IDC_FILTER_MAX_SPIN, IDC_FILTER_MAX, 1, kCloseListSlots);
    SetItemNumber(IDC_FILTER_MAX, s.nMaxPendingNum);
    SetChecked(s.bFilterClose ? IDC_FILTER_CLOSE : IDC_FILTER_PARK, true);
    EnableItem(IDC_FILTER_MAX, !s.bFilterClose);  // the up-down control stays enabled
    SetChecked(IDC_FILTER_POPUP, s.bFilterCheckPopup != 0);
    SetChecked(IDC_FILTER_USE_URL, s.bFilterUseUrl != 0);
    SetChecked(IDC_FILTER_USE_TITLE, s.bFilterUseTitle != 0);
    SetItemText(IDC_FILTER_URLS, PrefixBoxText(s.arrFilterUrl));
    SetItemText(IDC_FILTER_TITLES, PrefixBoxText(s.arrFilterTitle));
    return TRUE;
}

// The two boxes act as a radio pair, and the mode changes at once, before OK.
void CFilterDlg::SetMode(bool close)
{
    m_settings.SetFilterClose(close);
    SetChecked(IDC_FILTER_CLOSE, close);
    SetChecked(IDC_FILTER_PARK, !close);
    EnableItem(IDC_FILTER_MAX, !close);
}

void CFilterDlg::OnChkClose()
{
    SetMode(true);
}

void CFilterDlg::OnChkPark()
{
    SetMode(false);
}

void CFilterDlg::OnChkPopup()
{
    m_settings.SetFilterCheckPopup(IsChecked(IDC_FILTER_POPUP));
}

void CFilterDlg::OnBtnUrlFromBrowser()
{
    std::u16string url;
    if (m_host.SelectedBrowserUrl(url))
        SetItemText(IDC_FILTER_URLS, ItemText(IDC_FILTER_URLS) + url + u"\r\n");
}

void CFilterDlg::OnBtnTitleFromBrowser()
{
    std::u16string title;
    if (m_host.SelectedBrowserTitle(title))
        SetItemText(IDC_FILTER_TITLES, ItemText(IDC_FILTER_TITLES) + title + u"\r\n");
}

void CFilterDlg::OnOK()
{
    FilterDialogValues values;
    values.filterCloseOld = m_bFilterCloseOld;
    values.sizeText = ToUtf8(ItemText(IDC_FILTER_MAX));
    values.useUrl = IsChecked(IDC_FILTER_USE_URL);
    values.useTitle = IsChecked(IDC_FILTER_USE_TITLE);
    values.urlText = ItemText(IDC_FILTER_URLS);
    values.titleText = ItemText(IDC_FILTER_TITLES);
    Win32ProfileStore store;
    if (m_settings.ApplyFilterDialog(store, values, SystemCodePage()))
        m_host.CloseAllParked();
    CDialog::OnOK();
}
