// The browser-window list's rules: insert position and current entry, removal, placement in the
// fixed rectangle, taking the rectangle, the start-up sweep's classes, the program's own path.
#include <gtest/gtest.h>

#include "app/mainwnd/list_rules.h"
#include "hooklib/hook_protocol.h"

void PrintTo(const NormalRect& r, std::ostream* os)
{
    *os << "(" << r.left << ", " << r.top << ")-(" << r.right << ", " << r.bottom << ")";
}

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

TEST(PlanPlacement, FixedRectangleOnlyWhenOnAndRecorded)
{
    const NormalRect own{50, 60, 350, 260};
    NormalRect r = own;
    EXPECT_FALSE(PlanPlacement(false, {10, 20, 800, 600}, false, r));
    EXPECT_FALSE(PlanPlacement(true, {10, 20, -1, 600}, false, r));
    EXPECT_FALSE(PlanPlacement(true, {10, 20, 800, -1}, false, r));
    EXPECT_EQ(own, r);

    ASSERT_TRUE(PlanPlacement(true, {10, 20, 800, 600}, false, r));
    EXPECT_EQ((NormalRect{10, 20, 810, 620}), r);
    r = own;
    ASSERT_TRUE(PlanPlacement(true, {10, 20, 800, 600}, true, r));
    EXPECT_EQ((NormalRect{10, 20, 310, 220}), r) << "a pop-up is moved and keeps its size";
    r = own;
    ASSERT_TRUE(PlanPlacement(true, {-5, -7, 0, 0}, false, r));
    EXPECT_EQ((NormalRect{-5, -7, -5, -7}), r);
}

TEST(TakeFixedRectangle, StoresTheRestoredRectangleAndTheShowCommand)
{
    FixedRect fixed;
    int showCmd = kShowNormal;
    EXPECT_FALSE(TakeFixedRectangle(false, 0, {1, 2, 3, 4}, 1, fixed, showCmd)) << "Size_Pos off";
    EXPECT_FALSE(TakeFixedRectangle(true, -1, {1, 2, 3, 4}, 1, fixed, showCmd)) << "empty list";
    EXPECT_EQ(-1, fixed.width);

    ASSERT_TRUE(TakeFixedRectangle(true, 0, {10, 20, 650, 500}, kShowMaximized, fixed, showCmd));
    EXPECT_EQ(10, fixed.left);
    EXPECT_EQ(20, fixed.top);
    EXPECT_EQ(640, fixed.width);
    EXPECT_EQ(480, fixed.height);
    EXPECT_EQ(kShowMaximized, showCmd);
    ASSERT_TRUE(TakeFixedRectangle(true, 0, {0, 0, 100, 100}, 2 /* minimised */, fixed, showCmd));
    EXPECT_EQ(kShowNormal, showCmd) << "no window is ever placed minimised";
}

TEST(ClassifyOpenWindow, RecognisesBrowsersByClassAndTitle)
{
    EXPECT_EQ(BROWSER_IE, ClassifyOpenWindow("IEFrame", "", false));
    EXPECT_EQ(BROWSER_NETSCAPE6, ClassifyOpenWindow("MozillaWindowClass", "Page - Netscape 7", true));
    EXPECT_EQ(BROWSER_MOZILLA, ClassifyOpenWindow("MozillaWindowClass", "Page - Mozilla", true));
    EXPECT_EQ(-1, ClassifyOpenWindow("MozillaWindowClass", "Mozilla", true));
    EXPECT_EQ(BROWSER_OPERA_OUI, ClassifyOpenWindow("OUIWINDOW", "", false));
    EXPECT_EQ(BROWSER_OPERA_OP, ClassifyOpenWindow("OpWindow", "", true));
    EXPECT_EQ(-1, ClassifyOpenWindow("OpWindow", "", false));
    EXPECT_EQ(BROWSER_NETSCAPE4, ClassifyOpenWindow("OpWindow", "Page - Netscape", false));
    EXPECT_EQ(BROWSER_NETSCAPE4, ClassifyOpenWindow("Other", "Page - Netscape", false));
    EXPECT_EQ(-1, ClassifyOpenWindow("ieframe", "", true)) << "class names are case-sensitive";
}

TEST(GetOwnPathFromCommandLine, TakesTheFirstWordQuotedOrNot)
{
    EXPECT_EQ("C:\\Program Files\\Pelorus.exe",
              GetOwnPathFromCommandLine("\"C:\\Program Files\\Pelorus.exe\" -x", 1024));
    EXPECT_EQ("C:\\open quote", GetOwnPathFromCommandLine("\"C:\\open quote", 1024));
    EXPECT_EQ("C:\\Pelorus.exe", GetOwnPathFromCommandLine("C:\\Pelorus.exe arg", 1024));
    EXPECT_EQ("C:\\Pelorus.exe", GetOwnPathFromCommandLine("  \"C:\\Pelorus.exe\"  arg", 1024));
    EXPECT_EQ("", GetOwnPathFromCommandLine("", 1024));
    EXPECT_EQ("", GetOwnPathFromCommandLine(nullptr, 1024));
}

TEST(GetOwnPathFromCommandLine, PathLongerThanTheBufferGivesNone)
{
    std::string exact(1023, 'p'), over(1024, 'p');
    EXPECT_EQ(exact, GetOwnPathFromCommandLine(exact.c_str(), 1024));
    EXPECT_EQ("", GetOwnPathFromCommandLine(over.c_str(), 1024));
    EXPECT_EQ("", GetOwnPathFromCommandLine(("\"" + over + "\"").c_str(), 1024));
}

}  // namespace
