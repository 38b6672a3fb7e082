// The browser-window list on a fake desktop: what is captured and what is not, which window is
// shown, what waits for a title to settle or a window to die, and what is never done to a window
// that does not answer. The clock starts just before the tick count wraps.
#include <gtest/gtest.h>

#include <algorithm>
#include <optional>

#include "app/mainwnd/list_controller.h"
#include "hooklib/hook_protocol.h"
#include "tests/unit/fakes/capture_rig.h"

namespace {

using Strings = std::vector<std::string>;

class ListStory : public ::testing::Test, protected CaptureRig, public ListDisplay, public Clock {
protected:
    void SetUp() override { Load({{"TARGET_B", "37"}, {"MAX_PENDING_NUM", "4"}}); }  // IE, Netscape 4, Opera

    WindowHandle Browser(const std::string& title) { return desk.Add("IEFrame", title); }
    std::vector<WindowHandle> Listed(std::initializer_list<const char*> titles)
    {
        std::vector<WindowHandle> windows;
        for (const char* title : titles) {
            windows.push_back(Browser(title));
            list.OnNewWindow(windows.back(), BROWSER_IE);
        }
        return windows;
    }
    void Advance(uint32_t ms)
    {
        for (uint32_t step = 0; step < ms; step += 10) {
            now_ += 10;
            if (wake_ && IsDue(*wake_, now_)) {
                wake_.reset();
                list.OnWake();
            }
        }
    }
    void FixedRectangle()
    {
        Load({{"TARGET_B", "37"}, {"WIN_LEFT", "10"}, {"WIN_TOP", "20"}, {"WIN_WIDTH", "300"}, {"WIN_HEIGHT", "200"}});
    }

    // The list as the user sees it: "*" marks a window that does not answer.
    void InsertItem(int i, const std::u16string& title, WindowHandle, int) override
    {
        rows.insert(rows.begin() + i, ToUtf8(title));
    }
    void DeleteItem(int index) override { rows.erase(rows.begin() + index); }
    void SelectItem(int index) override { selected = index; }
    void SetItemText(int index, const std::u16string& title, bool unresponsive) override
    {
        rows[index] = (unresponsive ? "*" : "") + ToUtf8(title);
    }
    void SetItemDetail(int, const std::u16string&) override {}
    uint32_t Now() override { return now_; }
    void WakeAfter(uint32_t delayMs) override { wake_ = now_ + delayMs; }

    CListController list{{*this, *this, desk, settings, mover, capture}};
    Strings rows;
    int selected = -1;

private:
    uint32_t now_ = 0xFFFFFFC0;
    std::optional<uint32_t> wake_;
};

TEST_F(ListStory, RefusedNotificationsTouchNoWindow)
{
    const WindowHandle listed = Listed({"Listed"})[0];
    const WindowHandle owned = Browser("Owned"), dead = Browser("Dead"), closing = Browser("Closing");
    mover.AskToClose(closing);  // it stays on the desktop while it thinks about it
    desk.windows[owned].owned = true;
    desk.Kill(dead);
    for (WindowHandle w : {owned, dead, listed, closing})
        list.OnNewWindow(w, BROWSER_IE);
    list.OnNewWindow(desk.Add("Notepad", "Plain"), BROWSER_IE);
    list.OnNewWindow(desk.Add("OpWindow", "Opera"), BROWSER_OPERA_OUI);  // its class says otherwise
    EXPECT_EQ(Strings{"Listed"}, rows);
    EXPECT_EQ((Strings{"show Listed", "close Closing"}), desk.actions) << "nothing hidden, nothing shown";
}

TEST_F(ListStory, HiddenEntryAskedToCloseIsGivenBackOutOfSightAndShownIfItRefuses)
{
    const std::vector<WindowHandle> w = Listed({"A", "B"});
    desk.actions.clear();
    list.CloseEntry(0);
    EXPECT_EQ((Strings{"release hidden A", "close A"}), desk.actions);
    for (int i = 0; i < 3; ++i)
        list.OnTick();
    EXPECT_EQ(0, list.Current()) << "it refused: shown, it may be asking its user";
    EXPECT_TRUE(desk.windows[w[0]].visible && desk.Hidden(w[1]));
}

TEST_F(ListStory, DestructionIsBelievedOnlyOnceTheWindowIsGone)
{
    const WindowHandle listed = Listed({"Listed"})[0];
    list.OnDestroyed(listed);  // still alive: not believed
    Advance(2000);
    EXPECT_EQ(Strings{"Listed"}, rows);
    list.OnDestroyed(listed);
    Advance(20);
    desk.Kill(listed);  // destroyed a moment after its notification
    Advance(100);
    EXPECT_TRUE(rows.empty());
    EXPECT_EQ(-1, list.Current());
}

TEST_F(ListStory, NewWindowIsPlacedAndShownBeforeTheCurrentIsHidden)
{
    FixedRectangle();
    const std::vector<WindowHandle> w = Listed({"A", "B"});
    EXPECT_EQ((Strings{"place A", "place B", "hide A"}), desk.actions);
    EXPECT_EQ((NormalRect{10, 20, 310, 220}), desk.windows[w[1]].normal);
    EXPECT_EQ(1, list.Current());
}

TEST_F(ListStory, PopupIsMovedToTheFixedCornerAndKeepsItsSize)
{
    FixedRectangle();
    const WindowHandle popup = desk.Add("IEFrame", "Popup", 0x80C80000);  // no maximise box, no frame
    list.OnNewWindow(popup, BROWSER_IE);
    EXPECT_EQ((NormalRect{10, 20, 410, 320}), desk.windows[popup].normal);
}

TEST_F(ListStory, WindowThatComesWhileTheButtonIsHeldIsTakenOnceItIsLetGo)
{
    const WindowHandle a = Listed({"A"})[0];
    desk.leftButtonHeld = true;  // a tab being dragged out
    list.OnNewWindow(Browser("Dragged"), BROWSER_IE);
    Advance(200);
    EXPECT_EQ(Strings{"A"}, rows);
    desk.leftButtonHeld = false;
    Advance(60);
    EXPECT_EQ((Strings{"A", "Dragged"}), rows);
    EXPECT_TRUE(desk.Hidden(a));
}

TEST_F(ListStory, NewWindowModeOneKeepsTheCurrentWindowShown)
{
    Listed({"A", "B"});
    Load({{"TARGET_B", "1"}, {"NewWindowMode", "1"}});
    const WindowHandle c = Listed({"C"})[0];
    EXPECT_TRUE(desk.Hidden(c));
    EXPECT_EQ((Strings{"A", "B", "C"}), rows);
    EXPECT_EQ(1, list.Current());
    EXPECT_EQ(1, selected);
}

TEST_F(ListStory, WindowKilledUnannouncedLeavesAndTheNextIsShown)
{
    const std::vector<WindowHandle> w = Listed({"A", "B", "C"});
    list.SwitchTo(1);
    desk.actions.clear();
    desk.Kill(w[1]);
    const WindowHandle popup = Browser("Popup, asked to close outside the list");
    popups.Add(popup);
    desk.Kill(popup);
    list.OnTick();  // killed: never reported
    EXPECT_FALSE(popups.Contains(popup)) << "its slot is free again";
    EXPECT_EQ((Strings{"A", "C"}), rows);
    EXPECT_EQ(1, list.Current()) << "the entry that moved up";
    EXPECT_EQ((Strings{"show C", "release C"}), desk.actions);
}

// Hidden while there was no relay window, windows stayed on the desktop; the relay window's
// arrival hides them, but never the current one or one that does not answer.
TEST_F(ListStory, RelayWindowsArrivalHidesWhatHadNowhereToGo)
{
    desk.relay = false;  // the keeper has not reported yet
    const std::vector<WindowHandle> w = Listed({"A", "B", "Hung", "C"});
    capture.Park(desk.Add("IEFrame", "Parked"), BROWSER_IE, {});
    EXPECT_TRUE(desk.hidden.empty()) << "nothing asked of them for nothing";
    desk.windows[w[2]].answers = false;
    desk.actions.clear();
    desk.relay = true;
    list.OnRelayWindow();
    EXPECT_EQ((Strings{"hide A", "hide B", "hide Parked"}), desk.actions);
}

TEST_F(ListStory, TitlesAreReadOnceTheyStandStill)
{
    const WindowHandle b = Listed({"A", "B"})[1];
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
}

TEST_F(ListStory, TitleFilterParksTheShownWindowWithItsPrefixAndShowsTheOther)
{
    const std::vector<WindowHandle> w = Listed({"A", "B"});
    Load({{"TARGET_B", "1"}, {"FILTER_TITLE_NUM", "1"}, {"FILTER_TITLE1", "Ads"}});
    desk.windows[w[1]].title = "Ads - Microsoft Internet Explorer";
    list.OnTitleChanged(w[1]);
    Advance(200);
    EXPECT_EQ((Strings{"A", "Ads - Microsoft Internet Explorer"}), rows) << "the title filter is off";
    Load({{"TARGET_B", "1"}, {"FILTER_USE_TITLE", "1"}, {"FILTER_TITLE_NUM", "1"}, {"FILTER_TITLE1", "Ads"}});
    list.OnTitleChanged(w[1]);
    Advance(200);
    EXPECT_EQ(Strings{"A"}, rows);
    ASSERT_EQ(std::vector<WindowHandle>{w[1]}, Parked()) << "whatever the master switch says";
    EXPECT_EQ((FilterMatch{FilterRule::Title, u"Ads"}), closeList.Parked()[0].reason);
    EXPECT_TRUE(desk.Hidden(w[1]) && desk.Shown(w[0]));
}

TEST_F(ListStory, WindowThatDoesNotAnswerIsMarkedAndNotSwitchedTo)
{
    const WindowHandle a = Browser("A");
    list.OnNewWindow(a, BROWSER_IE);
    desk.windows[a].answers = false;
    const WindowHandle b = Listed({"B"})[0];
    EXPECT_TRUE(desk.Shown(a) && desk.Shown(b));
    EXPECT_EQ((Strings{"*A", "B"}), rows);
    EXPECT_EQ(std::vector<WindowHandle>{a}, desk.probed) << "asked again without waiting";
    list.SwitchTo(0);
    EXPECT_EQ(1, list.Current()) << "it cannot be shown: nothing switches";
    EXPECT_TRUE(desk.Shown(b));
    for (const std::string& action : desk.actions)
        EXPECT_EQ(std::string::npos, action.find("HUNG")) << action;
}

TEST_F(ListStory, WindowIsHiddenOnceItAnswersTheProbe)
{
    const WindowHandle a = Browser("A");
    list.OnNewWindow(a, BROWSER_IE);
    desk.windows[a].answers = false;
    Listed({"B"});
    desk.windows[a].answers = true;
    list.OnWindowAnswered(a, desk.cookies[a] + 1);  // posted by anyone: not the probe's answer
    EXPECT_TRUE(desk.Shown(a));
    list.OnWindowAnswered(a, desk.cookies[a]);
    EXPECT_TRUE(desk.Hidden(a));
    EXPECT_EQ((Strings{"A", "B"}), rows);
}

TEST_F(ListStory, WindowThatDidNotAnswerWhenItCameIsPlacedOnceItDoes)
{
    FixedRectangle();
    const WindowHandle c = Browser("C");
    desk.windows[c].answers = false;
    list.OnNewWindow(c, BROWSER_IE);
    EXPECT_EQ(Strings{"*C"}, rows);
    desk.windows[c].answers = true;
    list.OnWindowAnswered(c, desk.cookies[c]);
    EXPECT_EQ((NormalRect{10, 20, 310, 220}), desk.windows[c].normal);
}

TEST_F(ListStory, ExitClosesWhereTheyAreAndGivesBackWhatNoListHolds)
{
    const std::vector<WindowHandle> w = Listed({"A", "B", "C"});
    const WindowHandle parked = Browser("Parked"), stray = Browser("Stray");
    capture.Park(parked, BROWSER_IE, {});
    desk.windows[stray].parent = FakeWindowSeam::kRelay;
    desk.windows[w[1]].answers = false;
    list.Exit(true);
    EXPECT_TRUE(desk.Shown(w[0]) && desk.Shown(parked) && desk.Shown(stray));
    EXPECT_TRUE(!desk.windows[w[0]].visible && !desk.windows[parked].visible) << "given back out of sight";
    EXPECT_TRUE(desk.Hidden(w[1])) << "not answering: left for the keeper, which gives it back once it does";
    EXPECT_EQ((std::vector<WindowHandle>{w[0], w[2], parked}), desk.closed);
    EXPECT_TRUE(mover.ClosesPending());
    mover.ShowRefusedCloses();  // their moment over, as the program ends
    EXPECT_TRUE(desk.windows[w[0]].visible && desk.windows[parked].visible);
    for (const std::string& action : desk.actions)
        EXPECT_EQ(std::string::npos, action.find("HUNG")) << action;
}

TEST_F(ListStory, TargetChangeGivesUpWindowsOfDroppedTypesAndFindsThoseOfNewOnes)
{
    const WindowHandle a = Browser("A"), b = desk.Add("OpWindow", "B"), c = Browser("C"), d = desk.Add("OpWindow", "D");
    for (WindowHandle w : {a, b, c, d})
        list.OnNewWindow(w, w == b || w == d ? BROWSER_OPERA_OP : BROWSER_IE);
    const WindowHandle mozilla = desk.Add("MozillaWindowClass", "Page - Mozilla {x}");
    list.SwitchTo(1);  // B current, between A and C
    ASSERT_TRUE(popups.Contains(b)) << "an Opera window without its inner window";
    desk.windows[d].answers = false;

    const int before = TargetBit(BROWSER_IE) | TargetBit(BROWSER_OPERA_OP);
    SweepList fresh = list.ApplyTargetBrowserChange(before, TargetBit(BROWSER_IE) | TargetBit(BROWSER_MOZILLA));
    EXPECT_EQ((Strings{"A", "C"}), rows);
    EXPECT_EQ(0, list.Current()) << "the nearest remaining entry before the current one";
    EXPECT_TRUE(desk.Shown(a) && desk.Hidden(c) && desk.Shown(b));
    EXPECT_FALSE(popups.Contains(b)) << "no longer one of ours";
    ASSERT_EQ(1, fresh.count) << "only the newly targeted type's open windows";
    EXPECT_EQ(mozilla, fresh.windows[0]);
    EXPECT_TRUE(desk.Hidden(d)) << "did not answer: left as it is";
    desk.windows[d].answers = true;
    list.OnWindowAnswered(d, desk.cookies[d]);
    EXPECT_TRUE(desk.Shown(d)) << "given back once it answers";
}

TEST_F(ListStory, TargetChangeShowsTheFirstRemainingAndGivesBackEveryWindowItDrops)
{
    const WindowHandle e = desk.Add("OpWindow", "E");
    list.OnNewWindow(e, BROWSER_OPERA_OP);
    std::vector<WindowHandle> many;
    for (int i = 0; i < 40; ++i)  // more than the sweep list holds
        many.push_back(Listed({"M"})[0]);
    list.SwitchTo(1);
    list.ApplyTargetBrowserChange(TargetBit(BROWSER_IE) | TargetBit(BROWSER_OPERA_OP), TargetBit(BROWSER_OPERA_OP));
    EXPECT_EQ(Strings{"E"}, rows);
    EXPECT_EQ(0, list.Current()) << "none before the current one: the first that remains";
    EXPECT_TRUE(desk.Shown(e));
    EXPECT_TRUE(std::all_of(many.begin(), many.end(), [&](WindowHandle w) { return desk.Shown(w); }));
}

TEST_F(ListStory, PopupsMoveToTheCloseListAndTheNearestWindowBeforeIsShown)
{
    FixedRectangle();
    const std::vector<WindowHandle> w = Listed({"A", "B", "C"});
    list.MovePopupsToCloseList();  // none recorded: nothing changes
    EXPECT_EQ((Strings{"A", "B", "C"}), rows);
    popups.Add(w[1]);
    popups.Add(w[2]);
    desk.windows[w[0]].normal = {};
    list.MovePopupsToCloseList();
    EXPECT_EQ(Strings{"A"}, rows);
    EXPECT_EQ(0, list.Current());
    EXPECT_EQ((std::vector<WindowHandle>{w[2], w[1]}), Parked());
    EXPECT_EQ(FilterRule::Popup, closeList.Parked()[0].reason.rule);
    EXPECT_TRUE(desk.Hidden(w[1]) && desk.Hidden(w[2]) && desk.Shown(w[0]));
    EXPECT_EQ((NormalRect{10, 20, 310, 220}), desk.windows[w[0]].normal) << "placed as it is shown";
}

TEST_F(ListStory, CatchUpTakesOnlyWindowsNeitherSweptNorWatched)
{
    const WindowHandle early = Browser("Early");
    const SweepList swept = SweepBrowserWindows(reader);
    const WindowHandle late = Browser("Late"), watched = Browser("Watched");
    const SweepList missed =
        WindowsMissedBy(swept, SweepBrowserWindows(reader), [&](WindowHandle w) { return w == watched; });
    ASSERT_EQ(1, missed.count);
    EXPECT_EQ(late, missed.windows[0]);
    EXPECT_TRUE(swept.Contains(early));
}

}  // namespace
