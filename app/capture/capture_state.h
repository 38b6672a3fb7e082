// What the capture engine holds beside the browser-window list: the Close list, the pop-up table,
// the windows the start-up sweep found, and the known windows' class and program; and the rounds
// that keep them true. It alone writes its tables: the list, the sweeps, the Close-list dialog
// and the settings ask it through the operations below, and read the tables as they are.
#pragma once

#include <string>
#include <vector>

#include "capture/close_list.h"
#include "capture/popup_table.h"
#include "capture/sweep_list.h"
#include "capture/window_facts.h"
#include "capture/window_mover.h"

class CCaptureState {
public:
    CCaptureState(WindowSeam& seam, CWindowMover& mover, const CSettingsModel& settings)
        : m_seam(seam), m_mover(mover), m_settings(settings), m_known(seam), m_closeList(seam, mover, settings)
    {
    }
    CCaptureState(const CCaptureState&) = delete;
    CCaptureState& operator=(const CCaptureState&) = delete;

    const CPopupTable& Popups() const { return m_popups; }
    const CCloseList& CloseList() const { return m_closeList; }
    const SweepList& Swept() const { return m_swept; }
    // What never changes of a window, read once; the watcher keeps it to the windows there are.
    CKnownWindows& Known() { return m_known; }
    FactReader Reader() { return {m_seam, m_known}; }

    // A window a notification names as of TYPE: decided once, from facts each read once (SEEN:
    // those read already, by the watcher that announces it), then acted on. It is recorded as a
    // pop-up, parked if filtered; what is left is for the list (LISTED: the list has it already).
    struct NewWindow {
        bool toList = false;
        bool popup = false;
        std::u16string title;  // as the list shows it
    };
    NewWindow TakeNewWindow(WindowHandle window, int type, bool listed, WindowFacts* seen = nullptr);
    // Held outside the list: parked, or asked to close (and given a moment to).
    bool Holds(WindowHandle window) const;
    std::vector<WindowHandle> HeldWindows() const;

    // The start-up's sweep.
    void TakeSweep(const SweepList& swept) { m_swept = swept; }
    // A listed window filtered after all (its new title, the pop-up rule switched on): parked.
    void Park(WindowHandle window, int type, const FilterMatch& reason);
    // A window gone, or given back to the desktop for good: out of every table.
    void Forget(WindowHandle window);
    // A parked window's title changed: in close mode it is asked to close; the dialog shows it.
    void ParkedTitleChanged(WindowHandle window);
    // The Close-list dialog's: one parked window asked to close, or every one.
    void CloseParked(WindowHandle window);
    void CloseAllParked() { m_closeList.CloseAll(); }
    // The open Close-list dialog, told of every change while it runs; ended at exit.
    void AttachCloseListDialog(CloseListObserver* dialog) { m_closeList.AttachDialog(dialog); }
    void DetachCloseListDialog(CloseListObserver* dialog) { m_closeList.DetachDialog(dialog); }
    void CloseCloseListDialog() { m_closeList.CloseDialog(); }

    // The relay window came: parked windows with nowhere to go before are hidden now.
    void OnRelayWindow() { m_closeList.HideStrays(); }
    // A window that did not answer has answered: a parked one is hidden, and one hidden in no
    // list (given up while it did not answer) goes back to the desktop.
    void OnWindowAnswered(WindowHandle window);
    // Twice a second: parked windows that died unannounced and dead pop-ups are forgotten, and
    // the mover makes its rounds. Returns the listed windows that refused to close.
    std::vector<WindowHandle> OnTick();
    // At exit, once the list's own windows are dealt with: every parked window asked to close,
    // every other hidden window back on the desktop (one that does not answer is left for the
    // keeper, which gives it back once it does).
    void Exit();

private:
    WindowSeam& m_seam;
    CWindowMover& m_mover;
    const CSettingsModel& m_settings;
    CKnownWindows m_known;
    CPopupTable m_popups;
    CCloseList m_closeList;
    SweepList m_swept;
};
