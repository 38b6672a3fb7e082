#include "capture/capture_state.h"

#include "capture/admission.h"

CCaptureState::NewWindow CCaptureState::TakeNewWindow(WindowHandle window, int type, bool listed)
{
    const SettingsValues& s = m_settings.Values();
    if (RefuseNotice(type, s.nTargetBrowser, listed || Holds(window)) != Refusal::None)
        return {};
    const NewWindowFacts facts = GatherFacts(m_seam, window, type, s.bFilter && s.bFilterUseUrl);
    const Admission admission = AdmitNewWindow(facts, type, s, m_popups.HasRoom());
    if (admission.refusal != Refusal::None)
        return {};
    if (admission.popup)
        m_popups.Add(window);
    if (admission.filter) {
        m_closeList.Park(window, type, admission.filter);
        return {};
    }
    return {true, admission.popup, facts.listTitle};
}

bool CCaptureState::Holds(WindowHandle window) const
{
    return m_closeList.Contains(window) || m_mover.IsClosing(window);
}

void CCaptureState::OnWindowAnswered(WindowHandle window)
{
    if (m_closeList.Contains(window))
        m_closeList.OnResponded(window);
    else if (!m_mover.IsClosing(window) && m_seam.IsUnderRelay(window))
        m_seam.Release(window);
}

void CCaptureState::OnTick()
{
    m_closeList.ForgetDead();
    m_popups.ForgetDead(m_seam);
    m_mover.OnTick();
}

void CCaptureState::Exit()
{
    m_closeList.CloseAll();
    for (WindowHandle window : m_seam.HiddenWindows())
        if (!m_mover.IsClosing(window))
            m_mover.Release(window);
}
