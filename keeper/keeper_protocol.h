// What Pelorus.exe and its keeper agree on. The keeper is a process of its own that owns the
// relay window, and with it every hidden browser window: a child dies with its parent's
// process, and this one outlives Pelorus.exe however it ends.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

// Beside Pelorus.exe.
#define PELORUS_KEEPER_PROGRAM "PelorusKeeper.exe"
// A relay window whose program has gone, while it gives back its windows: the hook of a new
// copy must not take it for that copy's.
#define PELORUS_CLOSING_RELAY_TITLE "Pelorus2_thread (closing)"

// Posted by the keeper to the main window once its relay window is made and the hook bound (or
// not: the hook handle in the relay window's extra bytes tells). wParam: the close cookie it was
// given, so that a window made and announced by another program is not taken for it; lParam:
// the relay window.
constexpr unsigned WM_RELAY_READY = 0x8002;  // WM_APP + 2

struct KeeperArgs {
    uint32_t mainWindow = 0;
    // The wParam of the one WM_CLOSE the relay window obeys, the program's own at its exit: a
    // close from anywhere else (a stray Alt+F4, a tool closing windows) would take every hidden
    // window with it. Not a secret from programs that can read command lines.
    uint32_t closeCookie = 0;
    // Start the real keeper apart from the caller's process tree, then end: ending Pelorus
    // with its tree must not end the keeper.
    bool detach = false;
};

// A command line's tail, in a buffer of its own: the keeper keeps the library's strings, and
// the exceptions they bring, out of its small program.
struct KeeperArgsLine {
    char text[32];  // "/detach ffffffff ffffffff" and its terminator at most
    size_t length;
    operator std::string_view() const { return {text, length}; }
};

// "[/detach ]<main window> <close cookie>", both in hex
KeeperArgsLine FormatKeeperArgs(const KeeperArgs& args);
// Nothing for anything else, including no window.
std::optional<KeeperArgs> ParseKeeperArgs(std::string_view text);
