// The sweep list: browser windows found open on the desktop, with their types. The start-up
// sweep enters them in the hook's watch table before the hook goes in; a change of the target
// browsers sweeps again for the kinds newly targeted.
#pragma once

#include "capture/window_facts.h"

constexpr int kMaxSweptWindows = 32;

struct SweepList {
    WindowHandle windows[kMaxSweptWindows] = {};
    int types[kMaxSweptWindows] = {};
    int count = 0;

    // False, and the window not kept, once the list is full.
    bool Add(WindowHandle window, int type)
    {
        if (count >= kMaxSweptWindows)
            return false;
        windows[count] = window;
        types[count++] = type;
        return true;
    }
    bool Contains(WindowHandle window) const
    {
        for (int i = 0; i < count; ++i)
            if (windows[i] == window)
                return true;
        return false;
    }
};

// The top-level windows of the browser kinds, in the platform's order, the first 32.
SweepList SweepBrowserWindows(const FactReader& reader);

// The windows of OPEN whose types are targeted in NEW_MASK and were not in OLD_MASK.
SweepList NewlyTargeted(const SweepList& open, int oldMask, int newMask);

// The windows of NOW that SWEPT missed and the hook does not watch either (IS_WATCHED): those
// that opened after the sweep, before the hook was installed.
template <class IsWatched>
SweepList WindowsMissedBy(const SweepList& swept, const SweepList& now, IsWatched isWatched)
{
    SweepList missed;
    for (int i = 0; i < now.count; ++i)
        if (!swept.Contains(now.windows[i]) && !isWatched(now.windows[i]))
            missed.Add(now.windows[i], now.types[i]);
    return missed;
}
