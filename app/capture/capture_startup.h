// The start of capture, free of the platform. The windows already open are swept and announced
// at once, so that they are listed without waiting for the keeper, which is started meanwhile;
// once its relay window is ready, the windows to hide are hidden, and the hook library is enabled
// with the swept windows in its watch table (a keeper that has not reported by a deadline is
// started again). Windows that opened while the hook went in are caught up once it is bound, and
// once more a second later. A keeper that ends while the program runs is replaced, for the
// windows still to come. Nothing here waits.
#pragma once

#include <cstdint>

#include "capture/capture_state.h"
#include "capture/sweep_list.h"
#include "settings/settings_model.h"

// What the start-up asks of the platform.
class CaptureStartupPlatform {
public:
    virtual ~CaptureStartupPlatform() = default;
    virtual SweepList Sweep() = 0;
    virtual void BindLibrary() = 0;
    virtual bool StartKeeper() = 0;
    // The keeper's report (WM_RELAY_READY): true if its relay window is taken.
    virtual bool TakeRelayWindow(uint32_t cookie, uintptr_t relay) = 0;
    // WM_KEEPER_GONE: true if it was the keeper of the relay window held, which is then forgotten.
    virtual bool ForgetEndedKeeper(uint32_t keeperId) = 0;
    virtual bool HasRelayWindow() = 0;
    virtual bool IsHookBound() = 0;
    // The library enabled from an empty table, SWEPT (of the types in MASK) in it as announced.
    virtual void EnableLibrary(const SweepList& swept, int mask) = 0;
    // HN_NEWWINDOW posted for each of WINDOWS of a type in MASK, as the hook announces new ones.
    virtual void Announce(const SweepList& windows, int mask) = 0;
    // The windows of NOW neither in SWEPT nor watched by the hook: watched and announced.
    virtual void CatchUp(const SweepList& swept, const SweepList& now, int mask) = 0;
    // The relay window is there: windows that had nowhere to hide are hidden.
    virtual void RelayWindowCame() = 0;
    virtual void SetTimer(uintptr_t id, uint32_t ms) = 0;
    virtual void KillTimer(uintptr_t id) = 0;
};

class CCaptureStartup {
public:
    // Under Wine a thread learns of a new hook only at its next trip to the server, so a window
    // made just after the hook went in may still slip past it: the catch-up looks once more.
    static constexpr uintptr_t kCatchUpTimer = 3;
    static constexpr uint32_t kCatchUpMs = 1000;
    // The keeper is a process to start (two, so that it is apart from this one's tree). One that
    // has not reported by then is started again: it may have ended, or given up waiting for a
    // predecessor's relay window to go.
    static constexpr uintptr_t kRelayDeadlineTimer = 4;
    static constexpr uint32_t kRelayDeadlineMs = 3000;
    // A keeper that keeps ending is not started for ever.
    static constexpr int kMaxKeeperRestarts = 10;

    // CAPTURE keeps the sweep.
    CCaptureStartup(CaptureStartupPlatform& platform, CCaptureState& capture, const CSettingsModel& settings)
        : m_platform(platform), m_capture(capture), m_settings(settings)
    {
    }

    // The first HN_STARTUP; another, from elsewhere, changes nothing.
    void Begin();
    void OnRelayReady(uint32_t cookie, uintptr_t relay);
    void OnKeeperGone(uint32_t keeperId);
    // True when ID is one of its timers.
    bool OnTimer(uintptr_t id);
    // The program is ending: nothing more is started.
    void Stop();

private:
    bool RestartKeeper();
    int Mask() const { return m_settings.Values().nTargetBrowser; }

    CaptureStartupPlatform& m_platform;
    CCaptureState& m_capture;
    const CSettingsModel& m_settings;
    bool m_begun = false;
    bool m_enabled = false;
    bool m_stopped = false;
    int m_restarts = 0;
};
