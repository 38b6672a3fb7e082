// Where a dialog goes as it opens. One opened over a minimised or hidden owner (from the tray
// icon's menu) would be placed by a window that is not on screen: it is centred on the work
// area of the monitor with the mouse, where the user just clicked. Any other keeps the place the
// system gave it, moved only as far as it takes to lie within its own monitor's work area.
#pragma once

struct ScreenRect {
    long left = 0, top = 0, right = 0, bottom = 0;
    long Width() const { return right - left; }
    long Height() const { return bottom - top; }
};

// DIALOG: where the system put it; MOUSE_WORK: the work area of the monitor with the mouse;
// OWN_WORK: that of the monitor nearest DIALOG. One larger than the work area shows its top left.
ScreenRect PlaceOpenedDialog(const ScreenRect& dialog, bool ownerShown, const ScreenRect& mouseWork,
                             const ScreenRect& ownWork);
