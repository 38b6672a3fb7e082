// Binding the hook library at run time, and the relay window: an invisible top-level window on
// a thread of its own, through which the hook in every process finds the program, and under
// which hidden browser windows live.
#pragma once

#include <windows.h>

#include "hooklib/hook_protocol.h"

typedef int(WINAPI* PFN_SET_TARGET_BROWSER)(int nMask, int nEnable);
typedef int(WINAPI* PFN_ADD_WATCH_WINDOW)(HWND hWnd, int nType, int nState);

extern HMODULE g_hHookLib;
extern PFN_SET_TARGET_BROWSER g_pfnSetTargetBrowser;  // null unless the library is bound
extern PFN_ADD_WATCH_WINDOW g_pfnAddWatchWindow;      // null unless the library is bound
extern HHOOK g_hCallWndHook;
extern HWND volatile g_hRelayWnd;
extern volatile LONG g_bRelayAlive;

// Loads PelorusLib and takes its two exports (TRUE), or frees it (FALSE). A library that
// cannot be loaded, or lacks either export, is not bound: 0, and both pointers stay null.
int BindHookLibrary(BOOL bBind);
int InstallCallWndHook(BOOL bInstall);

// Registers the relay class and starts the relay thread; the thread binds the hook.
void StartRelayWindow();
// The main thread's wait after StartRelayWindow: 200 ms, and 200 more if there is no relay yet.
void WaitForRelayWindow();
// The unbinding steps around the release of the browser windows: first the library stops
// reporting, last the relay window goes (removing the hook and freeing the library).
void DisableHookLibrary();
void CloseRelayWindow();

unsigned __stdcall RelayThreadProc(void*);
LRESULT CALLBACK RelayWndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
