// The tray menus' bitmaps: the check mark and one mark per browser type (both Opera types share
// one), loaded when the main window is set up and freed when it goes.
#pragma once

#include <windows.h>

#include "hooklib/hook_protocol.h"

extern HBITMAP g_hbmMenuCheck;
extern HBITMAP g_ahbmBrowserType[kBrowserTypeCount];

void LoadMenuBitmaps();
void FreeMenuBitmaps();
