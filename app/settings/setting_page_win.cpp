#include "settings/setting_page.h"

#include "res/resource.h"
#include "settings/filter_dialog.h"

namespace {

const UINT kNewWindowModes[] = {IDS_NEW_WINDOW_SHOW_NEW, IDS_NEW_WINDOW_KEEP_CURRENT};
const UINT kListModes[] = {IDS_LIST_MODE_LAST, IDS_LIST_MODE_FIRST, IDS_LIST_MODE_AFTER_SHOWN,
                           IDS_LIST_MODE_BEFORE_SHOWN};

}  // namespace

CSettingPage::CSettingPage(CSettingsModel& settings, FilterDialogHost& filterHost)
    : CPropertyPage(IDD_SETTING_PAGE), m_settings(settings), m_filterHost(filterHost)
{
}

INT_PTR CSettingPage::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_COMMAND:
        if (LOWORD(wParam) == IDC_PAGE_FILTER_SETTINGS && HIWORD(wParam) == BN_CLICKED)
            OnBtnFilterSettings();
        return FALSE;
    default:
        return CPropertyPage::HandleMessage(message, wParam, lParam);
    }
}

BOOL CSettingPage::OnInitDialog()
{
    SetComboItems(IDC_PAGE_NEW_WINDOW_MODE, kNewWindowModes, 2);
    SetComboItems(IDC_PAGE_LIST_MODE, kListModes, 4);
    SetComboSelection(IDC_PAGE_LIST_MODE, m_nListMode);  // a value with no item leaves it empty
    SetComboSelection(IDC_PAGE_NEW_WINDOW_MODE, m_nNewWindowMode);
    SetChecked(IDC_PAGE_SIZE_POS, m_bSizePos != 0);
    SetChecked(IDC_PAGE_FILTER, m_bFilter != 0);
    return TRUE;
}

void CSettingPage::OnOK()
{
    m_nListMode = ComboSelection(IDC_PAGE_LIST_MODE);
    m_nNewWindowMode = ComboSelection(IDC_PAGE_NEW_WINDOW_MODE);
    m_bSizePos = IsChecked(IDC_PAGE_SIZE_POS);
    m_bFilter = IsChecked(IDC_PAGE_FILTER);
}

// Saves its own settings on OK, whatever the sheet is left with; modal over the sheet.
void CSettingPage::OnBtnFilterSettings()
{
    CFilterDlg dialog(m_settings, m_filterHost);
    dialog.DoModal(GetAncestor(m_hWnd, GA_ROOT));
}
