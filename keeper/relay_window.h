// The relay window, owned by the keeper's one thread: an invisible top-level window by which the
// hook in every process finds the program, and under which hidden browser windows live. The hook
// is installed from this thread; every child goes back to the desktop before the window goes.
// Nothing here waits on a browser that does not answer: a child is only asked, and given back
// once it has answered (the re-parenting itself still needs the child's thread, a moment later).
#pragma once

#include <windows.h>

#include <cstdint>

// Makes the relay window for MAIN, and posts it HN_STARTUP: it then binds the hook and tells
// MAIN (WM_RELAY_READY). It obeys only a WM_CLOSE whose wParam is CLOSE_COOKIE, and releases
// NAME_LOCK (a mutex this thread holds) once it no longer bears the live title. Null if it
// cannot be made.
HWND CreateRelayWindow(HWND main, uint32_t closeCookie, HANDLE nameLock);
// The relay window's last part, once its program asked it to close or is gone (OWNER_GONE: it
// could not silence the hook itself): the hook goes at once, each child goes back to the desktop
// as soon as it answers (a window asked to close at the program's exit has a moment to go
// first), and the window goes when it holds none.
void CloseRelayWindow(HWND relay, bool ownerGone);
