// The tray menus' marks: the check mark and one per browser type (each its kind's mark),
// made when the main window is set up and freed when it goes.
#pragma once

#include <windows.h>

#include "hooklib/browser_kinds.h"

extern HBITMAP g_hbmMenuCheck;
extern HBITMAP g_ahbmBrowserType[kBrowserTypeCount];

// Loads the pictures and stretches each to the system's check-mark size (ScaleMenuBitmap).
void LoadMenuBitmaps(HWND window);
// A copy of SOURCE's 11 by 11 pixels stretched to the check-mark size; the caller owns it.
HBITMAP ScaleMenuBitmap(HWND window, HBITMAP source);
void FreeMenuBitmaps();
// ICON drawn at the check-mark size on the menu's own background, to mark a window's item; the
// caller owns it; null when it cannot be made.
HBITMAP IconMenuBitmap(HWND window, HICON icon);
