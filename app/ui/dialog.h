// Our small dialog layer: a modal dialog from a template, one static procedure that binds the
// object and calls one virtual HandleMessage, whose switch dispatches to OnXxx handlers.
#pragma once

#include <windows.h>

class CDialog {
public:
    explicit CDialog(UINT templateId) : m_templateId(templateId) {}
    virtual ~CDialog() = default;
    CDialog(const CDialog&) = delete;
    CDialog& operator=(const CDialog&) = delete;

    // Runs the dialog over PARENT (none for the main window); returns the EndDialog result.
    INT_PTR DoModal(HWND parent = nullptr);
    HWND GetSafeHwnd() const { return m_hWnd; }

protected:
    // Returns TRUE for a message handled, as a dialog procedure does; the default ends the dialog
    // on IDOK and IDCANCEL (the close box, Escape and Enter) and handles nothing else.
    virtual INT_PTR HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    virtual BOOL OnInitDialog() { return TRUE; }
    virtual void OnOK() { EndDialog(m_hWnd, IDOK); }
    virtual void OnCancel() { EndDialog(m_hWnd, IDCANCEL); }

    HWND m_hWnd = nullptr;

private:
    static INT_PTR CALLBACK DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

    UINT m_templateId;
};
