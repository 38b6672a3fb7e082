// The browser-window list and the rules of its current entry, free of the platform: which
// notified windows enter it and where, which entry's window is shown, what a title change, a
// destruction, a switch or a window that stops answering does to the list, and what the exit does
// with each listed window. It shows the list through ListDisplay, acts on windows through the
// mover, keeps the Close list and the pop-up table in the capture state, and waits through the
// timer queue; the main dialog routes messages to it.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "capture/capture_state.h"
#include "capture/sweep_list.h"
#include "capture/window_mover.h"
#include "settings/settings_model.h"
#include "ui/list_display.h"
#include "win/timer_queue.h"
#include "win/window_seam.h"

struct ListEntry {
    WindowHandle window;
    int type;
    std::u16string title;
    bool unresponsive;   // its window did not answer when something was to be done to it
    bool placementOwed;  // shown, but not yet placed: it did not answer when it came
    uint32_t lastShown = 0;  // when it was last the shown one, counted in showings; 0: never
};

// What the list is handed: where it shows itself, its clock, and the rooms it works with.
struct ListControllerParts {
    ListDisplay& display;
    Clock& clock;
    WindowSeam& seam;
    CSettingsModel& settings;
    CWindowMover& mover;
    CCaptureState& capture;
};

class CListController {
public:
    explicit CListController(const ListControllerParts& parts);

    // Notifications: hints to look, not facts. SEEN: what its announcer read of it already.
    void OnNewWindow(WindowHandle window, int type, WindowFacts* seen = nullptr);
    void OnTitleChanged(WindowHandle window);
    void OnDestroyed(WindowHandle window);
    // A window that did not answer has answered a probe (COOKIE): what was left undone is done now.
    void OnWindowAnswered(WindowHandle window, uint32_t cookie);
    // Every half second: windows that died unannounced, probes, refused closes.
    void OnTick();
    // A relay window has come (the keeper was late, or is new): each window that should be
    // hidden but had nowhere to go is hidden now.
    void OnRelayWindow();
    // The timer queue's wake: titles that stood still, destructions to confirm.
    void OnWake();

    // The user. INDEX is the entry the list had selected, -1 for none.
    void SwitchTo(int index);
    void KeepSelection(int index);
    void CloseEntry(int index);
    bool TakeFixedRectangle();

    // The target browsers changed from OLD_MASK to NEW_MASK: the windows of types no longer
    // targeted are given back to the desktop and leave the list, and a new current entry's window
    // is shown. Returns the open windows of newly targeted types, for the caller to hand to the
    // hook and announce, as the start-up does.
    SweepList ApplyTargetBrowserChange(int oldMask, int newMask);
    // Filtering switched on: the listed windows recorded as pop-ups go to the Close list.
    void MovePopupsToCloseList();

    // Every listed window back on the desktop, or, with CLOSE_WINDOWS, asked to close where it is;
    // then the capture state's own (the parked asked to close, any other hidden window back). A
    // window asked to close, or one that does not answer, stays under the relay window, which
    // gives it back if it is still there a moment later, as soon as it answers.
    void Exit(bool closeWindows);

    // The program has it: listed, parked, or asked to close (and given a moment to).
    bool Holds(WindowHandle window) const { return FindListIndex(window) >= 0 || m_capture.Holds(window); }
    std::vector<WindowHandle> HeldWindows() const;

    int Count() const { return static_cast<int>(m_entries.size()); }
    const std::vector<ListEntry>& Entries() const { return m_entries; }
    int FindListIndex(WindowHandle window) const;
    // g_nCurrent: the index of the entry whose window is shown; -1 for none.
    int Current() const { return m_nCurrent; }

private:
    enum Job { SettleTitle = 1, ConfirmDestruction = 2, AwaitRelease = 3 };

    void InsertEntry(int position, WindowHandle window, int type, const std::u16string& title);
    void RemoveListEntry(int index);
    // Deletes the entries for which TAKE is true, from the last to the first (TAKE does what the
    // window needs), keeping the current entry on the same entry or the nearest remaining one
    // before it. True when the current entry was among them.
    template <class Take>
    bool TakeEntries(Take take);
    void ShowCurrent();
    void Forget(WindowHandle window);
    void OnTitleSettled(WindowHandle window);
    void OnDestructionDue(const CTimerQueue::Job& job);
    // True when WINDOW came while the mouse button is held: it is taken once the button is let go.
    bool HeldForRelease(WindowHandle window, int type);
    void OnReleaseDue();
    bool IsPopup(WindowHandle window) const { return m_capture.Popups().Contains(window); }
    WindowHandle WindowAt(int index) const;
    void RefreshMarks();
    // The current entry's window is the one shown last.
    void NoteShown();

    ListDisplay& m_display;
    CTimerQueue m_timers;
    WindowSeam& m_seam;
    CSettingsModel& m_settings;
    CWindowMover& m_mover;
    CCaptureState& m_capture;
    std::vector<ListEntry> m_entries;
    int m_nCurrent = -1;
    uint32_t m_showings = 0;
    WindowHandle m_lastShown = 0;
    // Windows that came while the mouse button was held: a tab being dragged out.
    std::vector<std::pair<WindowHandle, int>> m_awaitingRelease;
};
