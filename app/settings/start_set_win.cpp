#include "settings/start_set.h"

#include "res/resource.h"
#include "settings/sheet_values.h"
#include "ui/ui_language.h"

namespace {
// In LanguageChoice order.
const UINT kLanguages[] = {IDS_LANGUAGE_AUTOMATIC, IDS_LANGUAGE_ENGLISH, IDS_LANGUAGE_JAPANESE};
}  // namespace

CStartSet::CStartSet() : CPropertyPage(IDD_START_SET) {}

// The greyed box is the state in force; the other is the way to change it.
BOOL CStartSet::OnInitDialog()
{
    SetChecked(IDC_START_ICONIC, m_bIconic != 0);
    SetChecked(IDC_START_EXIT_BROWSER, m_bExitBrowser != 0);
    const int inForce = m_bStartupLink ? IDC_START_ADD_LINK : IDC_START_REMOVE_LINK;
    const int other = m_bStartupLink ? IDC_START_REMOVE_LINK : IDC_START_ADD_LINK;
    SetChecked(inForce, true);
    EnableItem(inForce, false);
    SetChecked(other, false);
    SetComboItems(IDC_START_LANGUAGE, kLanguages, 3);
    SetComboSelection(IDC_START_LANGUAGE, m_nLanguage);
    return TRUE;
}

void CStartSet::OnOK()
{
    m_bStartupLink =
        StartupLinkFromBoxes(m_bStartupLink, IsChecked(IDC_START_ADD_LINK), IsChecked(IDC_START_REMOVE_LINK));
    m_bIconic = IsChecked(IDC_START_ICONIC);
    m_bExitBrowser = IsChecked(IDC_START_EXIT_BROWSER);
    m_nLanguage = static_cast<int>(LanguageChoiceFromIndex(ComboSelection(IDC_START_LANGUAGE)));
}
