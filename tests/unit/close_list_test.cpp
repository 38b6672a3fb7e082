// The capture decisions against a fake desktop: title markers, prefix filters in their order,
// the Close list's parking and eviction, close mode, the pop-up table and heuristic.
#include <gtest/gtest.h>

#include <algorithm>

#include "app/capture/close_list.h"
#include "app/capture/filters.h"
#include "app/capture/popup_table.h"
#include "app/capture/responsive.h"
#include "app/settings/settings_model.h"
#include "hooklib/hook_protocol.h"
#include "tests/unit/fakes/fresh_capture.h"

namespace {

constexpr uint32_t kPopupStyle = 0x80C80000;  // popup, caption, system menu: no box, no frame

std::vector<WindowHandle> Parked()
{
    std::vector<WindowHandle> parked;
    for (WindowHandle w : g_ahwndParked)
        if (w)
            parked.push_back(w);
    return parked;
}

class Capture : public ::testing::Test {
protected:
    void SetUp() override
    {
        StartFreshCapture(desktop_);
        g_nParkedTotal = 0;
        g_pCloseListDlg = nullptr;
        g_bFilter = 1;
        g_bFilterClose = 0;
        g_bFilterCheckPopup = 1;
        g_bFilterUseUrl = g_bFilterUseTitle = 0;
        g_arrFilterUrl.clear();
        g_arrFilterTitle.clear();
        g_nCloseListCapacity = 4;
    }
    void TearDown() override { SetSeam(nullptr); }

    WindowHandle Browser(const std::string& title = "Page - Microsoft Internet Explorer", const std::string& url = "")
    {
        WindowHandle w = desktop_.Add("IEFrame", title);
        if (!url.empty())
            desktop_.AddDescendant(desktop_.AddDescendant(w, "ComboBox"), "Edit", url);
        return w;
    }

    FakeWindowSeam desktop_;
};

// --- Titles ---

struct TitleCase {
    int type;
    const char* before;
    const char* after;
    bool changed;
};

TEST(NormalizeTitle, CutsEachBrowsersOwnName)
{
    const TitleCase cases[] = {
        {BROWSER_IE, "News - Microsoft Internet Explorer", "News ", true},
        {BROWSER_IE, "News", "News", false},
        {BROWSER_NETSCAPE6, "Page - Netscape 7", "Page - Netscape 7", false},
        {BROWSER_NETSCAPE6, "Page - Netscape 6.2", "Page ", true},
        {BROWSER_NETSCAPE4, "Page - Netscape", "Page ", true},
        {BROWSER_MOZILLA, "Page - Mozilla {Build ID: 2003}", "Page ", true},
        {BROWSER_MOZILLA, "Page - Mozilla", "Page - Mozilla", false},
        {BROWSER_OPERA_OP, "Opera - [Some page]", "[Some page]", true},
        {BROWSER_OPERA_OUI, "Opera - a - b", "a - b", true},
        {BROWSER_OPERA_OP, "Opera-[no spaces]", "Opera-[no spaces]", false},
        {-1, "News - Microsoft Internet Explorer", "News - Microsoft Internet Explorer", false},
        {6, "Opera - x", "Opera - x", false},
    };
    for (const TitleCase& c : cases) {
        std::string title = c.before;
        EXPECT_EQ(c.changed, NormalizeTitle(title, c.type)) << c.before;
        EXPECT_EQ(c.after, title) << c.before;
    }
}

TEST_F(Capture, TitlePrefixesMatchTheNormalisedTitleByteByByte)
{
    g_arrFilterTitle = {"News -"};
    EXPECT_FALSE(MatchTitleFilter(0, BROWSER_IE, "News - Microsoft Internet Explorer")) << "the marker is gone";
    g_arrFilterTitle = {"news", "News"};
    EXPECT_TRUE(MatchTitleFilter(0, BROWSER_IE, "News - Microsoft Internet Explorer"));
    g_arrFilterTitle = {"news"};
    EXPECT_FALSE(MatchTitleFilter(0, BROWSER_IE, "News")) << "case-sensitive";
    g_arrFilterTitle = {"\x83\x6a\x83\x85"};  // Shift-JIS
    EXPECT_TRUE(MatchTitleFilter(0, BROWSER_OPERA_OP, "Opera - \x83\x6a\x83\x85\x81\x5b\x83\x58"));
    EXPECT_FALSE(MatchTitleFilter(0, BROWSER_OPERA_OP, "Opera - \x83\x6a\x83\x86"));
}

TEST_F(Capture, TitleFilterReadsTheWindowsTitleWhenNoneIsGiven)
{
    g_arrFilterTitle = {"Ads"};
    EXPECT_TRUE(MatchTitleFilter(Browser("Ads for you - Microsoft Internet Explorer"), BROWSER_IE, nullptr));
    EXPECT_FALSE(MatchTitleFilter(Browser(""), BROWSER_IE, nullptr)) << "an empty title matches nothing";
    EXPECT_FALSE(MatchTitleFilter(0x999, BROWSER_IE, nullptr)) << "an unreadable one neither";
}

TEST_F(Capture, LongTitlesAreCutTo2047Bytes)
{
    std::string title(3000, 'a');
    g_arrFilterTitle = {std::string(2047, 'a')};
    EXPECT_TRUE(MatchTitleFilter(0, BROWSER_IE, title.c_str()));
    g_arrFilterTitle = {std::string(2048, 'a')};
    EXPECT_FALSE(MatchTitleFilter(0, BROWSER_IE, title.c_str()));
    EXPECT_FALSE(MatchTitleFilter(Browser(title), BROWSER_IE, nullptr));
}

// --- URLs ---

TEST_F(Capture, UrlIsTheTextOfTheFirstEditDescendant)
{
    WindowHandle w = Browser("t", "http://example.com/");
    desktop_.AddDescendant(w, "Edit", "second edit");
    std::string url;
    EXPECT_TRUE(ReadBrowserUrl(w, url));
    EXPECT_EQ("http://example.com/", url);

    WindowHandle empty = desktop_.Add("IEFrame");
    desktop_.AddDescendant(empty, "Edit", "");
    EXPECT_TRUE(ReadBrowserUrl(empty, url)) << "an Edit with no text still counts";
    url = "stale";
    EXPECT_FALSE(ReadBrowserUrl(Browser("no edit"), url));
    EXPECT_EQ("", url);
    WindowHandle edit2 = desktop_.Add("IEFrame");
    desktop_.AddDescendant(edit2, "EDIT", "not exactly Edit");
    EXPECT_FALSE(ReadBrowserUrl(edit2, url));
}

TEST_F(Capture, LongUrlsAreCutTo1022Bytes)
{
    std::string url;
    ASSERT_TRUE(ReadBrowserUrl(Browser("t", std::string(5000, 'u')), url));
    EXPECT_EQ(1022u, url.size());
}

// --- The filter order ---

TEST_F(Capture, PopupRuleFiltersWithoutAnyPrefix)
{
    WindowHandle w = desktop_.Add("IEFrame", "Popup", kPopupStyle);
    ASSERT_TRUE(LooksLikePopup(w, BROWSER_IE));
    AddPopup(w);
    EXPECT_EQ(FilterRule::Popup, MatchNewWindowFilter(w, BROWSER_IE));
    EXPECT_TRUE(FilterNewWindow(w, BROWSER_IE));
    EXPECT_EQ(std::vector<WindowHandle>{w}, Parked());
    g_bFilterCheckPopup = 0;
    EXPECT_FALSE(FilterNewWindow(desktop_.Add("IEFrame", "Popup2", kPopupStyle), BROWSER_IE))
        << "the table, not the style, is what the rule asks";
}

TEST_F(Capture, UrlRuleMatchesPrefixesCaseSensitively)
{
    g_bFilterUseUrl = 1;
    g_arrFilterUrl = {"http://ads."};
    EXPECT_EQ(FilterRule::Url, MatchNewWindowFilter(Browser("t", "http://ads.example/z"), BROWSER_IE));
    EXPECT_FALSE(FilterNewWindow(Browser("t", "HTTP://ADS.example/"), BROWSER_IE));
    EXPECT_TRUE(FilterNewWindow(Browser("t", "http://ads.example/x"), BROWSER_IE));
    g_bFilterUseUrl = 0;
    EXPECT_FALSE(FilterNewWindow(Browser("t", "http://ads.example/y"), BROWSER_IE)) << "rule off";
}

TEST_F(Capture, WindowWithoutAnAddressFallsThroughToTheTitleRule)
{
    g_bFilterUseUrl = g_bFilterUseTitle = 1;
    g_arrFilterUrl = {"http://"};
    g_arrFilterTitle = {"Ads"};
    EXPECT_EQ(FilterRule::Title, MatchNewWindowFilter(Browser("Ads - Microsoft Internet Explorer"), BROWSER_IE));
    EXPECT_TRUE(FilterNewWindow(Browser("Ads - Microsoft Internet Explorer"), BROWSER_IE));
    EXPECT_FALSE(FilterNewWindow(Browser("News - Microsoft Internet Explorer"), BROWSER_IE));
    EXPECT_EQ(1u, Parked().size());
}

// --- Parking and the Close list ---

struct RecordingDialog : CloseListObserver {
    void AddParkedWindow(WindowHandle w, int type) override { added.push_back({w, type}); }
    void UpdateParkedWindowTitle(WindowHandle) override {}
    void RemoveParkedWindow(WindowHandle) override {}
    void CloseDialog() override {}
    std::vector<std::pair<WindowHandle, int>> added;
};

TEST_F(Capture, ParkingHidesTheWindowAndTellsAnOpenDialog)
{
    WindowHandle a = Browser(), b = Browser();
    ParkWindow(a, BROWSER_IE);
    RecordingDialog dialog;
    g_pCloseListDlg = &dialog;
    ParkWindow(b, BROWSER_OPERA_OP);
    EXPECT_EQ((std::vector<WindowHandle>{a, b}), Parked());
    EXPECT_EQ(BROWSER_OPERA_OP, g_anParkedType[1]);
    EXPECT_EQ((std::vector<WindowHandle>{a, b}), desktop_.hidden);
    EXPECT_EQ((std::vector<std::pair<WindowHandle, int>>{{b, BROWSER_OPERA_OP}}), dialog.added);
    EXPECT_EQ(2, g_nParkedTotal);
}

TEST_F(Capture, FullListEvictsTheOldestAndShiftsTheRest)
{
    std::vector<WindowHandle> w;
    for (int i = 0; i < 5; ++i)
        w.push_back(Browser());
    AddPopup(w[0]);
    for (int i = 0; i < 5; ++i)
        ParkWindow(w[i], i);
    EXPECT_EQ((std::vector<WindowHandle>{w[1], w[2], w[3], w[4]}), Parked());
    EXPECT_EQ((std::vector<int>{1, 2, 3, 4}), std::vector<int>(g_anParkedType, g_anParkedType + 4));
    EXPECT_EQ(std::vector<WindowHandle>{w[0]}, desktop_.closed);
    EXPECT_FALSE(IsPopup(w[0])) << "an evicted window leaves the pop-up table";
    EXPECT_EQ(5, g_nParkedTotal);
}

TEST_F(Capture, LoweredCapacityEvictsTheOldestAndLosesNoWindow)
{
    g_nCloseListCapacity = 8;
    std::vector<WindowHandle> w;
    for (int i = 0; i < 7; ++i) {
        w.push_back(Browser());
        ParkWindow(w.back(), BROWSER_IE);
    }
    g_nCloseListCapacity = 2;  // as when filtering is turned on again in close mode
    WindowHandle late = Browser();
    ParkWindow(late, BROWSER_IE);
    EXPECT_EQ((std::vector<WindowHandle>{w[6], late}), Parked());
    EXPECT_EQ((std::vector<WindowHandle>{w[0], w[1], w[2], w[3], w[4], w[5]}), desktop_.closed);
    // Every window that entered is either still parked or was asked to close.
    for (WindowHandle window : w)
        EXPECT_TRUE(std::count(desktop_.closed.begin(), desktop_.closed.end(), window) +
                        std::count(g_ahwndParked, g_ahwndParked + kCloseListSlots, window) ==
                    1);

    g_nCloseListCapacity = 1;
    EvictParkedBeyondCapacity();
    EXPECT_EQ(std::vector<WindowHandle>{late}, Parked());
}

TEST_F(Capture, CloseModeClosesAtTheTitleChangeThatFollows)
{
    g_bFilterClose = 1;
    g_nCloseListCapacity = 2;
    WindowHandle announced = Browser(), swept = Browser(), other = Browser();
    ParkWindow(swept, BROWSER_IE);  // found by the start-up sweep: no title change follows
    ParkWindow(announced, BROWSER_IE);
    OnParkedTitleChanged(announced);
    EXPECT_EQ(std::vector<WindowHandle>{announced}, desktop_.closed);
    EXPECT_EQ(std::vector<WindowHandle>{swept}, Parked()) << "the swept window waits";

    OnParkedTitleChanged(other);  // not parked: nothing
    EXPECT_EQ(1u, desktop_.closed.size());
    ParkWindow(Browser(), BROWSER_IE);
    ParkWindow(Browser(), BROWSER_IE);
    EXPECT_EQ(swept, desktop_.closed.back()) << "two newer filtered windows push it out";
}

TEST_F(Capture, ParkModeKeepsWindowsAcrossTitleChanges)
{
    WindowHandle w = Browser();
    ParkWindow(w, BROWSER_IE);
    OnParkedTitleChanged(w);
    EXPECT_TRUE(desktop_.closed.empty());
    EXPECT_EQ(std::vector<WindowHandle>{w}, Parked());
}

TEST_F(Capture, RemovingAndDestroying)
{
    WindowHandle a = Browser(), b = Browser(), c = Browser();
    EXPECT_FALSE(RemoveParked(a));
    ParkWindow(a, 0);
    ParkWindow(b, 1);
    ParkWindow(c, 2);
    AddPopup(b);
    OnParkedDestroyed(b);
    EXPECT_EQ((std::vector<WindowHandle>{a, c}), Parked());
    EXPECT_EQ(2, g_anParkedType[1]);
    EXPECT_FALSE(IsPopup(b));
    OnParkedDestroyed(b);  // its second notification, or a stranger's: nothing
    EXPECT_TRUE(RemoveParked(a));
    EXPECT_EQ(std::vector<WindowHandle>{c}, Parked());
    EXPECT_TRUE(desktop_.closed.empty());
}

TEST_F(Capture, CloseAllAsksEveryParkedWindowAndKeepsTheCount)
{
    CloseAllParked();
    EXPECT_TRUE(desktop_.closed.empty());
    WindowHandle a = Browser(), b = Browser();
    ParkWindow(a, 0);
    ParkWindow(b, 0);
    AddPopup(a);
    CloseAllParked();
    EXPECT_EQ((std::vector<WindowHandle>{a, b}), desktop_.closed);
    EXPECT_TRUE(Parked().empty());
    EXPECT_TRUE(IsPopup(a)) << "the pop-up table is left alone";
    EXPECT_EQ(2, g_nParkedTotal);
}

// --- The pop-up table and heuristic ---

TEST_F(Capture, PopupTableHoldsSixtyFourAndForgetsTheRest)
{
    for (WindowHandle w = 1; w <= 64; ++w)
        AddPopup(w);
    AddPopup(65);
    EXPECT_TRUE(IsPopup(64));
    EXPECT_FALSE(IsPopup(65));
    RemovePopup(3);
    EXPECT_FALSE(IsPopup(3));
    ClearPopups();
    EXPECT_FALSE(IsPopup(1));
    AddPopup(3);  // no check for duplicates
    AddPopup(3);
    RemovePopup(3);
    EXPECT_TRUE(IsPopup(3)) << "RemovePopup empties only the first slot that holds it";
}

TEST_F(Capture, PopupHeuristicJudgesByStyleAndOperasInnerWindow)
{
    EXPECT_FALSE(LooksLikePopup(desktop_.Add("IEFrame", "", 0x00CF0000), BROWSER_IE));
    EXPECT_TRUE(LooksLikePopup(desktop_.Add("IEFrame", "", 0x00CF0000 & ~0x00010000), BROWSER_IE)) << "no maximise box";
    EXPECT_TRUE(LooksLikePopup(desktop_.Add("IEFrame", "", 0x00CF0000 & ~0x00040000), BROWSER_IE)) << "no thick frame";

    WindowHandle op = desktop_.Add("OpWindow");
    EXPECT_TRUE(LooksLikePopup(op, BROWSER_OPERA_OP)) << "Opera without its inner window";
    desktop_.AddDescendant(desktop_.AddDescendant(op, "Pane"), "OUIWINDOW");
    EXPECT_FALSE(LooksLikePopup(op, BROWSER_OPERA_OP));

    WindowHandle oui = desktop_.Add("OUIWINDOW");
    desktop_.AddDescendant(oui, "OUIWINDOW");
    EXPECT_TRUE(LooksLikePopup(oui, BROWSER_OPERA_OUI)) << "type 3 looks for a #32770 descendant";
    desktop_.AddDescendant(oui, "#32770x");
    EXPECT_FALSE(LooksLikePopup(oui, BROWSER_OPERA_OUI)) << "the class begins with #32770";
    EXPECT_FALSE(LooksLikePopup(desktop_.Add("MozillaWindowClass"), BROWSER_MOZILLA));
}

}  // namespace
