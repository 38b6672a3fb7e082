#include "mainwnd/capture_startup.h"

#include "capture/hook_binding.h"
#include "capture/keeper_client.h"
#include "settings/settings_model.h"
#include "win/program_windows.h"

namespace {

// Under Wine a thread learns of a new hook only at its next trip to the server, so a window made
// just after the hook went in may still slip past it: the catch-up looks once more a little later.
const UINT_PTR kCatchUpTimer = 3;
const UINT kCatchUpMs = 1000;
// The keeper is a process to start (two, so that it is apart from this one's tree). One that has
// not reported by then is started again: it may have ended, or given up waiting for a
// predecessor's relay window to go.
const UINT_PTR kRelayDeadlineTimer = 4;
const UINT kRelayDeadlineMs = 3000;
// A keeper that keeps ending is not started for ever.
const int kMaxKeeperRestarts = 10;

}  // namespace

void CCaptureStartup::Begin(HWND owner)
{
    if (m_owner)
        return;  // once: another HN_STARTUP comes from elsewhere
    m_owner = owner;
    m_swept = m_list.SweepBrowserWindows();
    BindHookLibrary(TRUE);
    StartKeeper();
    SetTimer(m_owner, kRelayDeadlineTimer, kRelayDeadlineMs, nullptr);
}

void CCaptureStartup::OnRelayReady(WPARAM wParam, LPARAM lParam)
{
    if (!m_owner || m_stopped || !TakeRelayWindow(wParam, lParam))
        return;
    KillTimer(m_owner, kRelayDeadlineTimer);
    // Enabled only now, and only once: a killed copy's keeper silences the library before its
    // relay window goes, and this keeper reports only after that. Enabling again for a new
    // keeper would empty the watch table of the windows listed meanwhile.
    if (!m_enabled) {
        m_enabled = true;
        EnableHookLibrary(m_swept, g_nTargetBrowser);
    }
    m_list.OnRelayWindow();
    AnnounceSwept();
    if (IsHookBound()) {
        CatchUpMissedWindows(m_swept, m_list.SweepBrowserWindows());
        SetTimer(m_owner, kCatchUpTimer, kCatchUpMs, nullptr);
    }
}

// The windows hidden under its relay window died with it; those still to come need a new one.
void CCaptureStartup::OnKeeperGone(WPARAM wParam)
{
    if (m_stopped || !ForgetEndedKeeper(wParam) || m_restarts >= kMaxKeeperRestarts)
        return;
    ++m_restarts;
    StartKeeper();
}

bool CCaptureStartup::OnTimer(UINT_PTR id)
{
    if (id == kRelayDeadlineTimer) {
        KillTimer(m_owner, kRelayDeadlineTimer);
        AnnounceSwept();  // without a relay window they stay on the desktop, but listed
        if (!g_hRelayWnd && m_restarts < kMaxKeeperRestarts) {
            ++m_restarts;
            StartKeeper();
            SetTimer(m_owner, kRelayDeadlineTimer, kRelayDeadlineMs, nullptr);
        }
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
    m_stopped = true;
    if (!m_owner)
        return;
    KillTimer(m_owner, kRelayDeadlineTimer);
    KillTimer(m_owner, kCatchUpTimer);
}

void CCaptureStartup::AnnounceSwept()
{
    if (!m_announced) {
        m_announced = true;
        AnnounceWindows(m_swept, g_nTargetBrowser);
    }
}
