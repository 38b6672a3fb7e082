#include "capture/close_list.h"

#include <algorithm>

int CCloseList::Capacity() const
{
    return ClampCloseListCapacity(m_settings.CloseListCapacity());
}

std::vector<WindowHandle> CCloseList::Park(WindowHandle window, int type, const FilterMatch& reason)
{
    ++m_nParkedTotal;
    const ParkedWindow parked{window, type, reason};
    if (m_dialog)
        m_dialog->AddParkedWindow(parked);
    std::vector<WindowHandle> evicted;
    while (static_cast<int>(m_parked.size()) >= Capacity()) {
        evicted.push_back(m_parked.front().window);
        m_mover.AskToClose(evicted.back());
        Remove(evicted.back());
    }
    m_parked.push_back(parked);
    m_mover.Hide(window);
    return evicted;
}

bool CCloseList::Remove(WindowHandle window)
{
    auto it = std::find_if(m_parked.begin(), m_parked.end(), [&](const ParkedWindow& p) { return p.window == window; });
    if (it == m_parked.end())
        return false;
    m_parked.erase(it);
    if (m_dialog)
        m_dialog->RemoveParkedWindow(window);
    return true;
}

bool CCloseList::Contains(WindowHandle window) const
{
    return window &&
           std::any_of(m_parked.begin(), m_parked.end(), [&](const ParkedWindow& p) { return p.window == window; });
}

void CCloseList::CloseAll()
{
    const std::vector<ParkedWindow> parked = std::move(m_parked);
    m_parked.clear();
    for (const ParkedWindow& p : parked) {
        m_mover.AskToClose(p.window);
        if (m_dialog)
            m_dialog->RemoveParkedWindow(p.window);
    }
}

bool CCloseList::CloseOnTitleChange(WindowHandle window)
{
    if (!m_settings.Values().bFilterClose)
        return false;  // park mode: it stays parked
    const int inUse = std::min(Capacity(), static_cast<int>(m_parked.size()));
    for (int i = 0; i < inUse; ++i) {
        if (m_parked[static_cast<size_t>(i)].window == window) {
            m_mover.AskToClose(window);
            Remove(window);
            return true;
        }
    }
    return false;
}

void CCloseList::OnResponded(WindowHandle window)
{
    if (Contains(window) && !m_seam.IsUnderRelay(window))
        m_mover.Hide(window);
}

void CCloseList::HideStrays()
{
    for (const ParkedWindow& p : m_parked)
        if (m_seam.IsAlive(p.window) && !m_seam.IsUnderRelay(p.window))
            m_mover.Hide(p.window);
}

std::vector<WindowHandle> CCloseList::DeadWindows() const
{
    std::vector<WindowHandle> dead;
    for (const ParkedWindow& p : m_parked)
        if (!m_seam.IsAlive(p.window))
            dead.push_back(p.window);
    return dead;
}

void CCloseList::DetachDialog(CloseListObserver* dialog)
{
    if (m_dialog == dialog)
        m_dialog = nullptr;
}

void CCloseList::CloseDialog()
{
    CloseListObserver* dialog = m_dialog;
    m_dialog = nullptr;  // a dialog that is ending hears nothing more
    if (dialog)
        dialog->CloseDialog();
}

void CCloseList::TellTitleChanged(WindowHandle window)
{
    if (m_dialog)
        m_dialog->UpdateParkedWindowTitle(window);
}
