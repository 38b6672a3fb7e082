#include "ui/property_sheet.h"

#include "ui/resources.h"

PROPSHEETPAGEW CPropertyPage::Description()
{
    PROPSHEETPAGEW page = {};
    page.dwSize = sizeof page;
    page.dwFlags = PSP_DLGINDIRECT;  // no help button; the template in the program's language
    page.hInstance = GetModuleHandleW(nullptr);
    page.pResource = DialogTemplate(m_templateId);
    page.pfnDlgProc = PageProc;
    page.lParam = reinterpret_cast<LPARAM>(this);
    return page;
}

INT_PTR CPropertyPage::HandleMessage(UINT message, WPARAM, LPARAM lParam)
{
    switch (message) {
    case WM_INITDIALOG:
        return OnInitDialog();
    case WM_NOTIFY:
        if (reinterpret_cast<const NMHDR*>(lParam)->code == PSN_APPLY) {
            OnOK();
            SetWindowLongPtrW(m_hWnd, DWLP_MSGRESULT, PSNRET_NOERROR);
            return TRUE;
        }
        return FALSE;
    default:
        return FALSE;
    }
}

INT_PTR CALLBACK CPropertyPage::PageProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    CPropertyPage* const atInit =
        message == WM_INITDIALOG
            ? reinterpret_cast<CPropertyPage*>(reinterpret_cast<const PROPSHEETPAGEW*>(lParam)->lParam)
            : nullptr;
    return Route(hwnd, message, wParam, lParam, atInit);
}

namespace {

// Called once the sheet has its size, before it is shown.
int CALLBACK SheetCallback(HWND sheet, UINT message, LPARAM)
{
    if (message == PSCB_INITIALIZED)
        PlaceOnScreen(sheet);
    return 0;
}

}  // namespace

INT_PTR CPropertySheet::DoModal()
{
    std::vector<PROPSHEETPAGEW> pages;
    for (CPropertyPage* page : m_pages)
        pages.push_back(page->Description());
    PROPSHEETHEADERW header = {};
    header.dwSize = sizeof header;
    header.dwFlags = PSH_PROPSHEETPAGE | PSH_NOAPPLYNOW | PSH_USECALLBACK;  // OK and Cancel only, no help
    header.hwndParent = m_parent;
    header.hInstance = GetModuleHandleW(nullptr);
    header.pszCaption = m_caption;
    header.nPages = static_cast<UINT>(pages.size());
    header.nStartPage = 0;
    header.ppsp = pages.data();
    header.pfnCallback = SheetCallback;
    return PropertySheetW(&header) > 0 ? IDOK : IDCANCEL;
}
