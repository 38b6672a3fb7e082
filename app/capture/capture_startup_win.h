// The start-up's platform over Win32: the hook library, the keeper, and timers on the owner
// window (the main window), whose WM_TIMER is handed back to CCaptureStartup::OnTimer.
#pragma once

#include <windows.h>

#include <functional>

#include "capture/capture_startup.h"
#include "capture/window_facts.h"

class CCaptureStartupWin : public CaptureStartupPlatform {
public:
    // RELAY_WINDOW_CAME: what the owner does once a relay window is there.
    CCaptureStartupWin(const FactReader& reader, std::function<void()> relayWindowCame)
        : m_reader(reader), m_relayWindowCame(std::move(relayWindowCame))
    {
    }
    void SetOwner(HWND owner) { m_owner = owner; }

    SweepList Sweep() override;
    void BindLibrary() override;
    bool StartKeeper() override;
    bool TakeRelayWindow(uint32_t cookie, uintptr_t relay) override;
    bool ForgetEndedKeeper(uint32_t keeperId) override;
    bool HasRelayWindow() override;
    bool IsHookBound() override;
    void EnableLibrary(const SweepList& swept, int mask) override;
    void Announce(const SweepList& windows, int mask) override;
    void CatchUp(const SweepList& swept, const SweepList& now, int mask) override;
    void RelayWindowCame() override;
    void SetTimer(uintptr_t id, uint32_t ms) override;
    void KillTimer(uintptr_t id) override;

private:
    FactReader m_reader;
    std::function<void()> m_relayWindowCame;
    HWND m_owner = nullptr;
};
