// The timer queue across the tick count's wrap: jobs run when due, debounced, but never later than
// their longest wait.
#include <gtest/gtest.h>

#include "app/win/timer_queue.h"

namespace {

struct ManualClock : Clock {
    uint32_t Now() override { return now; }
    void WakeAfter(uint32_t delayMs) override { wake = delayMs; }
    uint32_t now = 0xFFFFFFF0u;  // 16 ms before the tick count wraps
    uint32_t wake = 0;
};

TEST(TimerQueue, JobIsDueAfterItsDelayAcrossTheWrap)
{
    ManualClock clock;
    CTimerQueue queue(clock);
    queue.Schedule(0x10, 1, 100, 100);
    EXPECT_EQ(100u, clock.wake);
    clock.now += 50;  // past the wrap
    EXPECT_TRUE(queue.TakeDue().empty());
    EXPECT_EQ(50u, clock.wake) << "the timer set for what is left";
    clock.now += 50;
    EXPECT_EQ(1u, queue.TakeDue().size());
    EXPECT_TRUE(queue.TakeDue().empty()) << "taken once";
}

TEST(TimerQueue, RescheduledJobWaitsNoLongerThanItsLongestWait)
{
    ManualClock clock;
    CTimerQueue queue(clock);
    int asked = 0;
    for (; asked < 10 && queue.TakeDue().empty(); ++asked, clock.now += 40)
        queue.Schedule(0x10, 1, 100, 300);  // asked again every 40 ms, each time for 100 ms later
    EXPECT_EQ(8, asked) << "due 300 ms after it was first asked for";
}

TEST(TimerQueue, RepeatedJobKeepsItsAge)
{
    ManualClock clock;
    CTimerQueue queue(clock);
    queue.Schedule(0x10, 2, 50, 50);
    clock.now += 50;
    queue.Repeat(queue.TakeDue().at(0), 50);
    clock.now += 50;
    EXPECT_EQ(100u, queue.AgeOf(queue.TakeDue().at(0)));
}

}  // namespace
