// The capture decisions against a fake desktop: prefix filters in their order, the Close list's
// parking and eviction, close mode, the pop-up table and heuristic.
#include <gtest/gtest.h>

#include <algorithm>

#include "app/capture/admission.h"
#include "app/capture/filters.h"
#include "app/capture/window_facts.h"
#include "hooklib/hook_protocol.h"
#include "tests/unit/fakes/capture_rig.h"

namespace {

constexpr uint32_t kPopupStyle = 0x80C80000;  // popup, caption, system menu: no box, no frame

class Capture : public ::testing::Test, protected CaptureRig {
protected:
    void SetUp() override { Load({{"FILTER", "1"}, {"FILTER_CLOSE", "0"}, {"MAX_PENDING_NUM", "4"}}); }

    WindowHandle Browser(const std::string& title = "Page - Microsoft Internet Explorer", const std::string& url = "")
    {
        WindowHandle w = desk.Add("IEFrame", title);
        if (!url.empty())
            desk.AddDescendant(desk.AddDescendant(w, "ComboBox"), "Edit", url);
        return w;
    }
    WindowFacts Facts(WindowHandle w, uint16_t need)
    {
        WindowFacts facts;
        facts.window = w;
        reader.Read(facts, need);
        return facts;
    }
    // The filters' verdict on a new window, as the list asks it.
    FilterMatch Filter(WindowHandle w)
    {
        const WindowFacts facts = Facts(w, WindowFacts::All);
        return MatchNewWindowFilters(facts, BROWSER_IE, LooksLikePopup(facts, BROWSER_IE), settings.Values());
    }
};

// --- Titles ---

TEST(TitleFilter, MatchesTheNormalisedTitleUnitByUnitAndNamesThePrefix)
{
    EXPECT_FALSE(MatchTitleFilter(u"News - Microsoft Internet Explorer", BROWSER_IE, {u"News -"}))
        << "the marker is gone";
    EXPECT_EQ((FilterMatch{FilterRule::Title, u"News"}),
              MatchTitleFilter(u"News - Microsoft Internet Explorer", BROWSER_IE, {u"news", u"News", u"New"}))
        << "the first that matches, case-sensitively";
    EXPECT_FALSE(MatchTitleFilter(u"News", BROWSER_IE, {u"news"}));
    // Characters outside any one code page: "Café ☕ 日本語", and then Korean.
    const std::vector<std::u16string> beyond = {u"Caf\u00E9 \u2615 \u65E5\u672C\u8A9E"};
    EXPECT_TRUE(MatchTitleFilter(u"Caf\u00E9 \u2615 \u65E5\u672C\u8A9E \uD55C\uAD6D\uC5B4 - Microsoft Internet Explorer",
                                 BROWSER_IE, beyond));
    EXPECT_FALSE(MatchTitleFilter(u"Caf\u00E9 \u2615 \u65E5\u672C - Microsoft Internet Explorer", BROWSER_IE, beyond));
    EXPECT_FALSE(MatchTitleFilter(u"Cafe ? ??? - Microsoft Internet Explorer", BROWSER_IE, beyond));
}

TEST_F(Capture, LongTitlesAreCutTo2047Units)
{
    const std::u16string title(3000, u'a');
    EXPECT_TRUE(MatchTitleFilter(title, BROWSER_IE, {std::u16string(2047, u'a')}));
    EXPECT_FALSE(MatchTitleFilter(title, BROWSER_IE, {std::u16string(2048, u'a')}));
    const WindowFacts facts = Facts(Browser(std::string(3000, 'a')), WindowFacts::Title);
    EXPECT_EQ(2047u, facts.title.size());
    EXPECT_EQ(1023u, facts.ListTitle().size());
}

// --- URLs ---

TEST_F(Capture, UrlIsTheTextOfTheFirstEditDescendant)
{
    WindowHandle w = Browser("t", "http://example.com/");
    desk.AddDescendant(w, "Edit", "second edit");
    std::u16string url;
    EXPECT_TRUE(ReadBrowserUrl(desk, w, url));
    EXPECT_EQ(u"http://example.com/", url);
    EXPECT_EQ(u"http://example.com/", Facts(w, WindowFacts::Address).address);
    EXPECT_TRUE(Facts(w, WindowFacts::Descendants).address.empty()) << "read only when wanted";

    WindowHandle empty = desk.Add("IEFrame");
    desk.AddDescendant(empty, "Edit", "");
    EXPECT_TRUE(ReadBrowserUrl(desk, empty, url)) << "an Edit with no text still counts";
    url = u"stale";
    EXPECT_FALSE(ReadBrowserUrl(desk, Browser("no edit"), url));
    EXPECT_EQ(u"", url);
    WindowHandle edit2 = desk.Add("IEFrame");
    desk.AddDescendant(edit2, "EDIT", "not exactly Edit");
    EXPECT_FALSE(ReadBrowserUrl(desk, edit2, url));
}

TEST_F(Capture, LongUrlsAreCutTo1022Units)
{
    std::u16string url;
    ASSERT_TRUE(ReadBrowserUrl(desk, Browser("t", std::string(5000, 'u')), url));
    EXPECT_EQ(1022u, url.size());
}

// --- The filter order ---

TEST_F(Capture, PopupRuleFiltersWithoutAnyPrefixWhileItIsOn)
{
    const WindowHandle w = desk.Add("IEFrame", "Popup", kPopupStyle);
    EXPECT_EQ(FilterRule::Popup, Filter(w).rule);
    Load({{"FILTER", "1"}, {"FILTER_CHECK_POPUP", "0"}});
    EXPECT_FALSE(Filter(w)) << "a pop-up, but the rule is off";
}

TEST_F(Capture, UrlRuleMatchesPrefixesCaseSensitively)
{
    Load({{"FILTER_USE_URL", "1"}, {"FILTER_URL_NUM", "1"}, {"FILTER_URL1", "http://ads."}});
    EXPECT_EQ((FilterMatch{FilterRule::Url, u"http://ads."}), Filter(Browser("t", "http://ads.example/z")));
    EXPECT_FALSE(Filter(Browser("t", "HTTP://ADS.example/")));
    Load({{"FILTER_USE_URL", "0"}});
    EXPECT_FALSE(Filter(Browser("t", "http://ads.example/y"))) << "rule off";
}

TEST_F(Capture, RulesAreTriedPopupThenUrlThenTitle)
{
    Load({{"FILTER_USE_URL", "1"},
          {"FILTER_URL_NUM", "1"},
          {"FILTER_URL1", "http://"},
          {"FILTER_USE_TITLE", "1"},
          {"FILTER_TITLE_NUM", "1"},
          {"FILTER_TITLE1", "Ads"}});
    const WindowHandle all = desk.Add("IEFrame", "Ads - Microsoft Internet Explorer", kPopupStyle);
    desk.AddDescendant(all, "Edit", "http://ads/");
    EXPECT_EQ(FilterRule::Popup, Filter(all).rule);
    EXPECT_EQ(FilterRule::Url, Filter(Browser("Ads - Microsoft Internet Explorer", "http://x/")).rule);
    EXPECT_EQ((FilterMatch{FilterRule::Title, u"Ads"}), Filter(Browser("Ads - Microsoft Internet Explorer")))
        << "no address: the title rule";
    EXPECT_FALSE(Filter(Browser("News - Microsoft Internet Explorer")));
}

// --- Parking and the Close list ---

struct RecordingDialog : CloseListObserver {
    void AddParkedWindow(const ParkedWindow& p) override { added.push_back(p); }
    void UpdateParkedWindowTitle(WindowHandle) override {}
    void RemoveParkedWindow(WindowHandle w) override { removed.push_back(w); }
    void CloseDialog() override { ++closed; }
    std::vector<ParkedWindow> added;
    std::vector<WindowHandle> removed;
    int closed = 0;
};

TEST_F(Capture, ParkingHidesTheWindowAndTellsAnOpenDialogWhy)
{
    WindowHandle a = Browser(), b = Browser();
    capture.Park(a, BROWSER_IE, {});
    RecordingDialog dialog;
    capture.AttachCloseListDialog(&dialog);
    capture.Park(b, BROWSER_OPERA_OP, {FilterRule::Title, u"Ads"});
    EXPECT_EQ((std::vector<WindowHandle>{a, b}), Parked());
    EXPECT_EQ(BROWSER_OPERA_OP, closeList.Parked()[1].type);
    EXPECT_EQ((FilterMatch{FilterRule::Title, u"Ads"}), closeList.Parked()[1].reason);
    EXPECT_EQ((std::vector<WindowHandle>{a, b}), desk.hidden);
    ASSERT_EQ(1u, dialog.added.size());
    EXPECT_EQ(b, dialog.added[0].window);
    EXPECT_EQ(u"Ads", dialog.added[0].reason.prefix);
    EXPECT_EQ(2, closeList.Total());

    capture.CloseCloseListDialog();
    EXPECT_EQ(1, dialog.closed);
    EXPECT_FALSE(closeList.DialogOpen()) << "an ending dialog hears nothing more";
    capture.Forget(a);
    EXPECT_TRUE(dialog.removed.empty());
}

TEST_F(Capture, FullListEvictsTheOldestAndShiftsTheRest)
{
    std::vector<WindowHandle> w;
    for (int i = 0; i < 5; ++i)
        w.push_back(Browser());
    popups.Add(w[0]);
    for (int i = 0; i < 5; ++i)
        capture.Park(w[i], i, {});
    EXPECT_EQ((std::vector<WindowHandle>{w[1], w[2], w[3], w[4]}), Parked());
    EXPECT_EQ(1, closeList.Parked()[0].type);
    EXPECT_EQ(std::vector<WindowHandle>{w[0]}, desk.closed);
    EXPECT_FALSE(popups.Contains(w[0])) << "an evicted window leaves the pop-up table";
    EXPECT_EQ(5, closeList.Total());
}

TEST_F(Capture, LoweredCapacityEvictsTheOldestAndLosesNoWindow)
{
    Load({{"FILTER", "1"}, {"FILTER_CLOSE", "0"}, {"MAX_PENDING_NUM", "8"}});
    std::vector<WindowHandle> w;
    for (int i = 0; i < 7; ++i) {
        w.push_back(Browser());
        capture.Park(w.back(), BROWSER_IE, {});
    }
    settings.SetFilterClose(true);  // close mode: two slots
    settings.UpdateCloseListCapacity();
    WindowHandle late = Browser();
    capture.Park(late, BROWSER_IE, {});
    EXPECT_EQ((std::vector<WindowHandle>{w[6], late}), Parked());
    EXPECT_EQ((std::vector<WindowHandle>{w[0], w[1], w[2], w[3], w[4], w[5]}), desk.closed);
}

TEST_F(Capture, CloseModeClosesAtTheTitleChangeThatFollows)
{
    Load({{"FILTER", "1"}, {"FILTER_CLOSE", "1"}});
    WindowHandle announced = Browser(), swept = Browser(), other = Browser();
    capture.Park(swept, BROWSER_IE, {});  // found by the start-up sweep: no title change follows
    capture.Park(announced, BROWSER_IE, {});
    capture.ParkedTitleChanged(announced);
    EXPECT_EQ(std::vector<WindowHandle>{announced}, desk.closed);
    EXPECT_EQ(std::vector<WindowHandle>{swept}, Parked()) << "the swept window waits";

    capture.ParkedTitleChanged(other);  // not parked: nothing
    EXPECT_EQ(1u, desk.closed.size());
    capture.Park(Browser(), BROWSER_IE, {});
    capture.Park(Browser(), BROWSER_IE, {});
    EXPECT_EQ(swept, desk.closed.back()) << "two newer filtered windows push it out";
}

TEST_F(Capture, ParkModeKeepsWindowsAcrossTitleChanges)
{
    WindowHandle w = Browser();
    capture.Park(w, BROWSER_IE, {});
    capture.ParkedTitleChanged(w);
    EXPECT_TRUE(desk.closed.empty());
    EXPECT_EQ(std::vector<WindowHandle>{w}, Parked());
}

TEST_F(Capture, RemovingAndDestroying)
{
    WindowHandle a = Browser(), b = Browser(), c = Browser();
    capture.Forget(a);
    capture.Park(a, 0, {});
    capture.Park(b, 1, {});
    capture.Park(c, 2, {});
    popups.Add(b);
    capture.Forget(b);
    EXPECT_EQ((std::vector<WindowHandle>{a, c}), Parked());
    EXPECT_EQ(2, closeList.Parked()[1].type);
    EXPECT_FALSE(popups.Contains(b));
    capture.Forget(b);  // its second notification, or a stranger's: nothing
    capture.Forget(a);
    EXPECT_EQ(std::vector<WindowHandle>{c}, Parked());
    EXPECT_TRUE(desk.closed.empty());
}

TEST_F(Capture, CloseAllAsksEveryParkedWindowAndKeepsTheCount)
{
    capture.CloseAllParked();
    EXPECT_TRUE(desk.closed.empty());
    WindowHandle a = Browser(), b = Browser();
    capture.Park(a, 0, {});
    capture.Park(b, 0, {});
    popups.Add(a);
    capture.CloseAllParked();
    EXPECT_EQ((std::vector<WindowHandle>{a, b}), desk.closed);
    EXPECT_TRUE(Parked().empty());
    EXPECT_TRUE(popups.Contains(a)) << "the pop-up table is left alone";
    EXPECT_EQ(2, closeList.Total());
}

// --- The pop-up table and heuristic ---

TEST(PopupTable, HoldsSixtyFourAndForgetsTheRest)
{
    CPopupTable popups;
    for (WindowHandle w = 1; w <= 64; ++w)
        popups.Add(w);
    EXPECT_FALSE(popups.HasRoom());
    popups.Add(65);
    EXPECT_TRUE(popups.Contains(64));
    EXPECT_FALSE(popups.Contains(65));
    popups.Remove(3);
    EXPECT_FALSE(popups.Contains(3));
    EXPECT_TRUE(popups.HasRoom());
    popups.Add(3);  // no check for duplicates
    popups.Remove(2);
    popups.Add(3);
    popups.Remove(3);
    EXPECT_TRUE(popups.Contains(3)) << "Remove empties only the first slot that holds it";
}

TEST_F(Capture, PopupHeuristicJudgesByStyleAndTheKindsInnerWindow)
{
    auto looksLikePopup = [&](WindowHandle w, int type) { return LooksLikePopup(Facts(w, WindowFacts::All), type); };
    EXPECT_FALSE(looksLikePopup(desk.Add("IEFrame", "", 0x00CF0000), BROWSER_IE));
    EXPECT_TRUE(looksLikePopup(desk.Add("IEFrame", "", 0x00CF0000 & ~0x00010000), BROWSER_IE)) << "no maximise box";
    EXPECT_TRUE(looksLikePopup(desk.Add("IEFrame", "", 0x00CF0000 & ~0x00040000), BROWSER_IE)) << "no thick frame";

    WindowHandle op = desk.Add("OpWindow");
    EXPECT_TRUE(looksLikePopup(op, BROWSER_OPERA_OP)) << "Opera without its inner window";
    desk.AddDescendant(desk.AddDescendant(op, "Pane"), "OUIWINDOW");
    EXPECT_FALSE(looksLikePopup(op, BROWSER_OPERA_OP));

    WindowHandle oui = desk.Add("OUIWINDOW");
    desk.AddDescendant(oui, "OUIWINDOW");
    EXPECT_TRUE(looksLikePopup(oui, BROWSER_OPERA_OUI)) << "type 3 looks for a #32770 descendant";
    desk.AddDescendant(oui, "#32770x");
    EXPECT_FALSE(looksLikePopup(oui, BROWSER_OPERA_OUI)) << "the class begins with #32770";
    EXPECT_FALSE(looksLikePopup(desk.Add("MozillaWindowClass"), BROWSER_MOZILLA));
}

}  // namespace
