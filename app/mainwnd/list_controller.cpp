#include "mainwnd/list_controller.h"

#include "capture/filters.h"
#include "hooklib/hook_protocol.h"
#include "mainwnd/list_rules.h"
#include "win/assert.h"

namespace {

// A browser retitles in bursts; its title is read once it has been still for a moment. A title
// that never stands still is still read now and then.
constexpr uint32_t kTitleSettleMs = 100;
constexpr uint32_t kTitleMaxWaitMs = 500;
// HN_DESTROYED comes while the window is being destroyed; it is gone a moment later.
constexpr uint32_t kDestroyRecheckMs = 50;
constexpr uint32_t kDestroyMaxWaitMs = 1000;

}  // namespace

CListController::CListController(const ListControllerParts& parts)
    : m_display(parts.display),
      m_timers(parts.clock),
      m_seam(parts.seam),
      m_settings(parts.settings),
      m_mover(parts.mover),
      m_capture(parts.capture)
{
}

WindowHandle CListController::WindowAt(int index) const
{
    if (!PELORUS_ASSERT(index >= 0 && index < Count()))
        return 0;  // no window: whatever would be done to it fails harmlessly
    return m_entries[static_cast<size_t>(index)].window;
}

int CListController::FindListIndex(WindowHandle window) const
{
    for (int i = 0; i < Count(); ++i)
        if (WindowAt(i) == window)
            return i;
    return -1;
}

void CListController::OnNewWindow(WindowHandle window, int type, WindowFacts* seen)
{
    if (HeldForRelease(window, type))
        return;
    const CCaptureState::NewWindow taken = m_capture.TakeNewWindow(window, type, FindListIndex(window) >= 0, seen);
    if (!taken.toList)
        return;
    const SettingsValues& s = m_settings.Values();
    const NewEntryPlan plan = PlanNewEntry(Count(), m_nCurrent, s.nListMode, s.nNewWindowMode);
    if (!PELORUS_ASSERT(plan.position >= 0 && plan.position <= Count()))
        return;  // nowhere to list it: it stays as it is, on the desktop
    bool placementOwed = false;
    if (plan.keepCurrentShown) {
        m_mover.Hide(window);
    } else {
        placementOwed = !m_mover.PlaceNew(window, taken.popup);
        if (m_nCurrent >= 0)
            m_mover.Hide(WindowAt(m_nCurrent));
    }
    InsertEntry(plan.position, window, type, taken.title);
    m_entries[static_cast<size_t>(plan.position)].placementOwed = placementOwed;
    if (plan.select)
        m_display.SelectItem(plan.position);
    m_nCurrent = plan.current;
    RefreshMarks();
}

void CListController::InsertEntry(int position, WindowHandle window, int type, const std::u16string& title)
{
    m_entries.insert(m_entries.begin() + position, ListEntry{window, type, title, false, false});
    m_display.InsertItem(position, title, window, type);
}

void CListController::OnTitleChanged(WindowHandle window)
{
    if (FindListIndex(window) >= 0 || m_capture.CloseList().Contains(window))
        m_timers.Schedule(window, SettleTitle, kTitleSettleMs, kTitleMaxWaitMs);
}

void CListController::OnTitleSettled(WindowHandle window)
{
    const int index = FindListIndex(window);
    if (index < 0) {
        m_capture.ParkedTitleChanged(window);
        return;
    }
    ListEntry& entry = m_entries[static_cast<size_t>(index)];
    entry.title = m_seam.TitleOf(window, kListTitleSize);
    m_display.SetItemText(index, entry.title, entry.unresponsive);
    // The title filter alone decides here, whatever the master switch says.
    const SettingsValues& s = m_settings.Values();
    if (!s.bFilterUseTitle)
        return;
    if (const FilterMatch match = MatchTitleFilter(entry.title, entry.type, s.arrFilterTitle)) {
        m_capture.Park(window, entry.type, match);
        RemoveListEntry(index);
    }
}

void CListController::OnDestroyed(WindowHandle window)
{
    if (FindListIndex(window) < 0 && !m_capture.CloseList().Contains(window))
        return;
    if (m_seam.IsAlive(window))
        m_timers.Schedule(window, ConfirmDestruction, kDestroyRecheckMs, kDestroyRecheckMs);
    else
        Forget(window);
}

void CListController::OnDestructionDue(const CTimerQueue::Job& job)
{
    if (!m_seam.IsAlive(job.window))
        Forget(job.window);
    else if (m_timers.AgeOf(job) < kDestroyMaxWaitMs)
        m_timers.Repeat(job, kDestroyRecheckMs);
    // Still alive after that: a false report. The tick drops the entry if it dies later.
}

void CListController::OnWake()
{
    for (const CTimerQueue::Job& job : m_timers.TakeDue()) {
        if (job.kind == SettleTitle)
            OnTitleSettled(job.window);
        else if (job.kind == ConfirmDestruction)
            OnDestructionDue(job);
        else
            OnReleaseDue();
    }
}

// A window that is gone: its entry, or its Close-list slot, goes with it.
void CListController::Forget(WindowHandle window)
{
    m_capture.Forget(window);
    const int index = FindListIndex(window);
    if (index >= 0)
        RemoveListEntry(index);
}

std::vector<WindowHandle> CListController::HeldWindows() const
{
    std::vector<WindowHandle> held = m_capture.HeldWindows();
    for (const ListEntry& entry : m_entries)
        held.push_back(entry.window);
    return held;
}

void CListController::RemoveListEntry(int index)
{
    m_entries.erase(m_entries.begin() + index);
    m_display.DeleteItem(index);
    if (m_nCurrent < index) {
        m_display.SelectItem(m_nCurrent);
        return;
    }
    const RemovalPlan plan = PlanRemoval(m_nCurrent, index, Count());
    m_nCurrent = plan.current;
    if (plan.placeAndRelease)
        ShowCurrent();
}

// The entry that became current is shown; one whose window has died unannounced is dropped in
// turn, so that a live window is shown if any is left.
void CListController::ShowCurrent()
{
    if (!PELORUS_ASSERT(m_nCurrent >= 0 && m_nCurrent < Count()))
        return;
    const WindowHandle window = WindowAt(m_nCurrent);
    if (!m_seam.IsAlive(window)) {
        m_capture.Forget(window);
        RemoveListEntry(m_nCurrent);
        return;
    }
    m_display.SelectItem(m_nCurrent);
    m_mover.ShowPlaced(window, IsPopup(window));
    RefreshMarks();
}

void CListController::OnWindowAnswered(WindowHandle window, uint32_t cookie)
{
    if (!m_mover.OnResponded(window, cookie))
        return;
    const int index = FindListIndex(window);
    if (index < 0) {
        m_capture.OnWindowAnswered(window);
        return;
    }
    ListEntry& entry = m_entries[static_cast<size_t>(index)];
    // Under the relay window, or out of sight on the desktop (given back to be closed).
    const bool hidden = m_seam.IsUnderRelay(window) || !m_seam.IsVisible(window);
    if (index == m_nCurrent && (hidden || entry.placementOwed)) {
        if (m_mover.ShowPlaced(window, IsPopup(window)))
            entry.placementOwed = false;
    } else if (index != m_nCurrent && !hidden) {
        if (m_mover.Hide(window))
            entry.placementOwed = false;  // placed when it is next shown
    }
    RefreshMarks();
}

void CListController::OnTick()
{
    for (int i = Count() - 1; i >= 0; --i)
        if (i < Count() && !m_seam.IsAlive(WindowAt(i)))
            Forget(WindowAt(i));
    // A window asked to close that refused is shown: it may be asking its user why.
    for (WindowHandle refused : m_capture.OnTick())
        if (const int index = FindListIndex(refused); index >= 0)
            SwitchTo(index);
    RefreshMarks();
}

void CListController::OnRelayWindow()
{
    for (int i = 0; i < Count(); ++i) {
        const WindowHandle window = WindowAt(i);
        if (i != m_nCurrent && m_seam.IsAlive(window) && !m_seam.IsUnderRelay(window))
            m_mover.Hide(window);
    }
    m_capture.OnRelayWindow();
}

void CListController::SwitchTo(int index)
{
    if (index >= 0 && index < Count()) {
        const WindowHandle window = WindowAt(index);
        if (!m_seam.IsAlive(window)) {
            Forget(window);
        } else if (index == m_nCurrent) {
            m_mover.BringToTop(window);
        } else if (m_mover.ShowPlaced(window, IsPopup(window))) {
            // The new window is shown before the old one is hidden. One that does not answer
            // cannot be shown: the current entry stays.
            if (m_nCurrent >= 0)
                m_mover.Hide(WindowAt(m_nCurrent));
            m_nCurrent = index;
        }
    }
    if (m_nCurrent >= 0)
        m_display.SelectItem(m_nCurrent);
    RefreshMarks();
}

void CListController::KeepSelection(int index)
{
    if (index >= 0)
        m_display.SelectItem(index);
    else if (m_nCurrent >= 0)
        m_display.SelectItem(m_nCurrent);
}

void CListController::CloseEntry(int index)
{
    // The entry goes when its window is destroyed; one that refuses stays listed, and is shown.
    if (index >= 0 && index < Count())
        m_mover.AskToClose(WindowAt(index), true);
}

bool CListController::TakeFixedRectangle()
{
    if (!m_settings.Values().bSizePos || m_nCurrent < 0)
        return false;
    NormalRect normal;
    int showCmd = 0;
    return m_seam.PlacementOf(WindowAt(m_nCurrent), normal, showCmd) && m_settings.TakeFixedRectangle(normal, showCmd);
}

void CListController::Exit(bool closeWindows)
{
    for (const ListEntry& entry : m_entries) {
        if (closeWindows)
            m_mover.AskToClose(entry.window);
        else
            m_mover.Release(entry.window);
    }
    m_capture.Exit();
}

void CListController::NoteShown()
{
    if (m_nCurrent >= 0 && m_nCurrent < Count() && WindowAt(m_nCurrent) != m_lastShown) {
        m_lastShown = WindowAt(m_nCurrent);
        m_entries[static_cast<size_t>(m_nCurrent)].lastShown = ++m_showings;
    }
}

void CListController::RefreshMarks()
{
    NoteShown();
    for (int i = 0; i < Count(); ++i) {
        ListEntry& entry = m_entries[static_cast<size_t>(i)];
        const bool unresponsive = m_mover.IsUnresponsive(entry.window);
        if (unresponsive != entry.unresponsive) {
            entry.unresponsive = unresponsive;
            m_display.SetItemText(i, entry.title, unresponsive);
        }
    }
}
