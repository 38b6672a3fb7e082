// The watcher: the program's own eyes on other programs' top-level windows, with nothing injected
// into them. It sees the events the system raises for every process, of either architecture
// (created, shown, renamed, destroyed, cloaked), and, since events can be missed or never raised,
// it looks over the top-level windows itself: soon after each creation, and now and then. From
// what it sees it announces the browser windows no hook announces (today's browsers, and those of
// the older kinds the hook cannot reach: a browser of the other architecture, or one that refuses
// hooks), once each, and reports their titles and their end, as the hook does. Free of the
// platform; the events come in as posted messages.
#pragma once

#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

#include "capture/window_facts.h"
#include "settings/settings_model.h"
#include "win/timer_queue.h"

enum class WindowEvent { Created, Shown, Renamed, Destroyed, Cloaked, Uncloaked };

// What the watcher asks of, and tells, the rest of the program.
class WatcherHost {
public:
    virtual ~WatcherHost() = default;
    // Listed, parked or asked to close: the program has it already.
    virtual bool Holds(WindowHandle window) = 0;
    // Those windows, hidden ones too: whoever announced them, their titles and their ends are
    // followed from here as well, for no hook may reach their programs.
    virtual std::vector<WindowHandle> HeldWindows() = 0;
    // The notifications, as the hook posts them: hints for the list to check. FACTS: what the
    // watcher read of the window, so that the list reads none of it again.
    virtual void Announce(WindowHandle window, int type, WindowFacts& facts) = 0;
    virtual void TitleChanged(WindowHandle window) = 0;
    virtual void Destroyed(WindowHandle window) = 0;
};

class CWindowWatcher {
public:
    // A browser shows its new window and titles it within a few milliseconds of creating it: one
    // look 50 ms after a burst of creations (at most 250 ms after the first), and one more 600 ms
    // after the last (at most 1.2 s after the first), for a window shown a while after it was made.
    static constexpr uint32_t kLookAfterCreationMs = 50;
    static constexpr uint32_t kLookAfterCreationMaxMs = 250;
    static constexpr uint32_t kLookAgainAfterCreationMs = 600;
    static constexpr uint32_t kLookAgainAfterCreationMaxMs = 1200;
    // The look over every top-level window, for what no event said. Measured (bench/watcher_cost),
    // a look over 47 windows takes 2.3 ms under Wine, where every window enumerated is a trip to
    // the server (on Windows far less): once every 3 s it stays under 0.1 % of a core.
    static constexpr uint32_t kLookMs = 3000;
    // A window of a kind the hook knows is the hook's to announce; one the program does not hold
    // this long after it is first seen shown (the other architecture, a process that refuses the
    // hook, a window shown with its title already set) is announced from here. Nothing but the
    // program's own lists decides that: not what any process may write in the hook's shared block.
    static constexpr uint32_t kHookGraceMs = 300;

    CWindowWatcher(WindowSeam& seam, CKnownWindows& known, const CSettingsModel& settings, Clock& clock,
                   WatcherHost& host)
        : m_seam(seam), m_known(known), m_settings(settings), m_timers(clock), m_host(host)
    {
    }

    // The first look, and the rounds that follow.
    void Start();
    void OnEvent(WindowEvent event, WindowHandle window);
    // Its timer: a look, or a window's grace over.
    void OnWake();

private:
    enum Job { Look = 1, GraceOver = 2, LookSoon = 3, LookAgain = 4 };
    struct Watched {
        // NoKind: of no targeted kind, and never will be (its class, its program). Followed: its
        // title and its end are reported from here (announced here, or held).
        enum State { NoKind, Candidate, Followed } state = Candidate;
        std::u16string title;  // as last reported
        uint32_t firstShown = 0;
        bool seenShown = false;
        bool cloaked = false;  // by the last cloaking event: the system may not say so when asked
    };

    // NEXT_ROUND: the round of looks goes on from this one.
    void LookOver(bool nextRound);
    Watched* See(WindowHandle window);
    void Consider(WindowHandle window, Watched& watched);
    // Whether the hook has had its time to announce a window of its kinds.
    bool HookGraceOver(WindowHandle window, Watched& watched);
    void Follow(WindowHandle window, Watched& watched, std::u16string title);
    void FollowTitle(WindowHandle window, Watched& watched);
    void FollowHeldWindows();
    void Forget(WindowHandle window);

    WindowSeam& m_seam;
    CKnownWindows& m_known;
    const CSettingsModel& m_settings;
    CTimerQueue m_timers;
    WatcherHost& m_host;
    std::unordered_map<WindowHandle, Watched> m_watched;
    int m_mask = 0;  // the target mask the windows were first seen with
};
