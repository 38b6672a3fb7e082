#include "capture/close_list.h"

#include <algorithm>
#include <vector>

#include "capture/popup_table.h"
#include "capture/responsive.h"

WindowHandle g_ahwndParked[kCloseListSlots];
int g_anParkedType[kCloseListSlots];
int g_nParkedTotal;
CloseListObserver* g_pCloseListDlg;

namespace {

// Ticks of half a second: a window that takes a close has gone well before, and one that
// refuses is back on the desktop within one and a half seconds.
constexpr int kCloseGraceTicks = 3;

struct Closing {
    WindowHandle window;
    int ticksLeft;
};
std::vector<Closing> g_closing;

int ParkedCount()
{
    int n = 0;
    while (n < kCloseListSlots && g_ahwndParked[n])
        ++n;
    return n;
}

int Capacity()
{
    return ClampCloseListCapacity(g_nCloseListCapacity);
}

void CloseAndForget(WindowHandle window)
{
    AskToClose(window);
    RemovePopup(window);
    RemoveParked(window);
}

void Hide(WindowHandle window)
{
    if (IsResponsive(window))
        Seam().HideUnderRelay(window);
}

}  // namespace

void EvictParkedBeyondCapacity()
{
    while (ParkedCount() > Capacity())
        CloseAndForget(g_ahwndParked[0]);
}

void ParkWindow(WindowHandle window, int type)
{
    ++g_nParkedTotal;
    if (g_pCloseListDlg)
        g_pCloseListDlg->AddParkedWindow(window, type);
    // Full (or fuller than a lowered capacity allows): the oldest go first, so that no window
    // is ever written over and forgotten, hidden under the relay window.
    while (ParkedCount() >= Capacity())
        CloseAndForget(g_ahwndParked[0]);
    const int slot = ParkedCount();
    g_ahwndParked[slot] = window;
    g_anParkedType[slot] = type;
    Hide(window);
}

bool RemoveParked(WindowHandle window)
{
    for (int i = 0; i < kCloseListSlots; ++i) {
        if (g_ahwndParked[i] != window)
            continue;
        for (int j = i; j + 1 < kCloseListSlots; ++j) {
            g_ahwndParked[j] = g_ahwndParked[j + 1];
            g_anParkedType[j] = g_anParkedType[j + 1];
        }
        g_ahwndParked[kCloseListSlots - 1] = 0;
        if (g_pCloseListDlg)
            g_pCloseListDlg->RemoveParkedWindow(window);
        return true;
    }
    return false;
}

bool IsParked(WindowHandle window)
{
    return window && std::count(g_ahwndParked, g_ahwndParked + kCloseListSlots, window) > 0;
}

void CloseAllParked()
{
    for (WindowHandle& slot : g_ahwndParked) {
        const WindowHandle window = slot;
        slot = 0;
        if (window) {
            AskToClose(window);
            if (g_pCloseListDlg)
                g_pCloseListDlg->RemoveParkedWindow(window);
        }
    }
}

void OnParkedTitleChanged(WindowHandle window)
{
    if (!g_bFilterClose)
        return;
    for (int i = 0; i < Capacity(); ++i) {
        if (g_ahwndParked[i] == window) {
            CloseAndForget(window);
            return;
        }
    }
}

void OnParkedDestroyed(WindowHandle window)
{
    if (IsParked(window)) {
        RemovePopup(window);
        RemoveParked(window);
    }
}

void OnParkedResponded(WindowHandle window)
{
    if (IsParked(window) && !Seam().IsUnderRelay(window))
        Hide(window);
}

void ClearParked()
{
    for (WindowHandle& slot : g_ahwndParked)
        slot = 0;
}

void AskToClose(WindowHandle window)
{
    Seam().PostClose(window);
    g_closing.push_back({window, kCloseGraceTicks});
}

void ReleaseRefusedCloses()
{
    // Gone, or no longer hidden: settled. Still hidden when its grace is over: released, as soon
    // as it answers.
    auto settled = [](Closing& c) {
        if (--c.ticksLeft > 0)
            return false;
        if (!Seam().IsAlive(c.window) || !Seam().IsUnderRelay(c.window))
            return true;
        if (!IsResponsive(c.window))
            return false;
        Seam().Release(c.window);
        return true;
    };
    g_closing.erase(std::remove_if(g_closing.begin(), g_closing.end(), settled), g_closing.end());
}

bool IsClosing(WindowHandle window)
{
    return std::any_of(g_closing.begin(), g_closing.end(), [&](const Closing& c) { return c.window == window; });
}

void ClearClosing()
{
    g_closing.clear();
}
