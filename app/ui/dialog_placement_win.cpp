#include "ui/dialog_controls.h"

#include "ui/dialog_placement.h"

namespace {

ScreenRect WorkArea(HMONITOR monitor)
{
    MONITORINFO info = {};
    info.cbSize = sizeof info;
    if (!GetMonitorInfoW(monitor, &info))
        SystemParametersInfoW(SPI_GETWORKAREA, 0, &info.rcWork, 0);
    return {info.rcWork.left, info.rcWork.top, info.rcWork.right, info.rcWork.bottom};
}

}  // namespace

void PlaceOnScreen(HWND dialog, bool atMouse)
{
    HWND owner = GetWindow(dialog, GW_OWNER);
    RECT rc = {};
    if ((!owner && !atMouse) || !GetWindowRect(dialog, &rc))
        return;  // the main window places itself
    POINT mouse = {};
    GetCursorPos(&mouse);
    const bool ownerShown = !atMouse && IsWindowVisible(owner) && !IsIconic(owner);
    const ScreenRect placed =
        PlaceOpenedDialog({rc.left, rc.top, rc.right, rc.bottom}, ownerShown,
                          WorkArea(MonitorFromPoint(mouse, MONITOR_DEFAULTTONEAREST)),
                          WorkArea(MonitorFromRect(&rc, MONITOR_DEFAULTTONEAREST)));
    if (placed.left != rc.left || placed.top != rc.top)
        SetWindowPos(dialog, nullptr, placed.left, placed.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}
