// The browser-window list's rules of position: insert position and current entry, removal.
#include <gtest/gtest.h>

#include "app/mainwnd/list_rules.h"

namespace {

struct InsertCase {
    int listMode, count, current;
    int position, currentAfterKeeping;  // with NewWindowMode 1
};

TEST(PlanNewEntry, ListModeDecidesThePositionAndShiftsTheCurrentEntry)
{
    const InsertCase cases[] = {
        // end of the list (0, and any unknown mode)
        {0, 3, 1, 3, 1},
        {7, 3, 1, 3, 1},
        {-1, 3, 1, 3, 1},
        // top of the list
        {1, 3, 1, 0, 2},
        // after the shown window
        {2, 3, 1, 2, 1},
        {2, 3, 2, 3, 2},
        // before the shown window
        {3, 3, 1, 1, 2},
        {3, 3, 0, 0, 1},
    };
    for (const InsertCase& c : cases) {
        NewEntryPlan keep = PlanNewEntry(c.count, c.current, c.listMode, 1);
        EXPECT_TRUE(keep.keepCurrentShown);
        EXPECT_FALSE(keep.select);
        EXPECT_EQ(c.position, keep.position) << "mode " << c.listMode << " current " << c.current;
        EXPECT_EQ(c.currentAfterKeeping, keep.current) << "mode " << c.listMode << " current " << c.current;

        NewEntryPlan show = PlanNewEntry(c.count, c.current, c.listMode, 0);
        EXPECT_FALSE(show.keepCurrentShown);
        EXPECT_TRUE(show.select);
        EXPECT_EQ(c.position, show.position);
        EXPECT_EQ(c.position, show.current) << "the new entry is current";
    }
}

TEST(PlanNewEntry, WithNoCurrentEntryModesTwoAndThreeInsertAtTheHead)
{
    EXPECT_EQ(0, PlanNewEntry(2, -1, 2, 0).position);
    EXPECT_EQ(0, PlanNewEntry(2, -1, 3, 0).position);
    EXPECT_EQ(-1, PlanNewEntry(2, -1, 3, 1).current) << "nothing to shift";
}

TEST(PlanNewEntry, FirstWindowIsShownWhateverNewWindowModeSays)
{
    NewEntryPlan first = PlanNewEntry(0, -1, 0, 1);
    EXPECT_FALSE(first.keepCurrentShown);
    EXPECT_TRUE(first.select);
    EXPECT_EQ(0, first.current);
    NewEntryPlan second = PlanNewEntry(1, 0, 0, 1);
    EXPECT_TRUE(second.keepCurrentShown);
    EXPECT_EQ(0, second.current) << "the second is hidden and not current";
}

TEST(PlanRemoval, CurrentEntryPassesToTheNextOrThePrevious)
{
    // The current entry, not the last: the one that moved up becomes current.
    EXPECT_EQ(0, PlanRemoval(0, 0, 2).current);
    EXPECT_TRUE(PlanRemoval(0, 0, 2).placeAndRelease);
    // The current entry, the last: the previous one.
    EXPECT_EQ(1, PlanRemoval(2, 2, 2).current);
    // The only entry: none.
    RemovalPlan only = PlanRemoval(0, 0, 0);
    EXPECT_EQ(-1, only.current);
    EXPECT_FALSE(only.placeAndRelease);
    // A count that cannot be read counts as "it was the last".
    EXPECT_EQ(0, PlanRemoval(1, 1, -1).current);
}

TEST(PlanRemoval, EntryBeforeTheCurrentShiftsItAndReplacesTheShownWindow)
{
    RemovalPlan before = PlanRemoval(3, 1, 4);
    EXPECT_EQ(2, before.current);
    EXPECT_TRUE(before.placeAndRelease) << "placed again, so it returns to the fixed rectangle";
    RemovalPlan after = PlanRemoval(1, 3, 3);
    EXPECT_EQ(1, after.current);
    EXPECT_FALSE(after.placeAndRelease) << "only the selection is set again";
    EXPECT_EQ(-1, PlanRemoval(-1, 0, 2).current);
}

}  // namespace
