// The start of capture, for the main window: the windows already open are swept and entered in
// the hook's watch table, the keeper is started, and the swept windows are announced once its
// relay window is ready (or after a deadline anyway, so that they are listed even without one);
// windows that opened while the hook went in are caught up once it is bound, and once more a
// second later. A keeper that ends while the program runs is replaced, for the windows still to
// come. The main thread never waits for the keeper.
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
    void OnRelayReady(LPARAM lParam);
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
    int m_restarts = 0;
};
