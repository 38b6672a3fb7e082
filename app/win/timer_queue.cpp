#include "win/timer_queue.h"

#include <algorithm>

void CTimerQueue::Schedule(WindowHandle window, int kind, uint32_t delayMs, uint32_t maxWaitMs)
{
    const uint32_t now = m_clock.Now();
    auto it = std::find_if(m_jobs.begin(), m_jobs.end(),
                           [&](const Job& job) { return job.window == window && job.kind == kind; });
    if (it == m_jobs.end()) {
        m_jobs.push_back({window, kind, now + delayMs, now});
    } else {
        const uint32_t latest = it->since + maxWaitMs;
        it->due = IsDue(latest, now + delayMs) ? latest : now + delayMs;
    }
    Arm();
}

void CTimerQueue::Repeat(const Job& job, uint32_t delayMs)
{
    m_jobs.push_back({job.window, job.kind, m_clock.Now() + delayMs, job.since});
    Arm();
}

std::vector<CTimerQueue::Job> CTimerQueue::TakeDue()
{
    const uint32_t now = m_clock.Now();
    std::vector<Job> due;
    auto late =
        std::stable_partition(m_jobs.begin(), m_jobs.end(), [&](const Job& job) { return !IsDue(job.due, now); });
    due.assign(late, m_jobs.end());
    m_jobs.erase(late, m_jobs.end());
    Arm();
    return due;
}

void CTimerQueue::Arm()
{
    if (m_jobs.empty())
        return;
    const uint32_t now = m_clock.Now();
    uint32_t soonest = m_jobs.front().due;
    for (const Job& job : m_jobs)
        if (IsDue(job.due, soonest))
            soonest = job.due;
    m_clock.WakeAfter(IsDue(soonest, now) ? 0 : soonest - now);
}
