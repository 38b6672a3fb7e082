// The Close-list dialog on a fake desktop: its rows and count, showing one parked window at a
// time, deleting, closing.
#include <gtest/gtest.h>

#include "app/closelist/close_list_model.h"
#include "tests/unit/fakes/capture_rig.h"

namespace {

using Strings = std::vector<std::string>;

class CloseListDialog : public ::testing::Test, protected CaptureRig, public ListDisplay {
protected:
    void SetUp() override { Load({{"FILTER", "1"}, {"FILTER_CLOSE", "0"}, {"MAX_PENDING_NUM", "4"}}); }
    WindowHandle Park(const std::string& title, const FilterMatch& reason = {})
    {
        const WindowHandle w = desk.Add("IEFrame", title);
        capture.Park(w, 0, reason);
        return w;
    }

    void InsertItem(int i, const std::u16string& title, WindowHandle, int) override
    {
        rows.insert(rows.begin() + i, ToUtf8(title));
    }
    void DeleteItem(int i) override { rows.erase(rows.begin() + i); }
    void SelectItem(int) override {}
    void SetItemText(int i, const std::u16string& title, bool) override { rows[i] = ToUtf8(title); }
    void SetItemDetail(int i, const std::u16string& detail) override
    {
        details.resize(std::max(details.size(), static_cast<size_t>(i) + 1));
        details[static_cast<size_t>(i)] = ToUtf8(detail);
    }

    // The dialog as it runs: attached to the Close list.
    struct Attached : CloseListObserver {
        explicit Attached(CCloseListModel& m) : model(m) {}
        void AddParkedWindow(const ParkedWindow& p) override { model.AddParkedWindow(p); }
        void UpdateParkedWindowTitle(WindowHandle w) override { model.UpdateParkedWindowTitle(w); }
        void RemoveParkedWindow(WindowHandle w) override { model.RemoveParkedWindow(w); }
        void CloseDialog() override {}
        CCloseListModel& model;
    };

    Strings rows, details;
    int count = -1;
    CCloseListModel dialog{
        *this, [this](int n) { count = n; }, {desk, capture, mover, settings}, {u"pop-up", u"URL <%s>", u"title <%s>"}};
    Attached attached{dialog};
};

TEST_F(CloseListDialog, ListsTheParkedWindowsOldestFirstAndFollowsNewOnes)
{
    Park("A");
    Park("B");
    dialog.Open();
    capture.AttachCloseListDialog(&attached);
    EXPECT_EQ((Strings{"A", "B"}), rows);
    EXPECT_EQ(2, count);
    const WindowHandle c = Park("C");
    desk.windows[c].title = "C2";
    capture.ParkedTitleChanged(c);
    EXPECT_EQ((Strings{"A", "B", "C2"}), rows) << "the newest at the bottom";
    EXPECT_EQ(3, count);
}

TEST_F(CloseListDialog, EachRowSaysWhyItsWindowWasFiltered)
{
    Park("A", {FilterRule::Popup, u""});
    Park("B", {FilterRule::Url, u"http://ads."});
    dialog.Open();
    capture.AttachCloseListDialog(&attached);
    Park("C", {FilterRule::Title, u"Caf\u00E9 \u2615"});
    Park("D");
    EXPECT_EQ((Strings{"pop-up", "URL <http://ads.>", "title <Caf\xC3\xA9 \xE2\x98\x95>", ""}), details);
}

TEST_F(CloseListDialog, ShowsOneParkedWindowAtATimeAndDeletesAsked)
{
    const WindowHandle a = Park("A"), b = Park("B");
    dialog.Open();
    dialog.Show(0);
    EXPECT_TRUE(desk.Shown(a));
    dialog.Show(1);  // the first is hidden again before the second is released
    EXPECT_TRUE(desk.Hidden(a) && desk.Shown(b));
    EXPECT_EQ(b, dialog.Shown());

    dialog.Delete(1);  // the shown one: asked to close, forgotten as shown
    EXPECT_EQ((Strings{"A"}), rows);
    EXPECT_EQ(std::vector<WindowHandle>{b}, desk.closed);
    EXPECT_EQ(0u, dialog.Shown());
    EXPECT_FALSE(closeList.Contains(b));
    dialog.Hide();  // nothing shown: nothing done
    EXPECT_TRUE(desk.Shown(b));
}

TEST_F(CloseListDialog, ClosingHidesAgainAndDeleteAllKeepsTheCount)
{
    const WindowHandle a = Park("A"), b = Park("B");
    dialog.Open();
    dialog.Show(1);
    dialog.Close();
    EXPECT_TRUE(desk.Hidden(b)) << "closing hides again what the dialog released";

    dialog.Show(0);
    dialog.DeleteAll();
    dialog.Hide();  // A refuses to close: out of every list, it stays on the desktop
    EXPECT_TRUE(desk.Shown(a));
    EXPECT_TRUE(rows.empty());
    EXPECT_EQ((std::vector<WindowHandle>{a, b}), desk.closed);
    EXPECT_EQ(2, closeList.Total()) << "the count stays";
    CCloseListModel reopened{*this, [](int) {}, {desk, capture, mover, settings}, {}};
    reopened.Open();
    EXPECT_TRUE(rows.empty());
}

// However a window leaves the Close list, its row goes: evicted by a newer one, or every one at
// once by the filter dialog while this dialog is open.
TEST_F(CloseListDialog, RowsFollowTheCloseListWhileOpen)
{
    Load({{"FILTER", "1"}, {"FILTER_CLOSE", "0"}, {"MAX_PENDING_NUM", "2"}});
    capture.AttachCloseListDialog(&attached);
    dialog.Open();
    const WindowHandle a = Park("A");
    Park("B");
    Park("C");
    EXPECT_EQ((Strings{"B", "C"}), rows) << "A was evicted";
    EXPECT_EQ(std::vector<WindowHandle>{a}, desk.closed);
    capture.CloseAllParked();
    EXPECT_TRUE(rows.empty());
}

}  // namespace
