#include "capture/close_list.h"

#include <algorithm>

int CCloseList::Capacity() const
{
    return ClampCloseListCapacity(m_settings.CloseListCapacity());
}

void CCloseList::CloseAndForget(WindowHandle window)
{
    m_mover.AskToClose(window);
    m_popups.Remove(window);
    Remove(window);
}

void CCloseList::Park(WindowHandle window, int type, const FilterMatch& reason)
{
    ++m_nParkedTotal;
    const ParkedWindow parked{window, type, reason};
    if (m_dialog)
        m_dialog->AddParkedWindow(parked);
    while (static_cast<int>(m_parked.size()) >= Capacity())
        CloseAndForget(m_parked.front().window);
    m_parked.push_back(parked);
    m_mover.Hide(window);
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

void CCloseList::OnTitleChanged(WindowHandle window)
{
    if (!m_settings.Values().bFilterClose)
        return;  // park mode: it stays parked
    const int inUse = std::min(Capacity(), static_cast<int>(m_parked.size()));
    for (int i = 0; i < inUse; ++i) {
        if (m_parked[static_cast<size_t>(i)].window == window) {
            CloseAndForget(window);
            return;
        }
    }
}

void CCloseList::OnDestroyed(WindowHandle window)
{
    if (Contains(window)) {
        m_popups.Remove(window);
        Remove(window);
    }
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

void CCloseList::ForgetDead()
{
    for (size_t i = m_parked.size(); i-- > 0;)
        if (i < m_parked.size() && !m_seam.IsAlive(m_parked[i].window))
            OnDestroyed(m_parked[i].window);
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
