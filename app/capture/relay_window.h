// The relay window: an invisible top-level window on a thread of its own, through which the hook
// in every process finds the program, and under which hidden browser windows live. It goes only
// once it holds no window: a child dies with its parent.
#pragma once

#include <windows.h>

#include <atomic>

#include "capture/sweep_list.h"

// 1 from the relay thread's start until the relay window is destroyed; it dispatches only then.
extern std::atomic<LONG> g_bRelayAlive;

// Posted to the main window when the relay thread has bound the hook, or given up.
constexpr UINT WM_RELAY_READY = WM_APP + 2;

// Registers the relay class and starts the relay thread with a copy of SWEPT, which it enters in
// the hook's watch table when it binds.
void StartRelayWindow(const SweepList& swept);
// Set by the relay thread before it posts WM_RELAY_READY: a message from elsewhere finds them
// unset. Bound: the hook is installed.
bool IsRelayReady();
bool IsHookBound();
// Asks the relay window to close: the hook is removed and the library freed at once. A window
// still under it (one asked to close, or one that does not answer) goes back to the desktop if it
// is still there a moment later, as soon as it answers; until then the relay window stays, under
// a title the hook does not look for, and the relay thread with it.
void CloseRelayWindow();
// At the program's very end: until the relay thread has given back its last window.
void WaitForRelayThread();
// Every window under the relay window that answers, back on the desktop: for ways out that
// skip the main window's own release (a crash, the end of the session).
void ReleaseHiddenWindows();

unsigned __stdcall RelayThreadProc(void*);
LRESULT CALLBACK RelayWndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
