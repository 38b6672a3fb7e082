#include "capture/capture_startup.h"

void CCaptureStartup::Begin()
{
    if (m_begun || m_stopped)
        return;
    m_begun = true;
    m_capture.TakeSweep(m_platform.Sweep());
    m_platform.BindLibrary();
    m_platform.StartKeeper();
    m_platform.SetTimer(kRelayDeadlineTimer, kRelayDeadlineMs);
    m_platform.Announce(m_capture.Swept(), Mask());
}

void CCaptureStartup::OnRelayReady(uint32_t cookie, uintptr_t relay)
{
    if (!m_begun || m_stopped || !m_platform.TakeRelayWindow(cookie, relay))
        return;
    m_platform.KillTimer(kRelayDeadlineTimer);
    // Enabled only now, and only once: a killed copy's keeper silences the library before its
    // relay window goes, and this keeper reports only after that. Enabling again for a new
    // keeper would empty the watch table of the windows listed meanwhile.
    if (!m_enabled) {
        m_enabled = true;
        m_platform.EnableLibrary(m_capture.Swept(), Mask());
    }
    m_platform.RelayWindowCame();
    if (m_platform.IsHookBound()) {
        m_platform.CatchUp(m_capture.Swept(), m_platform.Sweep(), Mask());
        m_platform.SetTimer(kCatchUpTimer, kCatchUpMs);
    }
}

// The windows hidden under its relay window died with it; those still to come need a new one.
void CCaptureStartup::OnKeeperGone(uint32_t keeperId)
{
    if (!m_stopped && m_platform.ForgetEndedKeeper(keeperId))
        RestartKeeper();
}

bool CCaptureStartup::OnTimer(uintptr_t id)
{
    if (id == kRelayDeadlineTimer) {
        m_platform.KillTimer(kRelayDeadlineTimer);
        if (!m_stopped && !m_platform.HasRelayWindow() && RestartKeeper())
            m_platform.SetTimer(kRelayDeadlineTimer, kRelayDeadlineMs);
    } else if (id == kCatchUpTimer) {
        m_platform.KillTimer(kCatchUpTimer);
        m_platform.CatchUp(m_capture.Swept(), m_platform.Sweep(), Mask());
    } else {
        return false;
    }
    return true;
}

void CCaptureStartup::Stop()
{
    m_stopped = true;
    if (!m_begun)
        return;
    m_platform.KillTimer(kRelayDeadlineTimer);
    m_platform.KillTimer(kCatchUpTimer);
}

bool CCaptureStartup::RestartKeeper()
{
    if (m_restarts >= kMaxKeeperRestarts)
        return false;
    ++m_restarts;
    m_platform.StartKeeper();
    return true;
}
