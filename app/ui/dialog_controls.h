// What a dialog and a property page share: one procedure body that binds the object and calls
// its HandleMessage, and what they do with their own controls. Text is in the system's code
// page, as the settings file and other programs have it.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

class CDialogControls {
public:
    virtual ~CDialogControls() = default;
    HWND GetSafeHwnd() const { return m_hWnd; }

protected:
    // Returns TRUE for a message handled, as a dialog procedure does.
    virtual INT_PTR HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) = 0;
    // The body of a dialog procedure: binds BOUND_AT_INIT (given with WM_INITDIALOG) to HWND and
    // hands each message to the bound object.
    static INT_PTR Route(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, CDialogControls* boundAtInit);

    bool IsChecked(int id) const;
    void SetChecked(int id, bool checked);
    std::u16string ItemText(int id) const;
    void SetItemText(int id, const std::u16string& text);
    void SetItemNumber(int id, int value);
    void EnableItem(int id, bool enabled);
    // Up-down control UP_DOWN sets BUDDY's text to an integer from LOWER to UPPER.
    void SetUpDownBuddy(int upDown, int buddy, int lower, int upper);
    // A drop-down list's items, string resources ITEMS in order, and its selection (-1: none).
    void SetComboItems(int id, const UINT* items, int count);
    int ComboSelection(int id) const;
    void SetComboSelection(int id, int index);
    // A tip shown while the pointer rests on control ID, greyed or not: string resource TEXT,
    // wrapped. The tips' window is the dialog's, and goes with it.
    void AddItemTip(int id, UINT text);
    // The tips follow their controls, moved (for a new DPI, say).
    void PlaceItemTips();

    HWND m_hWnd = nullptr;

private:
    RECT ItemRect(int id) const;

    HWND m_tips = nullptr;
    std::vector<int> m_tipItems;
};

// A dialog or sheet with an owner, just made: on screen, as ui/dialog_placement.h says. AT_MOUSE:
// one with or without an owner, centred on the monitor with the mouse as if its owner were hidden.
void PlaceOnScreen(HWND dialog, bool atMouse = false);
