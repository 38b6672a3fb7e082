#include "capture/responsive.h"

#include <algorithm>
#include <random>
#include <vector>

namespace {

// A probe is asked again after this many ticks without an answer, in case the first was lost;
// not sooner, so that a long-hung window does not collect a queue of them.
constexpr int kReprobeTicks = 20;

struct Unresponsive {
    WindowHandle window;
    uint32_t cookie;  // unguessable: only the probe's own answer carries it
    int ticksToProbe;
};

std::vector<Unresponsive> g_unresponsive;

uint32_t NewCookie()
{
    static std::mt19937 engine{std::random_device{}()};
    return static_cast<uint32_t>(engine());
}

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
    const Unresponsive u{window, NewCookie(), kReprobeTicks};
    g_unresponsive.push_back(u);
    Seam().ProbeAnswer(window, u.cookie);
    return false;
}

bool IsUnresponsive(WindowHandle window)
{
    return Find(window) != g_unresponsive.end();
}

bool OnResponded(WindowHandle window, uint32_t cookie)
{
    auto it = Find(window);
    if (it == g_unresponsive.end() || it->cookie != cookie)
        return false;
    g_unresponsive.erase(it);
    return true;
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
            Seam().ProbeAnswer(it->window, it->cookie);
        }
        ++it;
    }
}

void ClearUnresponsive()
{
    g_unresponsive.clear();
}
