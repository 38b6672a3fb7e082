#include "win/program_windows.h"

HWND g_hMainWnd;
std::atomic<HWND> g_hRelayWnd;
