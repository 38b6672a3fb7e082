// The browser-window list as stories on a fake desktop: what is captured and what is not, which
// window is shown, what waits for a title to settle or a window to die, and what is never done
// to a window that does not answer.
#include <gtest/gtest.h>

#include <algorithm>
#include <optional>

#include "app/capture/close_list.h"
#include "app/capture/popup_table.h"
#include "app/capture/responsive.h"
#include "app/mainwnd/list_controller.h"
#include "hooklib/hook_protocol.h"
#include "tests/unit/fakes/fresh_capture.h"

namespace {

using Strings = std::vector<std::string>;

class ListStory : public ::testing::Test, public ListDisplay, public Clock {
protected:
    void SetUp() override
    {
        StartFreshCapture(desk);
        g_nTargetBrowser = TargetBit(BROWSER_IE) | TargetBit(BROWSER_NETSCAPE4) | TargetBit(BROWSER_OPERA_OP);
        g_bFilter = g_bFilterUseTitle = 0;
        g_nWinWidth = g_nWinHeight = -1;
        g_nCloseListCapacity = 4;
    }
    void TearDown() override { SetSeam(nullptr); }

    WindowHandle Browser(const std::string& title) { return desk.Add("IEFrame", title); }
    void Advance(uint32_t ms)
    {
        for (uint32_t step = 0; step < ms; step += 10) {
            now_ += 10;
            if (wake_ && now_ >= *wake_) {
                wake_.reset();
                list.OnWake();
            }
        }
    }

    // The list as the user sees it: "*" marks a window that does not answer.
    void InsertItem(int i, const std::string& title, WindowHandle, int) override
    {
        rows.insert(rows.begin() + i, title);
    }
    void DeleteItem(int index) override { rows.erase(rows.begin() + index); }
    void SelectItem(int index) override { selected = index; }
    void SetItemText(int index, const std::string& title, bool unresponsive) override
    {
        rows[index] = (unresponsive ? "*" : "") + title;
    }
    uint32_t Now() override { return now_; }
    void WakeAfter(uint32_t delayMs) override { wake_ = now_ + delayMs; }

    FakeWindowSeam desk;
    MainDialogSettings settings;
    CListController list{*this, *this, settings};
    Strings rows;
    int selected = -1;

private:
    uint32_t now_ = 1000;
    std::optional<uint32_t> wake_;
};

TEST_F(ListStory, NotificationsAreHintsToLookNotFacts)
{
    const WindowHandle listed = Browser("Listed");
    list.OnNewWindow(listed, BROWSER_IE);
    const WindowHandle owned = Browser("Owned"), ours = Browser("Ours"), hidden = Browser("Hidden"),
                       dead = Browser("Dead"), opera = desk.Add("OpWindow", "Opera"), closing = Browser("Closing");
    AskToClose(closing);  // it stays on the desktop while it thinks about it
    desk.windows[owned].owned = true;
    desk.windows[ours].ours = true;
    desk.windows[hidden].parent = FakeWindowSeam::kRelay;
    desk.Kill(dead);
    list.OnNewWindow(desk.Add("Notepad", "Plain"), BROWSER_IE);
    list.OnNewWindow(desk.Add("Notepad", "Plain"), BROWSER_NETSCAPE4);  // known by a title it lacks
    for (WindowHandle w : {owned, ours, hidden, dead, listed, closing})
        list.OnNewWindow(w, BROWSER_IE);
    list.OnNewWindow(opera, 0xF);
    list.OnNewWindow(opera, BROWSER_OPERA_OUI);  // its class says otherwise
    g_nTargetBrowser = TargetBit(BROWSER_IE);
    list.OnNewWindow(opera, BROWSER_OPERA_OP);  // a type no longer targeted
    EXPECT_EQ(Strings{"Listed"}, rows);
    EXPECT_EQ((Strings{"show Listed", "close Closing"}), desk.actions) << "nothing hidden, nothing shown";

    list.OnDestroyed(listed);  // still alive: not believed
    Advance(2000);
    EXPECT_EQ(Strings{"Listed"}, rows);
    list.OnDestroyed(listed);
    Advance(20);
    desk.Kill(listed);  // destroyed a moment after its notification
    Advance(100);
    EXPECT_TRUE(rows.empty());
    EXPECT_EQ(-1, g_nCurrent);
}

TEST_F(ListStory, NewWindowIsShownBeforeTheCurrentIsHiddenAndRemovalShowsTheNext)
{
    g_nWinLeft = 10, g_nWinTop = 20, g_nWinWidth = 300, g_nWinHeight = 200;
    const WindowHandle a = Browser("A"), b = Browser("B"), c = Browser("C");
    list.OnNewWindow(a, BROWSER_IE);
    list.OnNewWindow(b, BROWSER_IE);
    EXPECT_EQ((Strings{"place A", "place B", "hide A"}), desk.actions);
    EXPECT_EQ((NormalRect{10, 20, 310, 220}), desk.windows[b].normal);
    settings.m_nNewWindowMode = 1;
    list.OnNewWindow(c, BROWSER_IE);
    EXPECT_TRUE(desk.Hidden(c));
    EXPECT_EQ((Strings{"A", "B", "C"}), rows);
    EXPECT_EQ(1, g_nCurrent);
    EXPECT_EQ(1, selected);

    desk.actions.clear();
    desk.Kill(b);
    const WindowHandle popup = Browser("Popup, asked to close outside the list");
    AddPopup(popup);
    desk.Kill(popup);
    list.OnTick();  // killed: never reported
    EXPECT_FALSE(IsPopup(popup)) << "its slot is free again";
    EXPECT_EQ((Strings{"A", "C"}), rows);
    EXPECT_EQ(1, g_nCurrent) << "the entry that moved up";
    EXPECT_EQ((Strings{"place C", "release C"}), desk.actions);
}

// Hidden while there was no relay window, windows stayed on the desktop; the relay window's
// arrival hides them, but never the current one or one that does not answer.
TEST_F(ListStory, RelayWindowsArrivalHidesWhatHadNowhereToGo)
{
    const WindowHandle a = Browser("A"), b = Browser("B"), hung = Browser("Hung"), c = Browser("C");
    for (WindowHandle w : {a, b, hung, c})
        list.OnNewWindow(w, BROWSER_IE);
    ParkWindow(desk.Add("IEFrame", "Parked"), BROWSER_IE);
    for (auto& [handle, window] : desk.windows)
        window.parent = 0;
    desk.windows[hung].answers = false;
    desk.actions.clear();
    list.OnRelayWindow();
    EXPECT_EQ((Strings{"hide A", "hide B", "hide Parked"}), desk.actions);
}

TEST_F(ListStory, TitlesAreReadOnceTheyStandStill)
{
    const WindowHandle a = Browser("A"), b = Browser("B");
    list.OnNewWindow(a, BROWSER_IE);
    list.OnNewWindow(b, BROWSER_IE);
    for (const char* title : {"B1", "B2", "B3"}) {
        desk.windows[b].title = title;
        list.OnTitleChanged(b);
        Advance(40);
    }
    EXPECT_EQ((Strings{"A", "B"}), rows) << "still retitling";
    Advance(100);
    EXPECT_EQ((Strings{"A", "B3"}), rows);

    for (int i = 0; i < 12; ++i) {  // a title that never stands still is still read now and then
        desk.windows[b].title = "Tick" + std::to_string(i);
        list.OnTitleChanged(b);
        Advance(50);
    }
    EXPECT_NE("B3", rows[1]);

    g_bFilterUseTitle = 1;  // the title filter parks the shown window; the other is shown
    g_arrFilterTitle = {"Ads"};
    desk.windows[b].title = "Ads - Microsoft Internet Explorer";
    list.OnTitleChanged(b);
    Advance(200);
    EXPECT_EQ(Strings{"A"}, rows);
    EXPECT_EQ(b, g_ahwndParked[0]);
    EXPECT_TRUE(desk.Hidden(b) && desk.Shown(a));
    g_arrFilterTitle.clear();
}

TEST_F(ListStory, WindowThatDoesNotAnswerIsLeftAsItIsUntilItDoes)
{
    const WindowHandle a = Browser("A"), b = Browser("B");
    list.OnNewWindow(a, BROWSER_IE);
    desk.windows[a].answers = false;
    list.OnNewWindow(b, BROWSER_IE);
    EXPECT_TRUE(desk.Shown(a) && desk.Shown(b));
    EXPECT_EQ((Strings{"*A", "B"}), rows);
    EXPECT_EQ(1, g_nCurrent);
    EXPECT_EQ(std::vector<WindowHandle>{a}, desk.probed) << "asked again without waiting";

    list.SwitchTo(0);  // cannot be shown: nothing switches
    EXPECT_EQ(1, g_nCurrent);
    EXPECT_TRUE(desk.Shown(b));

    desk.windows[a].answers = true;
    list.OnWindowAnswered(a, desk.cookies[a] + 1);  // posted by anyone: not the probe's answer
    EXPECT_TRUE(desk.Shown(a));
    list.OnWindowAnswered(a, desk.cookies[a]);
    EXPECT_TRUE(desk.Hidden(a));
    EXPECT_EQ((Strings{"A", "B"}), rows);

    // A window that does not answer when it comes is placed once it does.
    g_nWinLeft = 10, g_nWinTop = 20, g_nWinWidth = 300, g_nWinHeight = 200;
    const WindowHandle c = Browser("C");
    desk.windows[c].answers = false;
    list.OnNewWindow(c, BROWSER_IE);
    EXPECT_EQ((Strings{"A", "B", "*C"}), rows);
    desk.windows[c].answers = true;
    list.OnWindowAnswered(c, desk.cookies[c]);
    EXPECT_EQ((NormalRect{10, 20, 310, 220}), desk.windows[c].normal);

    // Leaving with EXIT_BROWSER: windows are closed where they are; a hidden window in no list
    // goes back to the desktop; one that does not answer is left for the relay window.
    const WindowHandle parked = Browser("Parked"), stray = Browser("Stray");
    ParkWindow(parked, BROWSER_IE);
    desk.windows[stray].parent = FakeWindowSeam::kRelay;
    desk.windows[b].answers = false;
    list.Exit(true);
    EXPECT_TRUE(desk.Hidden(a) && desk.Hidden(parked) && desk.Shown(stray));
    EXPECT_EQ((std::vector<WindowHandle>{a, b, c, parked}), desk.closed);
    for (const std::string& action : desk.actions)
        EXPECT_EQ(std::string::npos, action.find("HUNG")) << action;
}

TEST_F(ListStory, WindowAskedToCloseOutsideTheListEndsGoneOrOnTheDesktop)
{
    g_nCloseListCapacity = 1;
    const WindowHandle refuses = desk.Add("IEFrame", "Refuses"), hung = desk.Add("IEFrame", "Hung"),
                       goes = desk.Add("IEFrame", "Goes");
    for (WindowHandle w : {refuses, hung, goes, desk.Add("IEFrame", "Last")})
        ParkWindow(w, BROWSER_IE);  // each evicts the one before
    desk.windows[hung].answers = false;
    desk.Kill(goes);
    ReleaseRefusedCloses();
    ReleaseRefusedCloses();
    EXPECT_TRUE(desk.Hidden(refuses)) << "a moment's grace to close";
    ReleaseRefusedCloses();
    EXPECT_TRUE(desk.Shown(refuses));
    EXPECT_TRUE(desk.Hidden(hung));
    desk.windows[hung].answers = true;
    OnResponded(hung, desk.cookies[hung]);
    ReleaseRefusedCloses();
    EXPECT_TRUE(desk.Shown(hung));
}

TEST_F(ListStory, TargetChangeGivesUpWindowsOfDroppedTypesAndFindsThoseOfNewOnes)
{
    const WindowHandle a = Browser("A"), b = desk.Add("OpWindow", "B"), c = Browser("C"), d = desk.Add("OpWindow", "D");
    for (WindowHandle w : {a, b, c, d})
        list.OnNewWindow(w, w == b || w == d ? BROWSER_OPERA_OP : BROWSER_IE);
    const WindowHandle mozilla = desk.Add("MozillaWindowClass", "Page - Mozilla {x}");
    list.SwitchTo(1);  // B current, between A and C
    ASSERT_TRUE(IsPopup(b)) << "an Opera window without its inner window";
    desk.windows[d].answers = false;

    const int before = TargetBit(BROWSER_IE) | TargetBit(BROWSER_OPERA_OP);
    SweepList fresh = list.ApplyTargetBrowserChange(before, TargetBit(BROWSER_IE) | TargetBit(BROWSER_MOZILLA));
    EXPECT_EQ((Strings{"A", "C"}), rows);
    EXPECT_EQ(0, g_nCurrent) << "the nearest remaining entry before the current one";
    EXPECT_TRUE(desk.Shown(a) && desk.Hidden(c) && desk.Shown(b));
    EXPECT_FALSE(IsPopup(b)) << "no longer one of ours";
    ASSERT_EQ(1, fresh.count) << "only the newly targeted type's open windows";
    EXPECT_EQ(mozilla, fresh.windows[0]);
    EXPECT_TRUE(desk.Hidden(d)) << "did not answer: left as it is";
    desk.windows[d].answers = true;
    list.OnWindowAnswered(d, desk.cookies[d]);
    EXPECT_TRUE(desk.Shown(d)) << "given back once it answers";

    // The current window given up with none before it: the first remaining one is shown. More
    // than 32 given up at once: every one back on the desktop.
    const WindowHandle e = desk.Add("OpWindow", "E");
    list.OnNewWindow(e, BROWSER_OPERA_OP);
    std::vector<WindowHandle> many;
    for (int i = 0; i < 40; ++i) {
        many.push_back(Browser("M"));
        list.OnNewWindow(many.back(), BROWSER_IE);
    }
    list.SwitchTo(0);
    list.ApplyTargetBrowserChange(TargetBit(BROWSER_IE) | TargetBit(BROWSER_OPERA_OP), TargetBit(BROWSER_OPERA_OP));
    EXPECT_EQ(Strings{"E"}, rows);
    EXPECT_EQ(0, g_nCurrent);
    EXPECT_TRUE(desk.Shown(e) && desk.Shown(a));
    EXPECT_TRUE(std::all_of(many.begin(), many.end(), [&](WindowHandle w) { return desk.Shown(w); }));
}

TEST_F(ListStory, PopupsMoveToTheCloseListAndTheNearestWindowBeforeIsShown)
{
    g_nWinLeft = 10, g_nWinTop = 20, g_nWinWidth = 300, g_nWinHeight = 200;
    const WindowHandle a = Browser("A"), b = Browser("B"), c = Browser("C");
    for (WindowHandle w : {a, b, c})
        list.OnNewWindow(w, BROWSER_IE);
    list.MovePopupsToCloseList();  // none recorded: nothing changes
    EXPECT_EQ((Strings{"A", "B", "C"}), rows);
    AddPopup(b);
    AddPopup(c);
    desk.windows[a].normal = {};
    g_nCloseListCapacity = 1;                  // left from close mode, the last time filtering was on
    g_bFilterClose = 0, g_nMaxPendingNum = 4;  // filtering now parks up to four
    list.MovePopupsToCloseList();
    EXPECT_EQ(Strings{"A"}, rows);
    EXPECT_EQ(0, g_nCurrent);
    EXPECT_TRUE(IsParked(b) && IsParked(c));
    EXPECT_TRUE(desk.Hidden(b) && desk.Hidden(c) && desk.Shown(a));
    EXPECT_EQ((NormalRect{10, 20, 310, 220}), desk.windows[a].normal) << "placed as it is shown";
}

TEST_F(ListStory, CatchUpTakesOnlyWindowsNeitherSweptNorWatched)
{
    const WindowHandle early = Browser("Early");
    const SweepList swept = list.SweepBrowserWindows();
    const WindowHandle late = Browser("Late"), watched = Browser("Watched");
    const SweepList missed =
        WindowsMissedBy(swept, list.SweepBrowserWindows(), [&](WindowHandle w) { return w == watched; });
    ASSERT_EQ(1, missed.count);
    EXPECT_EQ(late, missed.windows[0]);
    EXPECT_TRUE(swept.Contains(early));
}

}  // namespace
