#include "ui/dialog_controls.h"

#include "win/wide_text_win.h"

#include <commctrl.h>

#include <vector>

#include "ui/resources.h"

INT_PTR CDialogControls::Route(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam,
                               CDialogControls* boundAtInit)
{
    CDialogControls* self = boundAtInit;
    if (message == WM_INITDIALOG) {
        self->m_hWnd = hwnd;
        SetWindowLongPtrW(hwnd, DWLP_USER, reinterpret_cast<LONG_PTR>(self));
    } else {
        self = reinterpret_cast<CDialogControls*>(GetWindowLongPtrW(hwnd, DWLP_USER));
    }
    if (!self)
        return FALSE;
    // No exception may cross into the system's code.
    try {
        const INT_PTR result = self->HandleMessage(message, wParam, lParam);
        if (message == WM_NCDESTROY)
            self->m_hWnd = nullptr;
        return result;
    } catch (...) {
        return FALSE;
    }
}

bool CDialogControls::IsChecked(int id) const
{
    return IsDlgButtonChecked(m_hWnd, id) == BST_CHECKED;
}

void CDialogControls::SetChecked(int id, bool checked)
{
    CheckDlgButton(m_hWnd, id, checked ? BST_CHECKED : BST_UNCHECKED);
}

std::u16string CDialogControls::ItemText(int id) const
{
    HWND item = GetDlgItem(m_hWnd, id);
    std::vector<wchar_t> text(static_cast<size_t>(GetWindowTextLengthW(item)) + 1, L'\0');
    const int n = GetWindowTextW(item, text.data(), static_cast<int>(text.size()));
    return FromWide(text.data(), n > 0 ? static_cast<size_t>(n) : 0);
}

void CDialogControls::SetItemText(int id, const std::u16string& text)
{
    SetDlgItemTextW(m_hWnd, id, Wide(text));
}

void CDialogControls::SetItemNumber(int id, int value)
{
    SetDlgItemInt(m_hWnd, id, static_cast<UINT>(value), TRUE);
}

void CDialogControls::EnableItem(int id, bool enabled)
{
    EnableWindow(GetDlgItem(m_hWnd, id), enabled);
}

void CDialogControls::SetUpDownBuddy(int upDown, int buddy, int lower, int upper)
{
    HWND control = GetDlgItem(m_hWnd, upDown);
    SendMessageW(control, UDM_SETBUDDY, reinterpret_cast<WPARAM>(GetDlgItem(m_hWnd, buddy)), 0);
    SendMessageW(control, UDM_SETRANGE32, lower, upper);
}

void CDialogControls::SetComboItems(int id, const UINT* items, int count)
{
    for (int i = 0; i < count; ++i)
        SendDlgItemMessageW(m_hWnd, id, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(ResourceText(items[i])));
}

int CDialogControls::ComboSelection(int id) const
{
    return static_cast<int>(SendDlgItemMessageW(m_hWnd, id, CB_GETCURSEL, 0, 0));  // CB_ERR is -1
}

void CDialogControls::SetComboSelection(int id, int index)
{
    SendDlgItemMessageW(m_hWnd, id, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

void CDialogControls::AddItemTip(int id, UINT text)
{
    if (!m_tips || !IsWindow(m_tips)) {
        m_tips = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
                                 CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, m_hWnd, nullptr,
                                 GetModuleHandleW(nullptr), nullptr);
        // About forty characters a line, at the dialog's scale.
        RECT line = {0, 0, 160, 0};
        MapDialogRect(m_hWnd, &line);
        SendMessageW(m_tips, TTM_SETMAXTIPWIDTH, 0, line.right);
    }
    // The control's own tool, and one of the dialog's by the control's place: a greyed control
    // takes no mouse (its dialog does), and its tip may say why it is greyed.
    TTTOOLINFOW tool = {};
    tool.cbSize = sizeof tool;
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = m_hWnd;
    tool.uId = reinterpret_cast<UINT_PTR>(GetDlgItem(m_hWnd, id));
    tool.lpszText = const_cast<wchar_t*>(ResourceText(text));
    SendMessageW(m_tips, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    tool.uFlags = TTF_SUBCLASS;
    tool.uId = static_cast<UINT_PTR>(id);
    tool.rect = ItemRect(id);
    if (SendMessageW(m_tips, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool)))
        m_tipItems.push_back(id);
}

void CDialogControls::PlaceItemTips()
{
    for (int id : m_tipItems) {
        TTTOOLINFOW tool = {};
        tool.cbSize = sizeof tool;
        tool.hwnd = m_hWnd;
        tool.uId = static_cast<UINT_PTR>(id);
        tool.rect = ItemRect(id);
        SendMessageW(m_tips, TTM_NEWTOOLRECTW, 0, reinterpret_cast<LPARAM>(&tool));
    }
}

RECT CDialogControls::ItemRect(int id) const
{
    RECT rc = {};
    GetWindowRect(GetDlgItem(m_hWnd, id), &rc);
    MapWindowPoints(nullptr, m_hWnd, reinterpret_cast<POINT*>(&rc), 2);
    return rc;
}
