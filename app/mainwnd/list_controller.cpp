#include "mainwnd/list_controller.h"

#include <algorithm>

#include "capture/close_list.h"
#include "capture/filters.h"
#include "capture/popup_table.h"
#include "capture/responsive.h"
#include "hooklib/hook_protocol.h"
#include "mainwnd/list_rules.h"

int g_nCurrent = -1;
int g_nShowCmd = kShowNormal;

namespace {

// A browser retitles in bursts; its title is read once it has been still for a moment. A title
// that never stands still is still read now and then.
constexpr uint32_t kTitleSettleMs = 100;
constexpr uint32_t kTitleMaxWaitMs = 500;
// HN_DESTROYED comes while the window is being destroyed; it is gone a moment later.
constexpr uint32_t kDestroyRecheckMs = 50;
constexpr uint32_t kDestroyMaxWaitMs = 1000;

bool IsDue(uint32_t due, uint32_t now)
{
    return static_cast<int32_t>(due - now) <= 0;  // the tick count wraps
}

}  // namespace

CListController::CListController(ListDisplay& display, Clock& clock, const MainDialogSettings& settings)
    : m_display(display), m_clock(clock), m_settings(settings)
{
    g_nCurrent = -1;
}

int CListController::FindListIndex(WindowHandle window) const
{
    for (int i = 0; i < Count(); ++i)
        if (m_entries[i].window == window)
            return i;
    return -1;
}

// Any process can post a notification: the window must be a live, top-level, unowned window of
// another program, of a targeted type its class agrees with, and not one we hold already or have
// asked to close (its grace period would give it back to the desktop while listed).
bool CListController::IsAcceptable(WindowHandle window, int type)
{
    if (type < 0 || type >= kBrowserTypeCount || !(g_nTargetBrowser & TargetBit(type)))
        return false;
    if (FindListIndex(window) >= 0 || IsParked(window) || IsClosing(window))
        return false;
    const WindowFacts facts = Seam().FactsOf(window);
    return facts.alive && facts.topLevel && !facts.owned && !facts.ours &&
           IsBrowserOfType(facts.className, Seam().TitleOf(window, 512), type);
}

void CListController::OnNewWindow(WindowHandle window, int type)
{
    if (!IsAcceptable(window, type))
        return;
    if (LooksLikePopup(window, type))
        AddPopup(window);
    if (g_bFilter && FilterNewWindow(window, type))
        return;
    const NewEntryPlan plan = PlanNewEntry(Count(), g_nCurrent, m_settings.m_nListMode, m_settings.m_nNewWindowMode);
    bool placementOwed = false;
    if (plan.keepCurrentShown) {
        Hide(window);
    } else {
        placementOwed = !IsResponsive(window);
        if (!placementOwed)
            PlaceBrowserWindow(window, g_nShowCmd);
        if (g_nCurrent >= 0)
            Hide(m_entries[g_nCurrent].window);
    }
    InsertEntry(plan.position, window, type);
    m_entries[plan.position].placementOwed = placementOwed;
    if (plan.select)
        m_display.SelectItem(plan.position);
    g_nCurrent = plan.current;
    RefreshMarks();
}

void CListController::InsertEntry(int position, WindowHandle window, int type)
{
    const std::string title = Seam().TitleOf(window, kListTitleSize);
    m_entries.insert(m_entries.begin() + position, ListEntry{window, type, title, false, false});
    m_display.InsertItem(position, title, window, type);
}

void CListController::OnTitleChanged(WindowHandle window)
{
    if (FindListIndex(window) >= 0 || IsParked(window))
        Schedule(window, Wait::Title, kTitleSettleMs, kTitleMaxWaitMs);
}

void CListController::SettleTitle(WindowHandle window)
{
    const int index = FindListIndex(window);
    if (index < 0) {
        OnParkedTitleChanged(window);
        if (g_pCloseListDlg)
            g_pCloseListDlg->UpdateParkedWindowTitle(window);
        return;
    }
    ListEntry& entry = m_entries[index];
    entry.title = Seam().TitleOf(window, kListTitleSize);
    m_display.SetItemText(index, entry.title, entry.unresponsive);
    // The title filter alone decides here, whatever the master switch says.
    if (g_bFilterUseTitle && MatchTitleFilter(window, entry.type, entry.title.c_str())) {
        ParkWindow(window, entry.type);
        RemoveListEntry(index);
    }
}

void CListController::OnDestroyed(WindowHandle window)
{
    if (FindListIndex(window) < 0 && !IsParked(window))
        return;
    if (Seam().IsAlive(window))
        Schedule(window, Wait::Destruction, kDestroyRecheckMs, kDestroyRecheckMs);
    else
        Forget(window);
}

void CListController::CheckDestroyed(const Pending& pending)
{
    const uint32_t now = m_clock.Now();
    if (!Seam().IsAlive(pending.window))
        Forget(pending.window);
    else if (!IsDue(pending.since + kDestroyMaxWaitMs, now))
        m_pending.push_back({pending.window, Wait::Destruction, now + kDestroyRecheckMs, pending.since});
    // Still alive after that: a false report. The tick drops the entry if it dies later.
}

// A window that is gone: its entry, or its Close-list slot, goes with it.
void CListController::Forget(WindowHandle window)
{
    const int index = FindListIndex(window);
    if (index < 0) {
        OnParkedDestroyed(window);  // its row in the Close-list dialog goes with it
        return;
    }
    RemovePopup(window);
    RemoveListEntry(index);
}

void CListController::RemoveListEntry(int index)
{
    m_entries.erase(m_entries.begin() + index);
    m_display.DeleteItem(index);
    const int current = g_nCurrent;
    if (current < index) {
        m_display.SelectItem(current);
        return;
    }
    const RemovalPlan plan = PlanRemoval(current, index, Count());
    g_nCurrent = plan.current;
    if (plan.placeAndRelease)
        ShowCurrent();
}

// The entry that became current is shown; one whose window has died unannounced is dropped in
// turn, so that a live window is shown if any is left.
void CListController::ShowCurrent()
{
    const WindowHandle window = m_entries[g_nCurrent].window;
    if (!Seam().IsAlive(window)) {
        RemovePopup(window);
        RemoveListEntry(g_nCurrent);
        return;
    }
    m_display.SelectItem(g_nCurrent);
    ShowPlaced(window);
    RefreshMarks();
}

void CListController::OnWindowAnswered(WindowHandle window, uint32_t cookie)
{
    if (!OnResponded(window, cookie))
        return;
    const int index = FindListIndex(window);
    if (index < 0) {
        OnParkedResponded(window);
        // Hidden in no list (given up while it did not answer): back to the desktop.
        if (!IsParked(window) && !IsClosing(window) && Seam().IsUnderRelay(window))
            Seam().Release(window);
        return;
    }
    ListEntry& entry = m_entries[index];
    const bool hidden = Seam().IsUnderRelay(window);
    if (index == g_nCurrent && (hidden || entry.placementOwed)) {
        if (ShowPlaced(window))
            entry.placementOwed = false;
    } else if (index != g_nCurrent && !hidden) {
        if (Hide(window))
            entry.placementOwed = false;  // placed when it is next shown
    }
    RefreshMarks();
}

void CListController::OnTick()
{
    for (int i = Count() - 1; i >= 0; --i)
        if (i < Count() && !Seam().IsAlive(m_entries[i].window))
            Forget(m_entries[i].window);
    for (int i = kCloseListSlots - 1; i >= 0; --i)
        if (g_ahwndParked[i] && !Seam().IsAlive(g_ahwndParked[i]))
            Forget(g_ahwndParked[i]);
    ForgetDeadPopups();
    ProbeUnresponsive();
    ReleaseRefusedCloses();
    RefreshMarks();
}

void CListController::OnRelayWindow()
{
    for (int i = 0; i < Count(); ++i)
        if (i != g_nCurrent && Seam().IsAlive(m_entries[i].window) && !Seam().IsUnderRelay(m_entries[i].window))
            Hide(m_entries[i].window);
    for (WindowHandle parked : g_ahwndParked)
        if (parked && Seam().IsAlive(parked) && !Seam().IsUnderRelay(parked))
            Hide(parked);
}

void CListController::SwitchTo(int index)
{
    if (index >= 0 && index < Count()) {
        const WindowHandle window = m_entries[index].window;
        if (!Seam().IsAlive(window)) {
            Forget(window);
        } else if (index == g_nCurrent) {
            if (IsResponsive(window))
                Seam().BringToTop(window);
        } else if (ShowPlaced(window)) {
            // The new window is shown before the old one is hidden. One that does not answer
            // cannot be shown: the current entry stays.
            if (g_nCurrent >= 0)
                Hide(m_entries[g_nCurrent].window);
            g_nCurrent = index;
        }
    }
    if (g_nCurrent >= 0)
        m_display.SelectItem(g_nCurrent);
    RefreshMarks();
}

void CListController::KeepSelection(int index)
{
    if (index >= 0)
        m_display.SelectItem(index);
    else if (g_nCurrent >= 0)
        m_display.SelectItem(g_nCurrent);
}

void CListController::CloseEntry(int index)
{
    // The entry goes when its window is destroyed; one that refuses stays listed.
    if (index >= 0 && index < Count())
        Seam().PostClose(m_entries[index].window);
}

bool CListController::TakeFixedRectangle()
{
    if (!m_settings.m_bSizePos || g_nCurrent < 0)
        return false;
    NormalRect normal;
    int showCmd = 0;
    if (!Seam().PlacementOf(m_entries[g_nCurrent].window, normal, showCmd))
        return false;
    FixedRect fixed;
    if (!::TakeFixedRectangle(true, g_nCurrent, normal, showCmd, fixed, g_nShowCmd))
        return false;
    g_nWinLeft = fixed.left;
    g_nWinTop = fixed.top;
    g_nWinWidth = fixed.width;
    g_nWinHeight = fixed.height;
    return true;
}

template <class Take>
bool CListController::TakeEntries(Take take)
{
    const int current = g_nCurrent;
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
        g_nCurrent = currentTaken ? current - 1 - before : current - before;
        // None before it, but some after: the first of them, rather than no window shown at all.
        if (g_nCurrent < 0 && Count() > 0)
            g_nCurrent = 0;
    }
    if (g_nCurrent >= 0)
        m_display.SelectItem(g_nCurrent);
    return currentTaken;
}

SweepList CListController::ApplyTargetBrowserChange(int oldMask, int newMask)
{
    const bool currentTaken = TakeEntries([&](const ListEntry& entry) {
        if (newMask & TargetBit(entry.type))
            return false;
        if (IsResponsive(entry.window)) {
            PlaceBrowserWindow(entry.window, g_nShowCmd);
            Seam().Release(entry.window);
        }  // one that does not answer is released by the relay window when it does, at the latest
        RemovePopup(entry.window);
        return true;
    });
    if (currentTaken && g_nCurrent >= 0)
        ShowCurrent();
    SweepList fresh;
    const SweepList open = SweepBrowserWindows();
    for (int k = 0; k < open.count; ++k) {
        const int bit = TargetBit(open.types[k]);
        if ((newMask & bit) && !(oldMask & bit))
            fresh.Add(open.windows[k], open.types[k]);
    }
    RefreshMarks();
    return fresh;
}

void CListController::MovePopupsToCloseList()
{
    // Filtering's own capacity, not the one left from when it was last on, decides how many of
    // them stay parked.
    g_nCloseListCapacity = FilteringCapacity();
    const bool currentTaken = TakeEntries([&](const ListEntry& entry) {
        if (!IsPopup(entry.window))
            return false;
        ParkWindow(entry.window, entry.type);
        return true;
    });
    if (currentTaken && g_nCurrent >= 0)
        ShowCurrent();
}

SweepList CListController::SweepBrowserWindows()
{
    SweepList found;
    for (WindowHandle window : Seam().TopLevelWindows()) {
        if (found.count >= kMaxSweptWindows)
            break;
        const std::string className = Seam().ClassOf(window);
        if (className.empty())
            continue;
        const int type = ClassifyOpenWindow(className, Seam().TitleOf(window, 512), Seam().IsVisible(window));
        if (type >= 0)
            found.Add(window, type);
    }
    return found;
}

void CListController::Exit(bool closeWindows)
{
    for (const ListEntry& entry : m_entries) {
        if (closeWindows)
            AskToClose(entry.window);
        else if (IsResponsive(entry.window))
            Seam().Release(entry.window);
    }
    CloseAllParked();
    for (WindowHandle window : Seam().HiddenWindows())
        if (!IsClosing(window) && IsResponsive(window))
            Seam().Release(window);
}

void CListController::Schedule(WindowHandle window, Wait wait, uint32_t delayMs, uint32_t maxWaitMs)
{
    const uint32_t now = m_clock.Now();
    auto it = std::find_if(m_pending.begin(), m_pending.end(),
                           [&](const Pending& p) { return p.window == window && p.wait == wait; });
    if (it == m_pending.end()) {
        m_pending.push_back({window, wait, now + delayMs, now});
    } else {
        const uint32_t latest = it->since + maxWaitMs;
        it->due = IsDue(latest, now + delayMs) ? latest : now + delayMs;
    }
    Arm();
}

void CListController::Arm()
{
    if (m_pending.empty())
        return;
    const uint32_t now = m_clock.Now();
    uint32_t soonest = m_pending.front().due;
    for (const Pending& p : m_pending)
        if (IsDue(p.due, soonest))
            soonest = p.due;
    m_clock.WakeAfter(IsDue(soonest, now) ? 0 : soonest - now);
}

void CListController::OnWake()
{
    const uint32_t now = m_clock.Now();
    std::vector<Pending> due;
    for (auto it = m_pending.begin(); it != m_pending.end();) {
        if (IsDue(it->due, now)) {
            due.push_back(*it);
            it = m_pending.erase(it);
        } else {
            ++it;
        }
    }
    for (const Pending& p : due) {
        if (p.wait == Wait::Title)
            SettleTitle(p.window);
        else
            CheckDestroyed(p);
    }
    Arm();
}

void CListController::PlaceBrowserWindow(WindowHandle window, int showCmd)
{
    const FixedRect fixed{g_nWinLeft, g_nWinTop, g_nWinWidth, g_nWinHeight};
    NormalRect normal;
    int shownAs = 0;
    const bool readable = Seam().PlacementOf(window, normal, shownAs);
    if (!PlanPlacement(m_settings.m_bSizePos != 0, fixed, IsPopup(window), normal)) {
        Seam().Show(window, g_nShowCmd);  // no fixed rectangle: the window keeps its own
        return;
    }
    if (readable)
        Seam().SetPlacement(window, normal, showCmd);
}

// What needs the window's thread is done only when that thread answers; otherwise the window is
// left as it is, and dealt with when it answers (OnWindowAnswered).
bool CListController::Hide(WindowHandle window)
{
    if (!IsResponsive(window))
        return false;
    Seam().HideUnderRelay(window);
    return true;
}

bool CListController::ShowPlaced(WindowHandle window)
{
    if (!IsResponsive(window))
        return false;
    PlaceBrowserWindow(window, g_nShowCmd);
    Seam().Release(window);
    return true;
}

void CListController::RefreshMarks()
{
    for (int i = 0; i < Count(); ++i) {
        ListEntry& entry = m_entries[i];
        const bool unresponsive = IsUnresponsive(entry.window);
        if (unresponsive != entry.unresponsive) {
            entry.unresponsive = unresponsive;
            m_display.SetItemText(i, entry.title, unresponsive);
        }
    }
}
