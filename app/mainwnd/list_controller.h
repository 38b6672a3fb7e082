// The browser-window list and every rule it follows, free of the platform: which notifications
// are acted on, where a new window goes and which window is shown, what a title change, a
// destruction, a switch or a window that stops answering does, and what the exit does with each
// window. It acts on windows through the window seam and shows the list through ListDisplay; the
// main dialog routes messages to it and owns the Win32 resources.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "capture/sweep_list.h"
#include "mainwnd/list_display.h"
#include "settings/settings_model.h"
#include "win/window_seam.h"

// The index of the entry whose window is shown; -1 for none.
extern int g_nCurrent;
// The show command a placed window gets: 1 (normal), or 3 (maximised) once the fixed rectangle
// was taken from a maximised window. Every run starts normal.
extern int g_nShowCmd;

struct ListEntry {
    WindowHandle window;
    int type;
    std::string title;
    bool unresponsive;   // its window did not answer when something was to be done to it
    bool placementOwed;  // shown, but not yet placed: it did not answer when it came
};

// Milliseconds, and one timer: OnWake is called once DELAY_MS have passed; a later call of
// WakeAfter replaces an earlier one.
class Clock {
public:
    virtual ~Clock() = default;
    virtual uint32_t Now() = 0;
    virtual void WakeAfter(uint32_t delayMs) = 0;
};

class CListController {
public:
    CListController(ListDisplay& display, Clock& clock, const MainDialogSettings& settings);

    // Notifications: hints to look, not facts.
    void OnNewWindow(WindowHandle window, int type);
    void OnTitleChanged(WindowHandle window);
    void OnDestroyed(WindowHandle window);
    // A window that did not answer has answered a probe (COOKIE): what was left undone is done now.
    void OnWindowAnswered(WindowHandle window, uint32_t cookie);
    // Every half second: windows that died unannounced, probes, refused closes.
    void OnTick();
    // A relay window has come (the keeper was late, or is new): each window that should be
    // hidden but had nowhere to go is hidden now.
    void OnRelayWindow();
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
    // Filtering switched on: the listed windows recorded as pop-ups go to the Close list, whose
    // capacity becomes filtering's.
    void MovePopupsToCloseList();

    // Start and exit.
    SweepList SweepBrowserWindows();
    // Every listed window back on the desktop, or, with CLOSE_WINDOWS, asked to close where it is;
    // the parked ones asked to close; every other hidden window back on the desktop. A window
    // asked to close, or one that does not answer, stays under the relay window, which gives it
    // back if it is still there a moment later, as soon as it answers.
    void Exit(bool closeWindows);

    int Count() const { return static_cast<int>(m_entries.size()); }
    const std::vector<ListEntry>& Entries() const { return m_entries; }
    const ListEntry& Entry(int index) const { return m_entries[index]; }
    int FindListIndex(WindowHandle window) const;

private:
    enum class Wait { Title, Destruction };
    struct Pending {
        WindowHandle window;
        Wait wait;
        uint32_t due;
        uint32_t since;
    };

    bool IsAcceptable(WindowHandle window, int type);
    void InsertEntry(int position, WindowHandle window, int type);
    void RemoveListEntry(int index);
    // Deletes the entries for which TAKE is true, from the last to the first (TAKE does what the
    // window needs), keeping g_nCurrent on the same entry or the nearest remaining one before it.
    // True when the current entry was among them.
    template <class Take>
    bool TakeEntries(Take take);
    void ShowCurrent();
    void Forget(WindowHandle window);
    void SettleTitle(WindowHandle window);
    void CheckDestroyed(const Pending& pending);
    void Schedule(WindowHandle window, Wait wait, uint32_t delayMs, uint32_t maxWaitMs);
    void Arm();
    void PlaceBrowserWindow(WindowHandle window, int showCmd);
    bool Hide(WindowHandle window);
    bool ShowPlaced(WindowHandle window);
    void RefreshMarks();

    ListDisplay& m_display;
    Clock& m_clock;
    const MainDialogSettings& m_settings;
    std::vector<ListEntry> m_entries;
    std::vector<Pending> m_pending;
};
