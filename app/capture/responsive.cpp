#include "capture/responsive.h"

#include <algorithm>
#include <vector>

namespace {

// A probe is asked again after this many ticks without an answer, in case the first was lost;
// not sooner, so that a long-hung window does not collect a queue of them.
constexpr int kReprobeTicks = 20;

struct Unresponsive {
    WindowHandle window;
    int ticksToProbe;
};

std::vector<Unresponsive> g_unresponsive;

std::vector<Unresponsive>::iterator Find(WindowHandle window)
{
    return std::find_if(g_unresponsive.begin(), g_unresponsive.end(),
                        [&](const Unresponsive& u) { return u.window == window; });
}

}  // namespace

bool IsResponsive(WindowHandle window)
{
    if (IsUnresponsive(window))
        return false;
    if (Seam().Answers(window))
        return true;
    g_unresponsive.push_back({window, kReprobeTicks});
    Seam().ProbeAnswer(window);
    return false;
}

bool IsUnresponsive(WindowHandle window)
{
    return Find(window) != g_unresponsive.end();
}

void OnResponded(WindowHandle window)
{
    auto it = Find(window);
    if (it != g_unresponsive.end())
        g_unresponsive.erase(it);
}

void ProbeUnresponsive()
{
    for (auto it = g_unresponsive.begin(); it != g_unresponsive.end();) {
        if (!Seam().IsAlive(it->window)) {
            it = g_unresponsive.erase(it);
            continue;
        }
        if (--it->ticksToProbe <= 0) {
            it->ticksToProbe = kReprobeTicks;
            Seam().ProbeAnswer(it->window);
        }
        ++it;
    }
}

void ClearUnresponsive()
{
    g_unresponsive.clear();
}
