// Everything done to another program's window goes through here: hiding it under the relay
// window, showing it placed in the fixed rectangle, giving it back to the desktop, asking it to
// close. Re-parenting, placing or showing another thread's window waits for that thread, and a
// browser that has stopped answering would hold the program with it: so whatever needs the
// window's thread is done only when the thread answers. A window that does not is left as it is,
// asked again now and then without waiting, and dealt with once it answers. A window asked to
// close outside every list and still hidden a moment later goes back to the desktop: never
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

    // Asks a listed window to close: it stays where it is, and listed, until it goes.
    void PostClose(WindowHandle window) { m_seam.PostClose(window); }
    // Asks a window outside every list to close. One still alive and hidden a moment later (it
    // refused, or it does not answer) goes back to the desktop, once it answers.
    void AskToClose(WindowHandle window);
    bool IsClosing(WindowHandle window) const;
    std::vector<WindowHandle> ClosingWindows() const;

    // Twice a second: the remembered windows probed now and then (dead ones forgotten), and the
    // windows whose moment to close is over given back.
    void OnTick();

private:
    struct Unresponsive {
        WindowHandle window;
        uint32_t cookie;  // unguessable: only the probe's own answer carries it
        int ticksToProbe;
    };
    struct Closing {
        WindowHandle window;
        int ticksLeft;
    };

    void ReleaseRefusedCloses();

    WindowSeam& m_seam;
    const CSettingsModel& m_settings;
    std::vector<Unresponsive> m_unresponsive;
    std::vector<Closing> m_closing;
};
