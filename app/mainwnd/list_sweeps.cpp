// The list changed in one sweep rather than entry by entry, when the settings sheet's OK asks:
// the target browsers changed, or filtering was switched on.
#include "capture/filters.h"
#include "hooklib/hook_protocol.h"
#include "mainwnd/list_controller.h"

template <class Take>
bool CListController::TakeEntries(Take take)
{
    const int current = m_nCurrent;
    int before = 0;  // taken entries that stood before the current one
    bool currentTaken = false;
    for (int i = Count() - 1; i >= 0; --i) {
        const ListEntry entry = m_entries[static_cast<size_t>(i)];
        if (!take(entry))
            continue;
        m_entries.erase(m_entries.begin() + i);
        m_display.DeleteItem(i);
        if (i == current)
            currentTaken = true;
        else if (i < current)
            ++before;
    }
    if (current >= 0) {
        // The nearest remaining entry before a taken current one: those before it, less the taken.
        m_nCurrent = currentTaken ? current - 1 - before : current - before;
        // None before it, but some after: the first of them, rather than no window shown at all.
        if (m_nCurrent < 0 && Count() > 0)
            m_nCurrent = 0;
    }
    if (m_nCurrent >= 0)
        m_display.SelectItem(m_nCurrent);
    return currentTaken;
}

SweepList CListController::ApplyTargetBrowserChange(int oldMask, int newMask)
{
    const bool currentTaken = TakeEntries([&](const ListEntry& entry) {
        if (newMask & TargetBit(entry.type))
            return false;
        // One that does not answer is released by the relay window when it does, at the latest.
        m_mover.ShowPlaced(entry.window, IsPopup(entry.window));
        m_capture.Forget(entry.window);
        return true;
    });
    if (currentTaken && m_nCurrent >= 0)
        ShowCurrent();
    RefreshMarks();
    return NewlyTargeted(SweepBrowserWindows(m_capture.Reader()), oldMask, newMask);
}

void CListController::MovePopupsToCloseList()
{
    const bool currentTaken = TakeEntries([&](const ListEntry& entry) {
        if (!IsPopup(entry.window))
            return false;
        m_capture.Park(entry.window, entry.type, {FilterRule::Popup, {}});
        return true;
    });
    if (currentTaken && m_nCurrent >= 0)
        ShowCurrent();
}
