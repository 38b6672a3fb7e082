// The main window, for now a small one: it binds the hook at start-up and unbinds it in order
// at exit. The main dialog replaces it.
#pragma once

#include <windows.h>

#define PELORUS_MAIN_CLASS L"PelorusMainWindow"

HWND CreateMainWindow(HINSTANCE hInstance, int nShowCmd);
