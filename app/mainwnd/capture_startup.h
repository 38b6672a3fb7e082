// The start of capture, for the main window: the windows already open are swept, handed to the
// relay thread, and announced once the relay window is ready (or after 400 ms anyway, so that
// they are listed even without one); windows that opened while the hook went in are caught up
// once it is bound, and once more a second later. The main thread never waits for the relay.
#pragma once

#include <windows.h>

#include "capture/sweep_list.h"
#include "mainwnd/list_controller.h"

class CCaptureStartup {
public:
    explicit CCaptureStartup(CListController& list) : m_list(list) {}

    // The first HN_STARTUP; OWNER's timers pace what follows.
    void Begin(HWND owner);
    // WM_RELAY_READY; one from elsewhere than the relay thread is ignored.
    void OnRelayReady();
    // True when ID is one of its timers.
    bool OnTimer(UINT_PTR id);
    void Stop();

private:
    void AnnounceSwept();

    CListController& m_list;
    HWND m_owner = nullptr;
    SweepList m_swept;
    bool m_announced = false;
    bool m_caughtUp = false;
};
