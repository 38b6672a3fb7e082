#include "capture/window_watcher.h"

#include <algorithm>
#include <vector>

#include "capture/kind_rules.h"
#include "capture/window_facts.h"

void CWindowWatcher::Start()
{
    m_timers.Schedule(0, Look, 0, 0);
}

void CWindowWatcher::OnEvent(WindowEvent event, WindowHandle window)
{
    switch (event) {
    case WindowEvent::Created:
        // A new window, perhaps under the handle of one whose end no event told.
        if (auto it = m_known.find(window); it != m_known.end()) {
            if (it->second.state == Known::Followed)
                m_host.Destroyed(window);
            m_known.erase(it);
        }
        m_timers.Schedule(0, LookSoon, kLookAfterCreationMs, kLookAfterCreationMaxMs);
        m_timers.Schedule(0, LookAgain, kLookAgainAfterCreationMs, kLookAgainAfterCreationMaxMs);
        break;
    case WindowEvent::Cloaked:
        if (Known* known = See(window))
            known->cloaked = true;
        break;
    case WindowEvent::Uncloaked:
    case WindowEvent::Shown:
        if (Known* known = See(window)) {
            known->cloaked = known->cloaked && event != WindowEvent::Uncloaked;
            Consider(window, *known);
        }
        break;
    case WindowEvent::Renamed:
        if (Known* known = See(window))
            known->state == Known::Followed ? FollowTitle(window, *known) : Consider(window, *known);
        break;
    case WindowEvent::Destroyed: {
        auto it = m_known.find(window);
        if (it != m_known.end() && it->second.state == Known::Followed)
            m_host.Destroyed(window);
        if (it != m_known.end())
            m_known.erase(it);
        break;
    }
    }
}

void CWindowWatcher::OnWake()
{
    for (const CTimerQueue::Job& job : m_timers.TakeDue()) {
        if (job.kind != GraceOver) {
            LookOver(job.kind == Look);
        } else if (auto it = m_known.find(job.window); it != m_known.end()) {
            Consider(job.window, it->second);
        }
    }
}

// Every top-level window: the new ones are seen, and the candidates considered again; the titles
// of the windows announced are followed, and those gone are reported gone.
void CWindowWatcher::LookOver(bool nextRound)
{
    if (m_mask != m_settings.Values().nTargetBrowser) {  // a window of no kind then may be of one now
        m_mask = m_settings.Values().nTargetBrowser;
        for (auto it = m_known.begin(); it != m_known.end();)
            it = it->second.state == Known::NoKind ? m_known.erase(it) : std::next(it);
    }
    FollowHeldWindows();
    std::vector<WindowHandle> top = m_seam.TopLevelWindows();
    for (WindowHandle window : top)
        if (Known* known = See(window); known && known->state == Known::Candidate)
            Consider(window, *known);
    std::sort(top.begin(), top.end());
    for (auto it = m_known.begin(); it != m_known.end();) {
        Known& known = it->second;
        const WindowHandle window = it->first;
        if (known.state == Known::Followed) {  // perhaps hidden under the relay window: not top-level
            if (!m_seam.IsAlive(window)) {
                m_host.Destroyed(window);
                it = m_known.erase(it);
                continue;
            }
            FollowTitle(window, known);
        } else if (!std::binary_search(top.begin(), top.end(), window)) {
            it = m_known.erase(it);  // gone, or a child: seen again should it come back
            continue;
        }
        ++it;
    }
    if (nextRound)
        m_timers.Schedule(0, Look, kLookMs, kLookMs);
}

// A window first seen has its class read once: most are of no kind, and nothing more is read.
CWindowWatcher::Known* CWindowWatcher::See(WindowHandle window)
{
    auto [it, added] = m_known.try_emplace(window);
    if (added) {
        it->second.className = m_seam.ClassOf(window);
        if (!HasKindClass(it->second.className, m_settings.Values().nTargetBrowser))
            it->second.state = Known::NoKind;
    }
    return it->second.state == Known::NoKind ? nullptr : &it->second;
}

// The cheap questions first, as a look asks them of every shown window: one of a family's class
// is worth more only in a program of the family, its name in its title.
bool CWindowWatcher::WorthFacts(WindowHandle window, Known& known)
{
    if (!IsFamilyClass(known.className))
        return true;
    if (!known.programSeen) {
        if (IsOfNoFamilyProgram(known.className, m_seam.ProcessImageOf(window))) {
            known.state = Known::NoKind;  // its program never changes
            return false;
        }
        known.programSeen = true;
    }
    return BearsFamilyName(known.className, m_seam.TitleOf(window, kTitleBufferSize));
}

void CWindowWatcher::Consider(WindowHandle window, Known& known)
{
    if (known.state != Known::Candidate || !m_seam.IsVisible(window) || !WorthFacts(window, known))
        return;  // shown later: its event, or a look, brings it back
    NewWindowFacts facts = GatherFacts(m_seam, window, -1, false);
    facts.cloaked = facts.cloaked || known.cloaked;
    const int type = RecogniseWindow(facts);
    if (type < 0 || !facts.identity.topLevel || !(m_settings.Values().nTargetBrowser & TargetBit(type)))
        return;  // not yet, perhaps: a browser titles its window a moment after showing it
    if (m_host.Holds(window)) {  // taken from the start-up's sweep, say: followed from here
        known.state = Known::Followed;
        known.title = facts.title;
        return;
    }
    const bool byHook = KindOf(type)->watchedByHook;
    if (byHook && m_host.HookAnnounced(window)) {
        known.state = Known::ByHook;
        return;
    }
    if (byHook) {
        if (!known.seenShown) {
            known.seenShown = true;
            known.firstShown = m_timers.Now();
        }
        if (m_timers.Now() - known.firstShown < kHookGraceMs) {
            m_timers.Schedule(window, GraceOver, kHookGraceMs, kHookGraceMs);
            return;
        }
    }
    known.state = Known::Followed;
    known.title = facts.title;
    m_host.Announce(window, type);
}

void CWindowWatcher::FollowHeldWindows()
{
    for (WindowHandle window : m_host.HeldWindows()) {
        Known& known = m_known[window];
        if (known.state != Known::Followed) {
            known.state = Known::Followed;
            known.title = m_seam.TitleOf(window, kTitleBufferSize);
        }
    }
}

void CWindowWatcher::FollowTitle(WindowHandle window, Known& known)
{
    std::u16string title = m_seam.TitleOf(window, kTitleBufferSize);
    if (title == known.title)
        return;
    known.title = std::move(title);
    m_host.TitleChanged(window);
}
