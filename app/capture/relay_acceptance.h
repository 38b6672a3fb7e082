// Which relay window the program takes as its keeper's, free of the platform. Any program can
// register the relay class, title a window like the keeper's and post WM_RELAY_READY: a window
// taken by mistake would have every hidden browser window re-parented under it, to die with it.
#pragma once

#include <cstdint>

#include "win/window_seam.h"

// What the program reads when a relay window is announced.
struct RelayReport {
    bool cookieMatches = false;    // the report carries the cookie given to our keeper
    bool heldKeeperRuns = false;   // the keeper whose relay window we hold still runs
    WindowHandle relay = 0;        // the window announced
    WindowHandle held = 0;         // the relay window held now, if any
    WindowHandle found = 0;        // the relay window the hook finds, by class and title
    WindowHandle mainInRelay = 0;  // the main window its extra bytes name
    WindowHandle mainWindow = 0;   // ours
    uint32_t relayProcess = 0;     // the process that made it (0: unknown)
    uint32_t ownProcess = 0;
};

// Why an announced relay window is not taken; None: it is.
enum class RelayRefusal {
    None,
    NotOurCookie,    // not from the keeper we started
    HeldKeeperRuns,  // the keeper of the relay window we hold still runs: its windows are there
    NoWindow,
    AlreadyHeld,
    NotTheOneFound,     // the hook would find another window, not this one
    NotForThisWindow,   // made for another main window
    NotAnotherProcess,  // made by no process, or by this one: no keeper
};

RelayRefusal RefuseRelay(const RelayReport& report);
