// The program's two windows that other threads and other programs need: the main window, where
// notifications go, and the relay window, the parent of every hidden browser window.
#pragma once

#include <windows.h>

#include <atomic>

// Set by the main window's set-up, before the relay thread starts; read by the relay window.
extern HWND g_hMainWnd;
// Written by the relay thread when its window is made and when it is gone; read by the main
// thread whenever it hides a window.
extern std::atomic<HWND> g_hRelayWnd;
