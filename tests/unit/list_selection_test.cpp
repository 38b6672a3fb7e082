// The browser-window list's selection rules and its once-per-type icon rule.
#include <gtest/gtest.h>

#include <vector>

#include "app/ui/list_selection.h"

namespace {

struct FakeRows : SelectableRows {
    explicit FakeRows(int n) : selected(n, false) {}
    int RowCount() override { return static_cast<int>(selected.size()); }
    // A row that is not there throws: the rules must never reach past the list.
    bool IsSelected(int row) override { return selected.at(row); }
    void ClearSelected(int row) override
    {
        selected.at(row) = false;
        ++changes;
    }
    void SetSelected(int row) override
    {
        selected.at(row) = true;
        ++changes;
    }
    void Redraw(int row) override { redrawn.push_back(row); }

    std::vector<bool> selected;
    std::vector<int> redrawn;
    int changes = 0;
};

TEST(SelectRow, MovesTheSelectionAndRedrawsTheNewRow)
{
    FakeRows rows(4);
    SelectRow(rows, 1);
    SelectRow(rows, 3);
    EXPECT_EQ((std::vector<bool>{false, false, false, true}), rows.selected);
    EXPECT_EQ((std::vector<int>{1, 3}), rows.redrawn);
}

TEST(SelectRow, SelectingTheSelectedRowChangesNothing)
{
    FakeRows rows(3);
    SelectRow(rows, 2);
    rows.changes = 0;
    rows.redrawn.clear();
    SelectRow(rows, 2);
    EXPECT_EQ(0, rows.changes);
    EXPECT_TRUE(rows.redrawn.empty());
}

TEST(SelectRow, RowThatDoesNotExistLeavesNothingSelected)
{
    for (int row : {-1, 3, 100}) {
        FakeRows rows(3);
        SelectRow(rows, 0);
        SelectRow(rows, row);
        EXPECT_EQ((std::vector<bool>{false, false, false}), rows.selected) << row;
    }
}

TEST(SelectRow, ClearsOnlyTheFirstSelectedRow)
{
    FakeRows rows(4);
    rows.selected = {false, true, true, false};  // a multiple selection made elsewhere
    SelectRow(rows, 3);
    EXPECT_EQ((std::vector<bool>{false, false, true, true}), rows.selected);
}

TEST(TakeSelectedRow, ReturnsAndClearsTheFirstSelectedRow)
{
    FakeRows rows(3);
    EXPECT_EQ(-1, TakeSelectedRow(rows));
    EXPECT_EQ(0, rows.changes) << "nothing selected: nothing changes";
    SelectRow(rows, 2);
    EXPECT_EQ(2, TakeSelectedRow(rows));
    EXPECT_EQ(-1, TakeSelectedRow(rows));
    FakeRows empty(0);
    EXPECT_EQ(-1, TakeSelectedRow(empty));
}

TEST(BrowserIconSlots, EachValidTypeIsTakenOnce)
{
    BrowserIconSlots slots;
    EXPECT_TRUE(slots.TakeFirst(BROWSER_IE));
    EXPECT_FALSE(slots.TakeFirst(BROWSER_IE));
    EXPECT_TRUE(slots.TakeFirst(BROWSER_OPERA_OP));
    EXPECT_FALSE(slots.TakeFirst(-1)) << "no slot outside the kinds";
    EXPECT_FALSE(slots.TakeFirst(kBrowserTypeCount));
}

}  // namespace
