// The main window, for now a small one: it binds the hook at start-up and unbinds it in order
// at exit. The main dialog replaces it.
#pragma once

#include <windows.h>

#define PELORUS_MAIN_CLASS L"PelorusMainWindow"

// The main window; the hook's notifications go here. Set when it is created, before the relay
// thread starts.
extern HWND g_hMainWnd;

HWND CreateMainWindow(HINSTANCE hInstance, int nShowCmd);
