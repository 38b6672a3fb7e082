// The icons the list of browser windows shows: a window's own, as the task bar shows it, and its
// kind's mark for a window without one.
#pragma once

#include <windows.h>

// The list's icons are this many pixels square.
constexpr int kIconSize = 16;

// The window's own icon, as the task bar shows it: the one it set, else its class's; for a kind
// that carries it on a descendant, that descendant's class icon. Null for none.
HICON OwnIcon(HWND window, int type);

// A kind's mark (its picture in the menus, 11 by 11) as a list icon, centred on a clear square,
// for the caller to destroy; null when it cannot be made.
HICON MarkIcon(int resource);
