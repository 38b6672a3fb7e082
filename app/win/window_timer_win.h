// A clock over one timer of a window: the tick count, and WM_TIMER with the timer's identifier
// when it is time; the owner kills the timer and hands the wake on.
#pragma once

#include <windows.h>

#include "win/timer_queue.h"

class CWindowTimer : public Clock {
public:
    explicit CWindowTimer(UINT_PTR id) : m_id(id) {}
    void Attach(HWND owner) { m_owner = owner; }
    UINT_PTR Id() const { return m_id; }
    void Stop() { KillTimer(m_owner, m_id); }

    uint32_t Now() override { return GetTickCount(); }
    void WakeAfter(uint32_t delayMs) override { SetTimer(m_owner, m_id, delayMs, nullptr); }

private:
    UINT_PTR m_id;
    HWND m_owner = nullptr;
};
