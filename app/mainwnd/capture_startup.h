// The start of capture, for the main window: the windows already open are swept and the keeper is
// started; once its relay window is ready, the library is enabled with the swept windows in its
// watch table and they are announced (after a deadline anyway, so that they are listed even
// without one; the keeper is then started again). Windows that opened while the hook went in are
// caught up once it is bound, and once more a second later. A keeper that ends while the program
// runs is replaced, for the windows still to come. The main thread never waits for the keeper.
#pragma once

#include <windows.h>

#include "capture/sweep_list.h"
#include "mainwnd/list_controller.h"

class CCaptureStartup {
public:
    explicit CCaptureStartup(CListController& list) : m_list(list) {}

    // The first HN_STARTUP; OWNER's timers pace what follows.
    void Begin(HWND owner);
    // WM_RELAY_READY; one that does not name the keeper's relay window is ignored.
    void OnRelayReady(WPARAM wParam, LPARAM lParam);
    // WM_KEEPER_GONE.
    void OnKeeperGone(WPARAM wParam);
    // True when ID is one of its timers.
    bool OnTimer(UINT_PTR id);
    void Stop();

private:
    void AnnounceSwept();

    CListController& m_list;
    HWND m_owner = nullptr;
    SweepList m_swept;
    bool m_announced = false;
    bool m_enabled = false;
    bool m_stopped = false;
    int m_restarts = 0;
};
