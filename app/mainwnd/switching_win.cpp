#include "mainwnd/switching.h"

#include "capture/close_list.h"
#include "capture/hook_binding.h"
#include "mainwnd/list_rules.h"
#include "settings/settings_model.h"

int g_nShowCmd = kShowNormal;

namespace {

NormalRect FromRect(const RECT& rc)
{
    return {rc.left, rc.top, rc.right, rc.bottom};
}

// SetWindowPlacement on another process's window is refused by some platforms (Wine 8 among
// them); moving and showing the window gives the same result there.
void MoveAndShow(HWND window, const NormalRect& normal, int showCmd)
{
    ShowWindow(window, SW_SHOWNORMAL);
    SetWindowPos(window, nullptr, normal.left, normal.top, normal.right - normal.left, normal.bottom - normal.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    if (showCmd != SW_SHOWNORMAL)
        ShowWindow(window, showCmd);
}

}  // namespace

void HideBrowserWindow(HWND window)
{
    SetParent(window, g_hRelayWnd);
}

void ReleaseBrowserWindow(HWND window)
{
    SetParent(window, nullptr);
}

void PlaceBrowserWindow(HWND window, int showCmd, bool sizePos)
{
    const FixedRect fixed{g_nWinLeft, g_nWinTop, g_nWinWidth, g_nWinHeight};
    WINDOWPLACEMENT placement = {};
    placement.length = sizeof placement;
    if (!sizePos || fixed.width < 0 || fixed.height < 0) {
        ShowWindow(window, g_nShowCmd);
        return;
    }
    if (!GetWindowPlacement(window, &placement))
        return;
    NormalRect normal = FromRect(placement.rcNormalPosition);
    PlanPlacement(sizePos, fixed, IsPopup(reinterpret_cast<WindowHandle>(window)), normal);
    placement.rcNormalPosition = {normal.left, normal.top, normal.right, normal.bottom};
    placement.showCmd = static_cast<UINT>(showCmd);
    if (!SetWindowPlacement(window, &placement))
        MoveAndShow(window, normal, showCmd);
}

bool TakeFixedRectangleFrom(HWND window, int current, bool sizePos)
{
    if (!sizePos || current < 0)
        return false;
    WINDOWPLACEMENT placement = {};
    placement.length = sizeof placement;
    if (!GetWindowPlacement(window, &placement))
        return false;
    FixedRect fixed;
    if (!TakeFixedRectangle(sizePos, current, FromRect(placement.rcNormalPosition), static_cast<int>(placement.showCmd),
                            fixed, g_nShowCmd))
        return false;
    g_nWinLeft = fixed.left;
    g_nWinTop = fixed.top;
    g_nWinWidth = fixed.width;
    g_nWinHeight = fixed.height;
    return true;
}
