// Our small dialog layer: a modal dialog from a template, one static procedure that binds the
// object and calls one virtual HandleMessage, whose switch dispatches to OnXxx handlers.
#pragma once

#include <windows.h>

#include "ui/dialog_controls.h"

// Posted to a dialog once the system has scaled it for a monitor of another DPI.
constexpr UINT WM_DPI_FOLLOWED = WM_APP + 7;

class CDialog : public CDialogControls {
public:
    explicit CDialog(UINT templateId) : m_templateId(templateId) {}
    CDialog(const CDialog&) = delete;
    CDialog& operator=(const CDialog&) = delete;

    // Runs the dialog over PARENT (none for the main window); returns the EndDialog result.
    INT_PTR DoModal(HWND parent = nullptr);

protected:
    // Returns TRUE for a message handled, as a dialog procedure does; the default ends the dialog
    // on IDOK and IDCANCEL (the close box, Escape and Enter) and handles nothing else.
    INT_PTR HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    virtual BOOL OnInitDialog() { return TRUE; }
    virtual void OnOK() { EndDialog(m_hWnd, IDOK); }
    virtual void OnCancel() { EndDialog(m_hWnd, IDCANCEL); }
    // The dialog moved to a monitor of another DPI and the system has scaled it and its controls:
    // what the dialog measured in pixels itself is measured again.
    virtual void OnDpiFollowed() {}

    // Helpers for what main windows do alike.
    // Maximize and Size greyed in the system menu, and an About item (ID, text from string
    // resource TEXT_ID) after a separator.
    void SetUpSystemMenu(UINT aboutId, UINT aboutTextId);
    // Moves the dialog's normal rectangle to (X, Y), its size unchanged.
    void MoveTo(int x, int y);
    // The dialog's normal (restored) top-left corner.
    POINT NormalTopLeft() const;
    // WM_PAINT while minimised: ICON centred on the erased background. False otherwise.
    bool PaintIconWhileMinimized(HICON icon);

private:
    static INT_PTR CALLBACK DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

    UINT m_templateId;
};
