// Showing one captured browser window at a time: hiding a window under the relay window,
// releasing it to the desktop, placing it in the fixed rectangle.
#pragma once

#include <windows.h>

// The show command a placed window gets: SW_SHOWNORMAL, or SW_SHOWMAXIMIZED once the fixed
// rectangle was taken from a maximised window. Every run starts normal.
extern int g_nShowCmd;

void HideBrowserWindow(HWND window);
void ReleaseBrowserWindow(HWND window);
// Shows WINDOW, in the fixed rectangle when SIZE_POS is on and a rectangle is recorded.
void PlaceBrowserWindow(HWND window, int showCmd, bool sizePos);
// Takes the fixed rectangle from WINDOW's placement; false when none was taken.
bool TakeFixedRectangleFrom(HWND window, int current, bool sizePos);
