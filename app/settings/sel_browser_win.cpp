#include "settings/sel_browser.h"

#include "res/resource.h"
#include "settings/sheet_values.h"
#include "ui/message_box.h"

namespace {
// "ブラウザが選択されていません": no browser is selected.
const wchar_t kNoBrowser[] = L"\u30D6\u30E9\u30A6\u30B6\u304C\u9078\u629E\u3055\u308C\u3066\u3044\u307E\u305B\u3093";
}  // namespace

SelBrowser::SelBrowser() : CPropertyPage(IDD_SEL_BROWSER) {}

BOOL SelBrowser::OnInitDialog()
{
    for (const BrowserBox& box : BrowserBoxes()) {
        wchar_t name[64] = L"";
        LoadStringW(GetModuleHandleW(nullptr), box.name, name, 64);
        SetDlgItemTextW(m_hWnd, box.id, name);
        SetChecked(box.id, IsBoxChecked(box.id, m_nTargetBrowser));
    }
    return TRUE;
}

// A warning only: the sheet still closes, and no browser is watched any more.
void SelBrowser::OnOK()
{
    m_nTargetBrowser = MaskFromBoxes([this](int box) { return IsChecked(box); });
    if (m_nTargetBrowser == 0)
        ShowProgramMessage(kNoBrowser);
}
