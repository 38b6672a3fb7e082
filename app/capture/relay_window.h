// The relay window: an invisible top-level window on a thread of its own, through which the hook
// in every process finds the program, and under which hidden browser windows live. It goes only
// once it holds no window: a child dies with its parent.
#pragma once

#include <windows.h>

#include <atomic>

#include "capture/sweep_list.h"

// 1 from the relay thread's start until the relay window is destroyed; it dispatches only then.
extern std::atomic<LONG> g_bRelayAlive;

// Registers the relay class and starts the relay thread with a copy of SWEPT, which it enters in
// the hook's watch table when it binds.
void StartRelayWindow(const SweepList& swept);
// Waits, at most 400 ms, until the relay thread has bound the hook or given up; true when the
// relay window exists.
bool WaitForRelayWindow();
// Asks the relay window to close: the hook is removed and the library freed at once. Every window
// still under it goes back to the desktop as soon as it answers; until then the relay window
// stays, under a title the hook does not look for, and the relay thread with it.
void CloseRelayWindow();
// At the program's very end: until the relay thread has given back its last window.
void WaitForRelayThread();
// Every window under the relay window that answers, back on the desktop: for ways out that
// skip the main window's own release (a crash, the end of the session).
void ReleaseHiddenWindows();

unsigned __stdcall RelayThreadProc(void*);
LRESULT CALLBACK RelayWndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
