// The start-up's platform: the hook library's binding, the keeper, timers on the main window.
#include "capture/capture_startup_win.h"

#include "capture/hook_binding.h"
#include "capture/keeper_client.h"
#include "win/program_windows.h"

SweepList CCaptureStartupWin::Sweep()
{
    return SweepBrowserWindows(m_reader);
}

void CCaptureStartupWin::BindLibrary()
{
    BindHookLibrary(TRUE);
}

bool CCaptureStartupWin::StartKeeper()
{
    return ::StartKeeper();
}

bool CCaptureStartupWin::TakeRelayWindow(uint32_t cookie, uintptr_t relay)
{
    return ::TakeRelayWindow(cookie, static_cast<LPARAM>(relay));
}

bool CCaptureStartupWin::ForgetEndedKeeper(uint32_t keeperId)
{
    return ::ForgetEndedKeeper(keeperId);
}

bool CCaptureStartupWin::HasRelayWindow()
{
    return g_hRelayWnd.load() != nullptr;
}

bool CCaptureStartupWin::IsHookBound()
{
    return ::IsHookBound();
}

void CCaptureStartupWin::EnableLibrary(const SweepList& swept, int mask)
{
    EnableHookLibrary(swept, mask);
}

void CCaptureStartupWin::Announce(const SweepList& windows, int mask)
{
    AnnounceWindows(windows, mask);
}

void CCaptureStartupWin::CatchUp(const SweepList& swept, const SweepList& now, int mask)
{
    CatchUpMissedWindows(swept, now, mask);
}

void CCaptureStartupWin::RelayWindowCame()
{
    m_relayWindowCame();
}

void CCaptureStartupWin::SetTimer(uintptr_t id, uint32_t ms)
{
    ::SetTimer(m_owner, id, ms, nullptr);
}

void CCaptureStartupWin::KillTimer(uintptr_t id)
{
    ::KillTimer(m_owner, id);
}
