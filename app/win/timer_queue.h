// Delayed jobs on the main thread's one timer, free of the platform: each job is a window and a
// kind of work, run once it is due. The tick count wraps every 49.7 days, so two times are only
// ever compared by their difference.
#pragma once

#include <cstdint>
#include <vector>

#include "win/window_seam.h"

// Milliseconds, and one timer: the owner is woken once DELAY_MS have passed; a later WakeAfter
// replaces an earlier one.
class Clock {
public:
    virtual ~Clock() = default;
    virtual uint32_t Now() = 0;
    virtual void WakeAfter(uint32_t delayMs) = 0;
};

// Whether a time DUE has come at NOW, across the tick count's wrap.
constexpr bool IsDue(uint32_t due, uint32_t now)
{
    return static_cast<int32_t>(due - now) <= 0;
}

class CTimerQueue {
public:
    struct Job {
        WindowHandle window;
        int kind;
        uint32_t due;
        uint32_t since;  // when it was first scheduled
    };

    explicit CTimerQueue(Clock& clock) : m_clock(clock) {}

    // The job runs DELAY_MS after it was last scheduled, but no later than MAX_WAIT_MS after it
    // was first: work that keeps being asked for is still done now and then.
    void Schedule(WindowHandle window, int kind, uint32_t delayMs, uint32_t maxWaitMs);
    // JOB once more, DELAY_MS from now; its age still counts from its first scheduling.
    void Repeat(const Job& job, uint32_t delayMs);
    // The jobs due now, taken out in the order they were (last) put in the queue; the timer is
    // set for the next one.
    std::vector<Job> TakeDue();
    uint32_t AgeOf(const Job& job) const { return m_clock.Now() - job.since; }
    uint32_t Now() const { return m_clock.Now(); }

private:
    void Arm();

    Clock& m_clock;
    std::vector<Job> m_jobs;
};
