// What the hook library and the program agree on: browser types, the target mask, the one
// notification message and its codes, the relay window's class, title and extra bytes.
#pragma once

// Browser types: each kind's row in the browser-kind table (browser_kinds.h), its icon slot and
// its mask bit's place.
enum BrowserType {
    BROWSER_IE = 0,
    BROWSER_NETSCAPE6 = 1,
    BROWSER_NETSCAPE4 = 2,
    BROWSER_OPERA_OUI = 3,
    BROWSER_MOZILLA = 4,
    BROWSER_OPERA_OP = 5,
    BROWSER_CHROMIUM = 6,  // watched by the program itself: the hook never reports it
};

// Target-browser mask: bit 1 << type for each watched type.
constexpr int TargetBit(int type)
{
    return 1 << type;
}

// The hook posts this to the main window (wParam: a code, lParam: the browser window).
constexpr unsigned WM_HOOK_NOTIFY = 0x8000;  // WM_APP
constexpr unsigned HN_NEWWINDOW = 0x10;      // plus the type in the low four bits
constexpr unsigned HN_DESTROYED = 0x20;
constexpr unsigned HN_TITLECHANGED = 0x30;
constexpr unsigned HN_STARTUP = 0x1000;
constexpr unsigned HN_CODE_MASK = 0xFFF0;
constexpr unsigned HN_TYPE_MASK = 0x000F;

// Watch states of a slot of the hook's watch table.
enum WatchState {
    WATCH_CREATED = 0,
    WATCH_SHOWN = 1,
    WATCH_ANNOUNCED = 2,
};

// The relay window, by which the hook in every process finds the program.
#define PELORUS_RELAY_CLASS "Pelorus2Class"
#define PELORUS_RELAY_TITLE "Pelorus2_thread"
constexpr int kRelayIndexMainWnd = 0;  // window extra bytes: the main window's handle
constexpr int kRelayIndexHook = 4;     // and the hook's handle
constexpr int kRelayExtraBytes = 8;

// Sent by the program to the relay window just before it gives one of its children back to the
// desktop out of sight, to be asked to close (wParam: the window). Should the program end before
// that window is gone or shown again, the keeper shows it: no window stays out of sight for good.
// Taken only for a child of the relay window, so that no other program's word moves anything.
constexpr unsigned WM_RELAY_OUT_OF_SIGHT = 0x8009;  // WM_APP + 9
