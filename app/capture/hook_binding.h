// Binding the hook library at run time: loading PelorusLib, taking its two exports, enabling it,
// and entering windows in its watch table. The keeper installs its hook procedure; the library's
// shared block is common to every process that maps it.
#pragma once

#include <windows.h>

#include "capture/sweep_list.h"
#include "hooklib/hook_protocol.h"

typedef int(WINAPI* PFN_SET_TARGET_BROWSER)(int nMask, int nEnable);
typedef int(WINAPI* PFN_ADD_WATCH_WINDOW)(HWND hWnd, int nType, int nState);

// The main thread's alone.
extern HMODULE g_hHookLib;
extern PFN_SET_TARGET_BROWSER g_pfnSetTargetBrowser;  // null unless the library is bound
extern PFN_ADD_WATCH_WINDOW g_pfnAddWatchWindow;      // null unless the library is bound

// Loads PelorusLib and takes its two exports (TRUE), or frees it (FALSE). A library that
// cannot be loaded, or lacks either export, is not bound: 0, and both pointers stay null.
int BindHookLibrary(BOOL bBind);
// The library bound and enabled from an empty table, with SWEPT (of the types in MASK) in it as
// announced; false if it cannot be bound. Done before the keeper installs the hook.
bool EnableHookLibrary(const SweepList& swept, int mask);

// Enters the windows of the types in MASK in the watch table as announced: their title changes
// and their end are reported, and they are never announced again.
void WatchWindows(const SweepList& windows, int mask);
// Whether the hook already watches WINDOW, read from the library's shared block (mapped into
// this process too, since the program loaded the library).
bool IsWatchedByHook(HWND window);
// The library stops reporting (the first step of unbinding at exit).
void DisableHookLibrary();
// A new target mask for the enabled library; nothing without the library.
void SetHookLibraryMask(int mask);

// Posts HN_NEWWINDOW to the main window for each window of a type in MASK, as the hook announces a
// new one: windows found open are captured like new ones.
void AnnounceWindows(const SweepList& windows, int mask);
// The windows of NOW that neither SWEPT nor the hook holds, opened while the hook went in: those
// of the types in MASK are watched and announced.
void CatchUpMissedWindows(const SweepList& swept, const SweepList& now, int mask);
