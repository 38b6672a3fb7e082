// The Close-list dialog as a story on a fake desktop: its rows and count, showing one parked
// window at a time, deleting, closing.
#include <gtest/gtest.h>

#include "app/capture/close_list.h"
#include "app/capture/popup_table.h"
#include "app/capture/responsive.h"
#include "app/closelist/close_list_model.h"
#include "tests/unit/fakes/fresh_capture.h"

namespace {

using Strings = std::vector<std::string>;

class CloseListDialog : public ::testing::Test, public ListDisplay {
protected:
    void SetUp() override
    {
        StartFreshCapture(desk);
        g_pCloseListDlg = nullptr;
        g_nParkedTotal = 0;
        g_nCloseListCapacity = 4;
        g_bFilterClose = 0;
    }
    void TearDown() override { SetSeam(nullptr); }
    WindowHandle Park(const std::string& title)
    {
        const WindowHandle w = desk.Add("IEFrame", title);
        ParkWindow(w, 0);
        return w;
    }

    void InsertItem(int i, const std::string& title, WindowHandle, int) override
    {
        rows.insert(rows.begin() + i, title);
    }
    void DeleteItem(int i) override { rows.erase(rows.begin() + i); }
    void SelectItem(int) override {}
    void SetItemText(int i, const std::string& title, bool) override { rows[i] = title; }

    FakeWindowSeam desk;
    Strings rows;
    int count = -1;
    CCloseListModel dialog{*this, [this](int n) { count = n; }};
};

TEST_F(CloseListDialog, ListsShowsDeletesAndHidesAgainOnClose)
{
    const WindowHandle a = Park("A"), b = Park("B");
    dialog.Open();
    EXPECT_EQ((Strings{"A", "B"}), rows);
    EXPECT_EQ(2, count);

    const WindowHandle c = Park("C");
    dialog.AddParkedWindow(c, 0);  // the capture engine's calls, as while the dialog runs
    desk.windows[c].title = "C2";
    dialog.UpdateParkedWindowTitle(c);
    EXPECT_EQ((Strings{"A", "B", "C2"}), rows) << "the newest at the bottom";
    EXPECT_EQ(3, count);

    dialog.Show(0);
    EXPECT_TRUE(desk.Shown(a));
    dialog.Show(1);  // the first is hidden again before the second is released
    EXPECT_TRUE(desk.Hidden(a) && desk.Shown(b));
    EXPECT_EQ(b, dialog.Shown());

    dialog.Delete(1);  // the shown one: asked to close, forgotten as shown
    EXPECT_EQ((Strings{"A", "C2"}), rows);
    EXPECT_EQ(std::vector<WindowHandle>{b}, desk.closed);
    EXPECT_EQ(0u, dialog.Shown());
    EXPECT_FALSE(IsParked(b));
    dialog.Hide();  // nothing shown: nothing done
    EXPECT_TRUE(desk.Shown(b));

    dialog.Show(1);
    dialog.Close();
    EXPECT_TRUE(desk.Hidden(c)) << "closing hides again what the dialog released";

    dialog.Show(0);
    dialog.DeleteAll();
    dialog.Hide();  // A refuses to close: out of every list, it stays on the desktop
    EXPECT_TRUE(desk.Shown(a));
    EXPECT_TRUE(rows.empty());
    EXPECT_EQ((std::vector<WindowHandle>{b, a, c}), desk.closed);
    EXPECT_EQ(3, g_nParkedTotal) << "the count stays";
    CCloseListModel reopened{*this, [](int) {}};
    reopened.Open();
    EXPECT_TRUE(rows.empty());
}

// However a window leaves the Close list, its row goes: evicted by a newer one, or every one at
// once by the filter dialog while this dialog is open.
TEST_F(CloseListDialog, RowsFollowTheCloseListWhileOpen)
{
    struct Forward : CloseListObserver {
        explicit Forward(CCloseListModel& m) : model(m) {}
        void AddParkedWindow(WindowHandle w, int type) override { model.AddParkedWindow(w, type); }
        void UpdateParkedWindowTitle(WindowHandle w) override { model.UpdateParkedWindowTitle(w); }
        void RemoveParkedWindow(WindowHandle w) override { model.RemoveParkedWindow(w); }
        void CloseDialog() override {}
        CCloseListModel& model;
    } forward{dialog};
    g_pCloseListDlg = &forward;
    g_nCloseListCapacity = 2;
    dialog.Open();
    const WindowHandle a = Park("A");
    Park("B");
    Park("C");
    EXPECT_EQ((Strings{"B", "C"}), rows) << "A was evicted";
    EXPECT_EQ(std::vector<WindowHandle>{a}, desk.closed);
    CloseAllParked();
    EXPECT_TRUE(rows.empty());
    g_pCloseListDlg = nullptr;
}

}  // namespace
