// Pelorus.exe's side of its keeper (PelorusKeeper.exe, beside it), the process that owns the
// relay window so that hidden browser windows outlive Pelorus.exe however it ends: starting it,
// taking its relay window when it reports, noticing when it is gone, and letting it go.
#pragma once

#include <windows.h>

#include "keeper/keeper_protocol.h"

// Posted to the main window when the keeper whose relay window was taken has ended;
// wParam: its process id.
constexpr UINT WM_KEEPER_GONE = WM_APP + 3;

// Starts a keeper for g_hMainWnd, which reports with WM_RELAY_READY. False if it cannot start.
bool StartKeeper();
// WM_RELAY_READY: the relay window in LPARAM becomes g_hRelayWnd if it is the one the hook finds,
// made for this main window by another process that knows the cookie (WPARAM), while no keeper
// taken before still runs; its keeper's end is watched from then on. False for anything else, a
// message from elsewhere included.
bool TakeRelayWindow(WPARAM wParam, LPARAM lParam);
// The keeper's relay window carries a hook handle: the hook is installed.
bool IsHookBound();
// WM_KEEPER_GONE: true if it was the keeper of g_hRelayWnd, which is then 0. Its children died
// with it.
bool ForgetEndedKeeper(WPARAM wParam);
// At the program's exit, once every window is released or asked to close: the keeper removes the
// hook, gives back whatever is still under the relay window, and ends on its own.
void LetKeeperGo();
