#include "settings/setting_page.h"

#include "res/resource.h"
#include "settings/filter_dialog.h"

namespace {

// "新規ウィンドウを表示", "現在のウィンドウを表示": show the new window, show the current one.
const wchar_t* const kNewWindowModes[] = {L"\u65B0\u898F\u30A6\u30A3\u30F3\u30C9\u30A6\u3092\u8868\u793A",
                                          L"\u73FE\u5728\u306E\u30A6\u30A3\u30F3\u30C9\u30A6\u3092\u8868\u793A"};
// "リストの最後へ", "リストの先頭へ", "表示中の次へ", "表示中の前へ": where a new entry goes.
const wchar_t* const kListModes[] = {L"\u30EA\u30B9\u30C8\u306E\u6700\u5F8C\u3078",
                                     L"\u30EA\u30B9\u30C8\u306E\u5148\u982D\u3078",
                                     L"\u8868\u793A\u4E2D\u306E\u6B21\u3078", L"\u8868\u793A\u4E2D\u306E\u524D\u3078"};

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
