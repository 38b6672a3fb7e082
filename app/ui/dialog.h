// Our small dialog layer: a modal dialog from a template, one static procedure that binds the
// object and calls one virtual HandleMessage, whose switch dispatches to OnXxx handlers.
#pragma once

#include <windows.h>

#include <string>

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

    // Controls. Text is in the system's code page, as the settings file and other programs have it.
    bool IsChecked(int id) const;
    void SetChecked(int id, bool checked);
    std::string ItemText(int id) const;
    void SetItemText(int id, const std::string& text);
    void EnableItem(int id, bool enabled);
    // Up-down control UP_DOWN sets BUDDY's text to an integer from LOWER to UPPER.
    void SetUpDownBuddy(int upDown, int buddy, int lower, int upper);

    HWND m_hWnd = nullptr;

private:
    static INT_PTR CALLBACK DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

    UINT m_templateId;
};
