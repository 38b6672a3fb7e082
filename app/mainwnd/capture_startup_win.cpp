#include "mainwnd/capture_startup.h"

#include "capture/hook_binding.h"
#include "capture/relay_window.h"
#include "settings/settings_model.h"

namespace {

// Under Wine a thread learns of a new hook only at its next trip to the server, so a window made
// just after the hook went in may still slip past it: the catch-up looks once more a little later.
const UINT_PTR kCatchUpTimer = 3;
const UINT kCatchUpMs = 1000;
const UINT_PTR kRelayDeadlineTimer = 4;
const UINT kRelayDeadlineMs = 400;

}  // namespace

void CCaptureStartup::Begin(HWND owner)
{
    if (m_owner)
        return;  // once: another HN_STARTUP comes from elsewhere
    m_owner = owner;
    m_swept = m_list.SweepBrowserWindows();
    StartRelayWindow(m_swept);
    SetTimer(m_owner, kRelayDeadlineTimer, kRelayDeadlineMs, nullptr);
}

void CCaptureStartup::OnRelayReady()
{
    if (!IsRelayReady())
        return;
    AnnounceSwept();
    if (IsHookBound() && !m_caughtUp) {
        m_caughtUp = true;
        CatchUpMissedWindows(m_swept, m_list.SweepBrowserWindows());
        SetTimer(m_owner, kCatchUpTimer, kCatchUpMs, nullptr);
    }
}

bool CCaptureStartup::OnTimer(UINT_PTR id)
{
    if (id == kRelayDeadlineTimer) {
        AnnounceSwept();  // without a relay window they stay on the desktop, but listed
    } else if (id == kCatchUpTimer) {
        KillTimer(m_owner, kCatchUpTimer);
        CatchUpMissedWindows(m_swept, m_list.SweepBrowserWindows());
    } else {
        return false;
    }
    return true;
}

void CCaptureStartup::Stop()
{
    if (!m_owner)
        return;
    KillTimer(m_owner, kRelayDeadlineTimer);
    KillTimer(m_owner, kCatchUpTimer);
}

void CCaptureStartup::AnnounceSwept()
{
    KillTimer(m_owner, kRelayDeadlineTimer);
    if (!m_announced) {
        m_announced = true;
        AnnounceWindows(m_swept, g_nTargetBrowser);
    }
}
