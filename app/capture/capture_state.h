// What the capture engine holds beside the browser-window list: the Close list, the pop-up table
// and the windows the start-up sweep found; and the rounds that keep them true. The main window
// hands it to the list controller, as it hands it the list's display and the clock.
#pragma once

#include <string>

#include "capture/close_list.h"
#include "capture/popup_table.h"
#include "capture/sweep_list.h"
#include "capture/window_mover.h"

class CCaptureState {
public:
    CCaptureState(WindowSeam& seam, CWindowMover& mover, const CSettingsModel& settings)
        : m_seam(seam), m_mover(mover), m_settings(settings), m_closeList(seam, m_popups, mover, settings)
    {
    }
    CCaptureState(const CCaptureState&) = delete;
    CCaptureState& operator=(const CCaptureState&) = delete;

    CPopupTable& Popups() { return m_popups; }
    const CPopupTable& Popups() const { return m_popups; }
    CCloseList& CloseList() { return m_closeList; }
    const CCloseList& CloseList() const { return m_closeList; }
    SweepList& Swept() { return m_swept; }

    // A window a notification names as of TYPE: its facts read once, the decision made once,
    // then acted on. It is recorded as a pop-up, parked if filtered; what is left is for the list
    // (LISTED: the list has it already).
    struct NewWindow {
        bool toList = false;
        bool popup = false;
        std::u16string title;  // as the list shows it
    };
    NewWindow TakeNewWindow(WindowHandle window, int type, bool listed);
    // Held outside the list: parked, or asked to close (and given a moment to).
    bool Holds(WindowHandle window) const;
    // A window that did not answer has answered: a parked one is hidden, and one hidden in no
    // list (given up while it did not answer) goes back to the desktop.
    void OnWindowAnswered(WindowHandle window);
    // Twice a second: parked windows that died unannounced and dead pop-ups are forgotten, and
    // the mover makes its rounds.
    void OnTick();
    // At exit, once the list's own windows are dealt with: every parked window asked to close,
    // every other hidden window back on the desktop (one that does not answer is left for the
    // keeper, which gives it back once it does).
    void Exit();

private:
    WindowSeam& m_seam;
    CWindowMover& m_mover;
    const CSettingsModel& m_settings;
    CPopupTable m_popups;
    CCloseList m_closeList;
    SweepList m_swept;
};
