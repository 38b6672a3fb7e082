// The sweep list: browser windows that were open before the hook was bound, with their types.
// The main thread fills it before it starts the relay thread; the relay thread reads it, enters
// the windows in the hook's watch table and frees it.
#pragma once

#include <windows.h>

constexpr int kMaxSweptWindows = 32;

extern HWND* g_ahwndFound;
extern int* g_anFoundType;
extern int g_nFoundCount;

// Frees both blocks and empties the list.
void FreeSweepList();
