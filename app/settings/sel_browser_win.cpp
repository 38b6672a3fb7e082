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
    const BrowserBoxes boxes = BoxesFromMask(m_nTargetBrowser);
    SetChecked(IDC_BROWSER_IE, boxes.ie);
    SetChecked(IDC_BROWSER_NETSCAPE4, boxes.netscape4);
    SetChecked(IDC_BROWSER_NETSCAPE6, boxes.netscape6);
    SetChecked(IDC_BROWSER_OPERA, boxes.opera);
    SetChecked(IDC_BROWSER_MOZILLA, boxes.mozilla);
    return TRUE;
}

// A warning only: the sheet still closes, and no browser is watched any more.
void SelBrowser::OnOK()
{
    BrowserBoxes boxes;
    boxes.ie = IsChecked(IDC_BROWSER_IE);
    boxes.netscape4 = IsChecked(IDC_BROWSER_NETSCAPE4);
    boxes.netscape6 = IsChecked(IDC_BROWSER_NETSCAPE6);
    boxes.opera = IsChecked(IDC_BROWSER_OPERA);
    boxes.mozilla = IsChecked(IDC_BROWSER_MOZILLA);
    m_nTargetBrowser = MaskFromBoxes(boxes);
    if (m_nTargetBrowser == 0)
        ShowProgramMessage(kNoBrowser);
}
