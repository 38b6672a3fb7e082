#include "capture/capture_state.h"

#include "capture/admission.h"

CCaptureState::NewWindow CCaptureState::TakeNewWindow(WindowHandle window, int type, bool listed, WindowFacts* seen)
{
    const SettingsValues& s = m_settings.Values();
    if (RefuseNotice(type, s.nTargetBrowser, listed || Holds(window)) != Refusal::None)
        return {};
    WindowFacts facts;
    if (seen && seen->window == window)
        facts = std::move(*seen);
    facts.window = window;
    const FactReader reader = Reader();
    const Admission admission = AdmitNewWindow(facts, type, s, m_popups.HasRoom(), &reader);
    if (admission.refusal != Refusal::None)
        return {};
    if (admission.popup)
        m_popups.Add(window);
    if (admission.filter) {
        for (WindowHandle evicted : m_closeList.Park(window, type, admission.filter))
            m_popups.Remove(evicted);
        return {};
    }
    return {true, admission.popup, facts.ListTitle()};
}

bool CCaptureState::Holds(WindowHandle window) const
{
    return m_closeList.Contains(window) || m_mover.IsClosing(window);
}

std::vector<WindowHandle> CCaptureState::HeldWindows() const
{
    std::vector<WindowHandle> held = m_mover.ClosingWindows();
    for (const ParkedWindow& parked : m_closeList.Parked())
        held.push_back(parked.window);
    return held;
}

void CCaptureState::Park(WindowHandle window, int type, const FilterMatch& reason)
{
    for (WindowHandle evicted : m_closeList.Park(window, type, reason))
        m_popups.Remove(evicted);
}

void CCaptureState::Forget(WindowHandle window)
{
    m_popups.Remove(window);
    m_closeList.Remove(window);  // its row in the Close-list dialog goes with it
    m_known.Forget(window);
}

void CCaptureState::ParkedTitleChanged(WindowHandle window)
{
    if (m_closeList.CloseOnTitleChange(window))
        m_popups.Remove(window);
    m_closeList.TellTitleChanged(window);
}

void CCaptureState::CloseParked(WindowHandle window)
{
    m_popups.Remove(window);
    m_closeList.Remove(window);
    m_mover.AskToClose(window);
}

void CCaptureState::OnWindowAnswered(WindowHandle window)
{
    if (m_closeList.Contains(window))
        m_closeList.OnResponded(window);
    else if (!m_mover.IsClosing(window) && m_seam.IsUnderRelay(window))
        m_mover.Release(window);
}

std::vector<WindowHandle> CCaptureState::OnTick()
{
    for (WindowHandle dead : m_closeList.DeadWindows())
        Forget(dead);
    m_popups.ForgetDead(m_seam);
    return m_mover.OnTick();
}

void CCaptureState::Exit()
{
    m_closeList.CloseAll();
    for (WindowHandle window : m_seam.HiddenWindows())
        if (!m_mover.IsClosing(window))
            m_mover.Release(window);
}
