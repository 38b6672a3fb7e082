// A modal property sheet of pages made from dialog templates, with OK and Cancel only. Each page
// is one object, bound and called as a dialog is. A page shows its values when it is first shown
// (OnInitDialog) and takes them back from its controls at OK (OnOK), only if it was shown: a page
// never shown keeps the values it was given.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <vector>

#include "ui/dialog_controls.h"

class CPropertyPage : public CDialogControls {
public:
    explicit CPropertyPage(UINT templateId) : m_templateId(templateId) {}
    CPropertyPage(const CPropertyPage&) = delete;
    CPropertyPage& operator=(const CPropertyPage&) = delete;

    PROPSHEETPAGEW Description();

protected:
    // The default shows the page (WM_INITDIALOG) and takes its values back at OK (PSN_APPLY).
    INT_PTR HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    virtual BOOL OnInitDialog() { return TRUE; }
    virtual void OnOK() {}

private:
    static INT_PTR CALLBACK PageProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

    UINT m_templateId;
};

class CPropertySheet {
public:
    CPropertySheet(const wchar_t* caption, HWND parent) : m_caption(caption), m_parent(parent) {}
    void AddPage(CPropertyPage& page) { m_pages.push_back(&page); }
    // Runs the sheet, first tab selected; IDOK when it was left with OK, else IDCANCEL.
    INT_PTR DoModal();

private:
    const wchar_t* m_caption;
    HWND m_parent;
    std::vector<CPropertyPage*> m_pages;
};
