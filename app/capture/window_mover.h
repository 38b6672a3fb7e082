// Everything done to another program's window goes through here: hiding it under the relay
// window, showing it placed in the fixed rectangle, giving it back to the desktop, asking it to
// close. Re-parenting, placing or showing another thread's window waits for that thread, and a
// browser that has stopped answering would hold the program with it: so whatever needs the
// window's thread is done only when the thread answers. A window that does not is left as it is,
// asked again now and then without waiting, and dealt with once it answers.
//
// A hidden window asked to close is first given back to the desktop, still hidden: some browsers
// close a window by asking its root window, and while it is hidden its root is the relay window,
// which closes for nobody. One still there a moment later refused: it is shown again, never
// hidden for good.
#pragma once

#include <cstdint>
#include <vector>

#include "settings/settings_model.h"
#include "win/window_seam.h"

// Placing a window whose normal rectangle is NORMAL. False: only show it with the show command
// (Size_Pos off, or no rectangle recorded). True: NORMAL is set to where it goes; a pop-up keeps
// its size and is only moved.
bool PlanPlacement(bool sizePos, const FixedRect& fixed, bool isPopup, NormalRect& normal);

class CWindowMover {
public:
    CWindowMover(WindowSeam& seam, const CSettingsModel& settings) : m_seam(seam), m_settings(settings) {}

    // False at once for a window known not to answer; otherwise it is asked, and one that does
    // not answer is remembered (and probed).
    bool IsResponsive(WindowHandle window);
    bool IsUnresponsive(WindowHandle window) const;
    // A probe came back: the window is asked again, like any other, next time. Only an answer
    // that carries the probe's COOKIE counts (any program can post the message that brings it).
    bool OnResponded(WindowHandle window, uint32_t cookie);

    // Each false, with nothing done, for a window that does not answer.
    bool Hide(WindowHandle window);                    // under the relay window (none yet: false)
    bool Release(WindowHandle window);                 // to the desktop, as it is
    bool Place(WindowHandle window, bool popup);       // in the fixed rectangle, or only shown
    // A new window, on the desktop already: placed so too, but only shown (no fixed rectangle
    // to put it in) without waiting for its thread at all.
    bool PlaceNew(WindowHandle window, bool popup);
    bool ShowPlaced(WindowHandle window, bool popup);  // placed, then released
    bool BringToTop(WindowHandle window);

    // Asks WINDOW to close; hidden, it is given back to the desktop hidden first (once it answers,
    // if it does not now). LISTED: the list keeps it until it goes, and shows it should it refuse;
    // one outside every list that refuses is shown here.
    void AskToClose(WindowHandle window, bool listed = false);
    bool IsClosing(WindowHandle window) const;
    std::vector<WindowHandle> ClosingWindows() const;

    // Twice a second: the remembered windows probed now and then (dead ones forgotten), those
    // waiting to be asked to close asked once they answer, and those whose moment to close is
    // over and are still there shown. Returns the listed ones among these, for the list to show.
    std::vector<WindowHandle> OnTick();
    // At exit: whether any window asked to close is still there (those gone are forgotten), and,
    // once their moment is over, those left shown, since no program will show them later. One
    // never asked (it did not answer) is still hidden, and the keeper gives it back.
    bool ClosesPending();
    void ShowRefusedCloses();

private:
    struct Unresponsive {
        WindowHandle window;
        uint32_t cookie;  // unguessable: only the probe's own answer carries it
        int ticksToProbe;
    };
    struct Closing {
        WindowHandle window;
        int ticksLeft;
        bool asked;   // given back hidden (if it was hidden) and asked; not yet: it did not answer
        bool listed;  // the list's to show, should it refuse
    };

    // Gives WINDOW back hidden if it is hidden, and asks it to close; false when it does not answer.
    bool Ask(WindowHandle window);
    void ForgetOutOfSight(WindowHandle window);
    std::vector<WindowHandle> SettleCloses();

    WindowSeam& m_seam;
    const CSettingsModel& m_settings;
    std::vector<Unresponsive> m_unresponsive;
    std::vector<Closing> m_closing;
    // Given back out of sight and not shown since: hidden again, each is made visible again as a
    // child of the hidden relay window, or a later giving back would leave it out of sight.
    std::vector<WindowHandle> m_outOfSight;
};
