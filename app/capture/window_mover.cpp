#include "capture/window_mover.h"

#include <algorithm>
#include <random>

namespace {

// A probe is asked again after this many ticks without an answer, in case the first was lost;
// not sooner, so that a long-hung window does not collect a queue of them.
constexpr int kReprobeTicks = 20;
// Ticks of half a second: a window that takes a close has gone well before, and one that
// refuses is back on the desktop within one and a half seconds.
constexpr int kCloseGraceTicks = 3;
constexpr int kShow = 5;            // SW_SHOW: as it was, maximised or not
constexpr int kShowNoActivate = 8;  // SW_SHOWNA

uint32_t NewCookie()
{
    static std::mt19937 engine{std::random_device{}()};
    return static_cast<uint32_t>(engine());
}

}  // namespace

bool PlanPlacement(bool sizePos, const FixedRect& fixed, bool isPopup, NormalRect& normal)
{
    if (!sizePos || fixed.width < 0 || fixed.height < 0)
        return false;
    if (isPopup) {
        const int width = normal.right - normal.left, height = normal.bottom - normal.top;
        normal = {fixed.left, fixed.top, fixed.left + width, fixed.top + height};
    } else {
        normal = {fixed.left, fixed.top, fixed.left + fixed.width, fixed.top + fixed.height};
    }
    return true;
}

bool CWindowMover::IsResponsive(WindowHandle window)
{
    if (IsUnresponsive(window))
        return false;
    if (m_seam.Answers(window))
        return true;
    const Unresponsive u{window, NewCookie(), kReprobeTicks};
    m_unresponsive.push_back(u);
    m_seam.ProbeAnswer(window, u.cookie);
    return false;
}

bool CWindowMover::IsUnresponsive(WindowHandle window) const
{
    return std::any_of(m_unresponsive.begin(), m_unresponsive.end(),
                       [&](const Unresponsive& u) { return u.window == window; });
}

bool CWindowMover::OnResponded(WindowHandle window, uint32_t cookie)
{
    auto it = std::find_if(m_unresponsive.begin(), m_unresponsive.end(),
                           [&](const Unresponsive& u) { return u.window == window; });
    if (it == m_unresponsive.end() || it->cookie != cookie)
        return false;
    m_unresponsive.erase(it);
    return true;
}

bool CWindowMover::Hide(WindowHandle window)
{
    if (!m_seam.HasRelay() || !IsResponsive(window))
        return false;  // nowhere to hide it yet: the relay window's coming hides it
    m_seam.HideUnderRelay(window);
    if (std::find(m_outOfSight.begin(), m_outOfSight.end(), window) != m_outOfSight.end()) {
        m_seam.Show(window, kShowNoActivate);  // under the hidden relay window: still unseen
        ForgetOutOfSight(window);
    }
    return true;
}

void CWindowMover::ForgetOutOfSight(WindowHandle window)
{
    m_outOfSight.erase(std::remove(m_outOfSight.begin(), m_outOfSight.end(), window), m_outOfSight.end());
}

bool CWindowMover::Release(WindowHandle window)
{
    if (!IsResponsive(window))
        return false;
    m_seam.Release(window);
    return true;
}

bool CWindowMover::Place(WindowHandle window, bool popup)
{
    if (!IsResponsive(window))
        return false;
    ForgetOutOfSight(window);  // shown now, whichever way
    NormalRect normal;
    int shownAs = 0;
    const bool readable = m_seam.PlacementOf(window, normal, shownAs);
    const int showCmd = m_settings.ShowCmd();
    if (!PlanPlacement(m_settings.Values().bSizePos != 0, m_settings.Fixed(), popup, normal))
        m_seam.Show(window, showCmd);  // no fixed rectangle: the window keeps its own
    else if (readable)
        m_seam.SetPlacement(window, normal, showCmd);
    return true;
}

bool CWindowMover::PlaceNew(WindowHandle window, bool popup)
{
    NormalRect normal;
    if (PlanPlacement(m_settings.Values().bSizePos != 0, m_settings.Fixed(), popup, normal))
        return Place(window, popup);
    m_seam.ShowAsync(window, m_settings.ShowCmd());
    return true;
}

bool CWindowMover::ShowPlaced(WindowHandle window, bool popup)
{
    if (!Place(window, popup))
        return false;
    if (m_seam.IsUnderRelay(window))  // on the desktop already (one that refused to close): re-parenting would hide and show it again
        m_seam.Release(window);
    return true;
}

bool CWindowMover::BringToTop(WindowHandle window)
{
    if (!IsResponsive(window))
        return false;
    m_seam.BringToTop(window);
    return true;
}

void CWindowMover::AskToClose(WindowHandle window, bool listed)
{
    m_closing.erase(std::remove_if(m_closing.begin(), m_closing.end(), [&](const Closing& c) { return c.window == window; }),
                    m_closing.end());  // asked again: a new moment
    m_closing.push_back({window, kCloseGraceTicks, Ask(window), listed});
}

bool CWindowMover::Ask(WindowHandle window)
{
    if (m_seam.IsUnderRelay(window)) {
        if (!IsResponsive(window))
            return false;
        m_seam.ReleaseHidden(window);
        m_outOfSight.push_back(window);
    }
    m_seam.PostClose(window);
    return true;
}

bool CWindowMover::IsClosing(WindowHandle window) const
{
    return std::any_of(m_closing.begin(), m_closing.end(), [&](const Closing& c) { return c.window == window; });
}

std::vector<WindowHandle> CWindowMover::ClosingWindows() const
{
    std::vector<WindowHandle> closing;
    for (const Closing& c : m_closing)
        closing.push_back(c.window);
    return closing;
}

std::vector<WindowHandle> CWindowMover::OnTick()
{
    m_outOfSight.erase(std::remove_if(m_outOfSight.begin(), m_outOfSight.end(),
                                      [this](WindowHandle w) { return !m_seam.IsAlive(w); }),
                       m_outOfSight.end());
    for (auto it = m_unresponsive.begin(); it != m_unresponsive.end();) {
        if (!m_seam.IsAlive(it->window)) {
            it = m_unresponsive.erase(it);
            continue;
        }
        if (--it->ticksToProbe <= 0) {
            it->ticksToProbe = kReprobeTicks;
            m_seam.ProbeAnswer(it->window, it->cookie);
        }
        ++it;
    }
    return SettleCloses();
}

std::vector<WindowHandle> CWindowMover::SettleCloses()
{
    std::vector<WindowHandle> refusedListed;
    auto settled = [&](Closing& c) {
        if (!m_seam.IsAlive(c.window))
            return true;
        if (!c.asked) {  // once it answers, given back hidden and asked, with its moment anew
            if (!IsUnresponsive(c.window) && (c.asked = Ask(c.window)))
                c.ticksLeft = kCloseGraceTicks;
            return false;
        }
        if (--c.ticksLeft > 0)
            return false;
        // It refused: back in sight, without waiting (it may be busy asking its user something),
        // and a listed one the list's current window.
        if (!m_seam.IsVisible(c.window) && !m_seam.IsUnderRelay(c.window)) {
            m_seam.ShowAsync(c.window, kShow);
            ForgetOutOfSight(c.window);
        }
        if (c.listed)
            refusedListed.push_back(c.window);
        return true;
    };
    m_closing.erase(std::remove_if(m_closing.begin(), m_closing.end(), settled), m_closing.end());
    return refusedListed;
}

bool CWindowMover::ClosesPending()
{
    m_closing.erase(std::remove_if(m_closing.begin(), m_closing.end(),
                                   [&](const Closing& c) { return !m_seam.IsAlive(c.window); }),
                    m_closing.end());
    return std::any_of(m_closing.begin(), m_closing.end(), [](const Closing& c) { return c.asked; });
}

void CWindowMover::ShowRefusedCloses()
{
    for (const Closing& c : m_closing)
        if (c.asked && m_seam.IsAlive(c.window) && !m_seam.IsVisible(c.window) && !m_seam.IsUnderRelay(c.window))
            m_seam.ShowAsync(c.window, kShow);
    m_closing.clear();
    m_outOfSight.clear();
}
