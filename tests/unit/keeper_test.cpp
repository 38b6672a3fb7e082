// The keeper's two rules that need no platform: its command line, and when it asks each child
// of the relay window whether it answers.
#include <gtest/gtest.h>

#include <vector>

#include "keeper/keeper_protocol.h"
#include "keeper/release_schedule.h"

namespace {

using Children = std::vector<uint32_t>;

Children ToAsk(CReleaseSchedule& schedule, Children children, uint32_t now)
{
    children.resize(schedule.ToAsk(children.data(), children.size(), now));
    return children;
}

TEST(KeeperArgs, ReadBackWhatIsWrittenAndNothingElse)
{
    for (KeeperArgs args : {KeeperArgs{0x1a2b, 0, false}, KeeperArgs{0xffffffff, 0x80000001, true}}) {
        const auto read = ParseKeeperArgs(FormatKeeperArgs(args));
        ASSERT_TRUE(read) << FormatKeeperArgs(args).text;
        EXPECT_EQ(args.mainWindow, read->mainWindow);
        EXPECT_EQ(args.closeCookie, read->closeCookie);
        EXPECT_EQ(args.detach, read->detach);
    }
    for (const char* bad : {"", "0 1", "12", "/detach ", "/detach 12", "123456789 1", "12 123456789", "12 34 56",
                            "xyz 1", "-1 1", "1a2b ", " 1a2b 1", "1A2B 1"})
        EXPECT_FALSE(ParseKeeperArgs(bad)) << '"' << bad << '"';
}

TEST(ReleaseSchedule, AsksEachChildOnceAfterTheGraceAndAgainOnlyAfterALongSilence)
{
    CReleaseSchedule schedule;
    const uint32_t start = 0xFFFFFF00u;  // the tick count wraps on the way
    schedule.Begin(start, 1500);
    EXPECT_EQ(Children{}, ToAsk(schedule, {1, 2}, start + 100)) << "a window asked to close has time to go";
    EXPECT_EQ(Children{}, ToAsk(schedule, {1, 2}, start + 1000));
    EXPECT_EQ((Children{1, 2}), ToAsk(schedule, {1, 2}, start + 1500));
    EXPECT_EQ(Children{3}, ToAsk(schedule, {1, 2, 3}, start + 1750)) << "a hung window collects no queue";
    schedule.Answered(1);  // answered, yet still a child: asked at the next tick
    EXPECT_EQ(Children{1}, ToAsk(schedule, {1, 2, 3}, start + 2000));
    EXPECT_EQ((Children{2, 3}), ToAsk(schedule, {1, 2, 3}, start + 1750 + CReleaseSchedule::kReaskMs));
    EXPECT_EQ(Children{}, ToAsk(schedule, {3}, start + 1760 + CReleaseSchedule::kReaskMs));
    EXPECT_EQ(Children{2}, ToAsk(schedule, {2, 3}, start + 1770 + CReleaseSchedule::kReaskMs))
        << "a child gone from the list is forgotten: a new one with its handle is asked at once";
}

}  // namespace
