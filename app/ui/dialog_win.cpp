#include "ui/dialog.h"

#include "ui/resources.h"

INT_PTR CDialog::DoModal(HWND parent)
{
    return DialogBoxIndirectParamW(GetModuleHandleW(nullptr), DialogTemplate(m_templateId), parent, DialogProc,
                                   reinterpret_cast<LPARAM>(this));
}

INT_PTR CDialog::HandleMessage(UINT message, WPARAM wParam, LPARAM)
{
    switch (message) {
    case WM_INITDIALOG:
        return OnInitDialog();
    case WM_DPICHANGED:
        // Left to the dialog manager, which scales a per-monitor dialog to the new DPI: the
        // follow-up comes once it has.
        PostMessageW(m_hWnd, WM_DPI_FOLLOWED, 0, 0);
        return FALSE;
    case WM_DPI_FOLLOWED:
        PlaceItemTips();
        OnDpiFollowed();
        return TRUE;
    case WM_COMMAND:
        if (LOWORD(wParam) == IDOK) {
            OnOK();
            return TRUE;
        }
        if (LOWORD(wParam) == IDCANCEL) {
            OnCancel();
            return TRUE;
        }
        return FALSE;
    default:
        return FALSE;
    }
}

INT_PTR CALLBACK CDialog::DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    const INT_PTR result =
        Route(hwnd, message, wParam, lParam, message == WM_INITDIALOG ? reinterpret_cast<CDialog*>(lParam) : nullptr);
    if (message == WM_INITDIALOG)
        PlaceOnScreen(hwnd);  // once it has placed itself
    return result;
}

void CDialog::SetUpSystemMenu(UINT aboutId, UINT aboutTextId)
{
    HMENU menu = GetSystemMenu(m_hWnd, FALSE);
    if (!menu)
        return;
    EnableMenuItem(menu, SC_MAXIMIZE, MF_BYCOMMAND | MF_GRAYED);
    EnableMenuItem(menu, SC_SIZE, MF_BYCOMMAND | MF_GRAYED);
    const wchar_t* text = ResourceText(aboutTextId);
    if (*text) {
        AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
        AppendMenuW(menu, MF_STRING, aboutId, text);
    }
}

void CDialog::MoveTo(int x, int y)
{
    WINDOWPLACEMENT placement = {};
    placement.length = sizeof placement;
    if (GetWindowPlacement(m_hWnd, &placement)) {
        RECT& rc = placement.rcNormalPosition;
        rc = {x, y, x + rc.right - rc.left, y + rc.bottom - rc.top};
        SetWindowPlacement(m_hWnd, &placement);
    }
}

POINT CDialog::NormalTopLeft() const
{
    WINDOWPLACEMENT placement = {};
    placement.length = sizeof placement;
    GetWindowPlacement(m_hWnd, &placement);
    return {placement.rcNormalPosition.left, placement.rcNormalPosition.top};
}

bool CDialog::PaintIconWhileMinimized(HICON icon)
{
    if (!IsIconic(m_hWnd))
        return false;
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(m_hWnd, &paint);
    SendMessageW(m_hWnd, WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
    RECT rc;
    GetClientRect(m_hWnd, &rc);
    DrawIcon(dc, (rc.right - GetSystemMetrics(SM_CXICON) + 1) / 2, (rc.bottom - GetSystemMetrics(SM_CYICON) + 1) / 2,
             icon);
    EndPaint(m_hWnd, &paint);
    return true;
}
