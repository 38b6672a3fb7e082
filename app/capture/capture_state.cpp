#include "capture/capture_state.h"

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
