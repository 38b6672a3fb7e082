// The system's window events for the watcher: out-of-context WinEvent hooks on the main thread,
// whose callback only posts WM_WINDOW_EVENT to the main window, as the hook library posts its
// notifications. Nothing is injected into any process, and processes of both architectures are
// heard.
#pragma once

#include <windows.h>

#include "capture/window_watcher.h"

// wParam: the event (EVENT_OBJECT_...), lParam: the window.
constexpr UINT WM_WINDOW_EVENT = WM_APP + 6;

// The hooks, set on this thread, which pumps; false if none could be set (the watcher's looks go
// on regardless).
bool StartWindowEvents();
void StopWindowEvents();
// The event a WM_WINDOW_EVENT carries; false for one the watcher does not take.
bool WindowEventOf(WPARAM wParam, WindowEvent& event);
