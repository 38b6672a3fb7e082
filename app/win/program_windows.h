// The program's two windows that other threads and other programs need: the main window, where
// notifications go, and the relay window, the parent of every hidden browser window.
#pragma once

#include <windows.h>

#include <atomic>

// Set by the main window's set-up, before the keeper starts.
extern HWND g_hMainWnd;
// The relay window, in the keeper's process: 0 until the keeper has reported, and again once
// the keeper is gone.
extern std::atomic<HWND> g_hRelayWnd;
