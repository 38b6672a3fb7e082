#include "settings/sel_browser.h"

#include "res/resource.h"
#include "settings/sheet_values.h"
#include "ui/message_box.h"
#include "ui/resources.h"

SelBrowser::SelBrowser() : CPropertyPage(IDD_SEL_BROWSER) {}

BOOL SelBrowser::OnInitDialog()
{
    for (const BrowserBox& box : BrowserBoxes()) {
        SetDlgItemTextW(m_hWnd, box.id, ResourceText(box.name));
        SetChecked(box.id, IsBoxChecked(box.id, m_nTargetBrowser));
    }
    return TRUE;
}

// A warning only: the sheet still closes, and no browser is watched any more.
void SelBrowser::OnOK()
{
    m_nTargetBrowser = MaskFromBoxes([this](int box) { return IsChecked(box); });
    if (m_nTargetBrowser == 0)
        ShowProgramMessage(ResourceText(IDS_NO_BROWSER));
}
