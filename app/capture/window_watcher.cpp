#include "capture/window_watcher.h"

#include <algorithm>
#include <vector>

#include "capture/kind_rules.h"

void CWindowWatcher::Start()
{
    m_timers.Schedule(0, Look, 0, 0);
}

void CWindowWatcher::OnEvent(WindowEvent event, WindowHandle window)
{
    switch (event) {
    case WindowEvent::Created:
        Forget(window);  // perhaps a new window under the handle of one whose end no event told
        m_timers.Schedule(0, LookSoon, kLookAfterCreationMs, kLookAfterCreationMaxMs);
        m_timers.Schedule(0, LookAgain, kLookAgainAfterCreationMs, kLookAgainAfterCreationMaxMs);
        break;
    case WindowEvent::Cloaked:
        if (Watched* watched = See(window))
            watched->cloaked = true;
        break;
    case WindowEvent::Uncloaked:
    case WindowEvent::Shown:
        if (Watched* watched = See(window)) {
            watched->cloaked = watched->cloaked && event != WindowEvent::Uncloaked;
            Consider(window, *watched);
        }
        break;
    case WindowEvent::Renamed:
        if (Watched* watched = See(window))
            watched->state == Watched::Followed ? FollowTitle(window, *watched) : Consider(window, *watched);
        break;
    case WindowEvent::Destroyed:
        Forget(window);
        break;
    }
}

void CWindowWatcher::OnWake()
{
    for (const CTimerQueue::Job& job : m_timers.TakeDue()) {
        if (job.kind != GraceOver) {
            LookOver(job.kind == Look);
        } else if (auto it = m_watched.find(job.window); it != m_watched.end()) {
            Consider(job.window, it->second);
        }
    }
}

// A window gone: its end reported, if it was followed.
void CWindowWatcher::Forget(WindowHandle window)
{
    if (auto it = m_watched.find(window); it != m_watched.end()) {
        if (it->second.state == Watched::Followed)
            m_host.Destroyed(window);
        m_watched.erase(it);
    }
    m_known.Forget(window);
}

// Every top-level window: the new ones are seen, and the candidates considered again; the titles
// of the windows followed are followed, and those gone are reported gone.
void CWindowWatcher::LookOver(bool nextRound)
{
    if (m_mask != m_settings.Values().nTargetBrowser) {  // a window of no kind then may be of one now
        m_mask = m_settings.Values().nTargetBrowser;
        for (auto it = m_watched.begin(); it != m_watched.end();)
            it = it->second.state == Watched::NoKind ? m_watched.erase(it) : std::next(it);
    }
    FollowHeldWindows();
    std::vector<WindowHandle> top = m_seam.TopLevelWindows();
    for (WindowHandle window : top)
        if (Watched* watched = See(window); watched && watched->state == Watched::Candidate)
            Consider(window, *watched);
    std::sort(top.begin(), top.end());
    std::vector<WindowHandle> followed;
    for (auto it = m_watched.begin(); it != m_watched.end();) {
        Watched& watched = it->second;
        const WindowHandle window = it->first;
        if (watched.state == Watched::Followed) {  // perhaps hidden under the relay window: not top-level
            if (!m_seam.IsAlive(window)) {
                m_host.Destroyed(window);
                it = m_watched.erase(it);
                continue;
            }
            FollowTitle(window, watched);
            followed.push_back(window);
        } else if (!std::binary_search(top.begin(), top.end(), window)) {
            it = m_watched.erase(it);  // gone, or a child: seen again should it come back
            continue;
        }
        ++it;
    }
    // What is known of windows no longer there goes.
    top.insert(top.end(), followed.begin(), followed.end());
    std::sort(top.begin(), top.end());
    m_known.KeepOnly(top);
    if (nextRound)
        m_timers.Schedule(0, Look, kLookMs, kLookMs);
}

// A window first seen has its class read once: most are of no targeted kind, and nothing more is
// read of them.
CWindowWatcher::Watched* CWindowWatcher::See(WindowHandle window)
{
    auto [it, added] = m_watched.try_emplace(window);
    if (added && !KindWithClass(m_known.ClassOf(window), m_settings.Values().nTargetBrowser))
        it->second.state = Watched::NoKind;
    return it->second.state == Watched::NoKind ? nullptr : &it->second;
}

bool CWindowWatcher::HookGraceOver(WindowHandle window, Watched& watched)
{
    if (!watched.seenShown) {
        if (!m_seam.IsVisible(window))
            return false;  // its showing, or a look, brings it back
        watched.seenShown = true;
        watched.firstShown = m_timers.Now();
    }
    if (m_timers.Now() - watched.firstShown >= kHookGraceMs)
        return true;
    m_timers.Schedule(window, GraceOver, kHookGraceMs, kHookGraceMs);
    return false;
}

void CWindowWatcher::Consider(WindowHandle window, Watched& watched)
{
    if (watched.state != Watched::Candidate)
        return;
    if (m_host.Holds(window)) {  // taken already (the hook's, the start-up's): followed from here
        Follow(window, watched, m_seam.TitleOf(window, kTitleBufferSize));
        return;
    }
    const int mask = m_settings.Values().nTargetBrowser;
    const BrowserKind* byClass = KindWithClass(m_known.ClassOf(window), mask);
    if (byClass && byClass->watchedByHook && !HookGraceOver(window, watched))
        return;
    WindowFacts facts;
    facts.window = window;
    if (watched.cloaked) {  // as the last event said, whatever the system answers
        facts.cloaked = true;
        facts.read |= WindowFacts::Cloak;
    }
    RecogniseAs seen;
    seen.shownOnly = true;
    seen.targets = mask;
    const FactReader reader{m_seam, m_known};
    const Recognition kind = Recognise(facts, seen, &reader);
    if (!kind) {
        if (kind.refusal == Refusal::OfNoKind || kind.refusal == Refusal::OtherProgram)
            watched.state = Watched::NoKind;  // neither its class nor its program changes
        return;  // not yet, perhaps: a browser titles its window a moment after showing it
    }
    reader.Read(facts, WindowFacts::Title);
    Follow(window, watched, facts.title);
    m_host.Announce(window, kind.type, facts);
}

void CWindowWatcher::Follow(WindowHandle, Watched& watched, std::u16string title)
{
    watched.state = Watched::Followed;
    watched.title = std::move(title);
}

void CWindowWatcher::FollowHeldWindows()
{
    for (WindowHandle window : m_host.HeldWindows()) {
        Watched& watched = m_watched[window];
        if (watched.state != Watched::Followed)
            Follow(window, watched, m_seam.TitleOf(window, kTitleBufferSize));
    }
}

void CWindowWatcher::FollowTitle(WindowHandle window, Watched& watched)
{
    std::u16string title = m_seam.TitleOf(window, kTitleBufferSize);
    if (title == watched.title)
        return;
    watched.title = std::move(title);
    m_host.TitleChanged(window);
}
