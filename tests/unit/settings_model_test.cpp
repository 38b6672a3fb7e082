// The settings model over a store in memory: defaults, loading, the derived capacity, the
// numbered prefix lists and the geometry save.
#include <gtest/gtest.h>

#include <chrono>
#include <set>

#include "app/settings/settings_file.h"
#include "app/settings/settings_model.h"
#include "tests/unit/fakes/fake_code_page.h"
#include "tests/unit/fakes/memory_profile_store.h"

namespace {

using Write = MemoryProfileStore::Write;

class SettingsModel : public ::testing::Test {
protected:
    void Load() { model_.Load(store_, position_, FakeCodePage()); }
    const SettingsValues& v() const { return model_.Values(); }

    MemoryProfileStore store_;
    CSettingsModel model_;
    StoredPosition position_;
};

TEST_F(SettingsModel, NoFileGivesTheDefaults)
{
    Load();
    EXPECT_EQ(0x51, v().nTargetBrowser) << "Internet Explorer, Mozilla and Firefox, the Chromium family";
    EXPECT_EQ(1, v().bSizePos);
    EXPECT_EQ(-1, v().nWinWidth) << "no rectangle recorded";
    EXPECT_EQ(-1, v().nWinHeight);
    EXPECT_EQ(0, v().nWinLeft);
    EXPECT_EQ(0, v().nWinTop);
    EXPECT_EQ(0, v().bFilter);
    EXPECT_EQ(1, v().bFilterClose);
    EXPECT_EQ(1, v().bFilterCheckPopup);
    EXPECT_EQ(4, v().nMaxPendingNum);
    EXPECT_EQ(kCloseListSlots, model_.CloseListCapacity());
    EXPECT_EQ(0, v().nNewWindowMode);
    EXPECT_EQ(0, v().nListMode);
    EXPECT_EQ(0, v().bIconic);
    EXPECT_EQ(-1, position_.x);
    EXPECT_EQ(-1, position_.y);
    EXPECT_TRUE(v().arrFilterUrl.empty() && v().arrFilterTitle.empty());
    EXPECT_TRUE(store_.writes.empty()) << "loading writes nothing";
}

TEST_F(SettingsModel, ReadsEveryKeyIntoItsValue)
{
    for (auto [key, value] : {std::pair{"WIN_LEFT", "-5"},
                              {"WIN_TOP", "7"},
                              {"WIN_WIDTH", "640"},
                              {"WIN_HEIGHT", "480"},
                              {"NewWindowMode", "1"},
                              {"ListMode", "3"},
                              {"Size_Pos", "0"},
                              {"XPOS", "100"},
                              {"YPOS", "-1"},
                              {"ICONIC", "1"},
                              {"TARGET_B", "41"},
                              {"EXIT_BROWSER", "1"},
                              {"FILTER", "1"},
                              {"FILTER_CLOSE", "0"},
                              {"FILTER_CHECK_POPUP", "0"},
                              {"MAX_PENDING_NUM", "6"},
                              {"FILTER_USE_URL", "1"},
                              {"FILTER_USE_TITLE", "1"}})
        store_.Set(key, value);
    Load();
    EXPECT_EQ(-5, v().nWinLeft);
    EXPECT_EQ(7, v().nWinTop);
    EXPECT_EQ(640, v().nWinWidth);
    EXPECT_EQ(480, v().nWinHeight);
    EXPECT_EQ(1, v().nNewWindowMode);
    EXPECT_EQ(3, v().nListMode);
    EXPECT_EQ(0, v().bSizePos);
    EXPECT_EQ(100, position_.x);
    EXPECT_EQ(-1, position_.y);
    EXPECT_EQ(1, v().bIconic);
    EXPECT_EQ(41, v().nTargetBrowser);
    EXPECT_EQ(1, v().bExitBrowser);
    EXPECT_EQ(1, v().bFilter);
    EXPECT_EQ(0, v().bFilterClose);
    EXPECT_EQ(0, v().bFilterCheckPopup);
    EXPECT_EQ(6, v().nMaxPendingNum);
    EXPECT_EQ(1, v().bFilterUseUrl);
    EXPECT_EQ(1, v().bFilterUseTitle);
    EXPECT_EQ(6, model_.CloseListCapacity());
}

TEST_F(SettingsModel, OutOfRangeModesAreKeptAsTheyAre)
{
    store_.Set("ListMode", "7");
    store_.Set("NewWindowMode", "-2");
    Load();
    EXPECT_EQ(7, v().nListMode);
    EXPECT_EQ(-2, v().nNewWindowMode);
}

TEST_F(SettingsModel, HandEditedCloseListSizeIsBroughtIntoRange)
{
    for (auto [text, expected] : {std::pair{"0", 1}, {"-3", 1}, {"9", 8}, {"2000000000", 8}, {"abc", 1}, {"5", 5}}) {
        store_.entries.clear();
        store_.Set("MAX_PENDING_NUM", text);
        Load();
        EXPECT_EQ(expected, v().nMaxPendingNum) << text;
    }
}

// --- The derived capacity and button ---

TEST_F(SettingsModel, CapacityFollowsTheFilterSettingsOnlyWhileFilteringIsOn)
{
    store_.Set("FILTER_CLOSE", "0");
    store_.Set("MAX_PENDING_NUM", "6");
    Load();
    EXPECT_EQ(8, model_.CloseListCapacity()) << "filter off";
    store_.Set("FILTER", "1");
    Load();
    EXPECT_EQ(6, model_.CloseListCapacity()) << "park mode";
    model_.SetFilterClose(true);
    EXPECT_EQ(6, model_.CloseListCapacity()) << "until the sheet closes";
    model_.UpdateCloseListCapacity();
    EXPECT_EQ(2, model_.CloseListCapacity()) << "close mode";
}

TEST_F(SettingsModel, CloseListButtonIsEnabledWhileFilteringParks)
{
    struct {
        const char *filter, *close;
        bool enabled;
    } cases[] = {{"0", "0", false}, {"0", "1", false}, {"1", "1", false}, {"1", "0", true}, {"1", "2", true}};
    for (auto c : cases) {
        store_.entries = {{"FILTER", c.filter}, {"FILTER_CLOSE", c.close}};
        Load();
        EXPECT_EQ(c.enabled, model_.CloseListButtonEnabled()) << c.filter << "/" << c.close;
    }
}

TEST_F(SettingsModel, TakingTheFixedRectangleStoresTheRestoredRectangleAndTheShowCommand)
{
    store_.Set("Size_Pos", "0");
    Load();
    EXPECT_FALSE(model_.TakeFixedRectangle({1, 2, 3, 4}, 1)) << "Size_Pos off";
    EXPECT_EQ(-1, model_.Fixed().width);
    store_.entries.clear();
    Load();
    ASSERT_TRUE(model_.TakeFixedRectangle({10, 20, 650, 500}, kShowMaximized));
    EXPECT_EQ(10, model_.Fixed().left);
    EXPECT_EQ(20, model_.Fixed().top);
    EXPECT_EQ(640, model_.Fixed().width);
    EXPECT_EQ(480, model_.Fixed().height);
    EXPECT_EQ(kShowMaximized, model_.ShowCmd());
    ASSERT_TRUE(model_.TakeFixedRectangle({0, 0, 100, 100}, 2 /* minimised */));
    EXPECT_EQ(kShowNormal, model_.ShowCmd()) << "no window is ever placed minimised";
}

// --- Numbered prefix lists ---

TEST_F(SettingsModel, MissingOrEmptyNumberedKeysAreSkippedInFileOrder)
{
    store_.Set("FILTER_URL_NUM", "3");
    store_.Set("FILTER_URL3", "http://c/");
    store_.Set("FILTER_URL1", "http://a/");
    store_.Set("FILTER_URL2", std::string("\0spoiled", 8));  // empty as text: it would match every window
    store_.Set("FILTER_TITLE_NUM", "2");
    store_.Set("FILTER_TITLE1", "");
    store_.Set("filter_title2", "\x83\x65\x83\x58\x83\x67");  // key names match without regard to case
    store_.Set("FILTER_URL4", "beyond the count");
    store_.Set("FILTER_URL02", "not a key the program writes");
    Load();
    EXPECT_EQ((std::vector<std::u16string>{u"http://a/", u"http://c/"}), v().arrFilterUrl);
    EXPECT_EQ(3, v().nFilterUrlNum) << "the count in memory stays as the file says";
    EXPECT_EQ((std::vector<std::u16string>{FakeCodePage().Decode("\x83\x65\x83\x58\x83\x67")}), v().arrFilterTitle);
    EXPECT_EQ(2, v().nFilterTitleNum);
}

TEST_F(SettingsModel, LongPrefixIsCutTo510Characters)
{
    store_.Set("FILTER_TITLE_NUM", "1");
    store_.Set("FILTER_TITLE1", std::string(600, 'x'));
    Load();
    ASSERT_EQ(1u, v().arrFilterTitle.size());
    EXPECT_EQ(std::u16string(510, u'x'), v().arrFilterTitle[0]);
}

TEST_F(SettingsModel, HugeCountReadsOnlyTheKeysThatExist)
{
    store_.Set("FILTER_URL_NUM", "2000000000");
    store_.Set("FILTER_URL2", "b");
    store_.Set("FILTER_URL1999999999", "z");
    store_.Set("FILTER_URL1", "a");
    store_.Set("FILTER_URL99999999999", "past any int");
    const auto start = std::chrono::steady_clock::now();
    Load();
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5)) << "no loop up to the count";
    EXPECT_EQ((std::vector<std::u16string>{u"a", u"b", u"z"}), v().arrFilterUrl);
    EXPECT_EQ(2000000000, v().nFilterUrlNum);
}

TEST_F(SettingsModel, NegativeCountReadsNothing)
{
    store_.Set("FILTER_URL_NUM", "-4");
    store_.Set("FILTER_URL1", "a");
    Load();
    EXPECT_TRUE(v().arrFilterUrl.empty());
}

// --- Writing ---

TEST_F(SettingsModel, WriteSettingWritesSignedDecimal)
{
    WriteSetting(store_, "WIN_LEFT", -12);
    WriteSetting(store_, "TARGET_B", 63);
    WriteSetting(store_, "X", -2147483647 - 1);
    EXPECT_EQ((std::vector<Write>{{"WIN_LEFT", "-12"}, {"TARGET_B", "63"}, {"X", "-2147483648"}}), store_.writes);
}

TEST_F(SettingsModel, GeometrySaveWritesSixKeysInOrderAndEmptiesTheLists)
{
    store_.entries = {{"FILTER_URL_NUM", "1"}, {"FILTER_URL1", "a"}, {"FILTER_TITLE_NUM", "1"}, {"FILTER_TITLE1", "b"}};
    Load();
    model_.SaveGeometry(store_, 120, -30);
    EXPECT_EQ((std::vector<Write>{{"YPOS", "-30"},
                                  {"XPOS", "120"},
                                  {"WIN_TOP", "0"},
                                  {"WIN_LEFT", "0"},
                                  {"WIN_WIDTH", "-1"},
                                  {"WIN_HEIGHT", "-1"},
                                  {"GEOMETRY_IN_PIXELS", "120,-30,0,0,-1,-1"}}),
              store_.writes);
    EXPECT_TRUE(v().arrFilterUrl.empty() && v().arrFilterTitle.empty());
}

TEST_F(SettingsModel, UnrecordedRectangleSurvivesARoundTrip)
{
    model_.SaveGeometry(store_, 10, 20);
    Load();
    EXPECT_EQ(-1, v().nWinWidth);
    EXPECT_EQ(-1, v().nWinHeight);
    EXPECT_EQ(10, position_.x);
    EXPECT_EQ(20, position_.y);
}

// An earlier version knew nothing of the display's scale: what it wrote at 150 % is in the
// coordinates the system scaled for it, two thirds of the pixels. The marker vouches for pixels
// only while it repeats the values beside it.
TEST_F(SettingsModel, GeometryOfAnEarlierVersionIsReadInThePixelsItMeant)
{
    store_.entries = {{"XPOS", "100"}, {"YPOS", "-1"}, {"WIN_LEFT", "-20"}, {"WIN_TOP", "40"}, {"WIN_WIDTH", "600"},
                      {"WIN_HEIGHT", "401"}};
    model_.Load(store_, position_, FakeCodePage(), 144);
    EXPECT_EQ((std::vector<int>{150, -1, -30, 60, 900, 602}),
              (std::vector<int>{position_.x, position_.y, v().nWinLeft, v().nWinTop, v().nWinWidth, v().nWinHeight}))
        << "YPOS -1 is none, and stays so";

    model_.SaveGeometry(store_, 150, 10);
    model_.Load(store_, position_, FakeCodePage(), 144);
    EXPECT_EQ(150, position_.x) << "written in pixels: read as they are";
    EXPECT_EQ(900, v().nWinWidth);
    store_.Set("XPOS", "100");  // an earlier version saved since, leaving the marker
    store_.entries.erase(store_.entries.begin());
    model_.Load(store_, position_, FakeCodePage(), 144);
    EXPECT_EQ(150, position_.x);
    EXPECT_EQ(1350, v().nWinWidth);
}

// Where the file lives: the Windows directory while it takes a file; else the user's application
// data, first filled from the newest copy in use so far, and from then on.
TEST(SettingsFile, StaysInTheWindowsDirectoryWhileItCanAndIsCarriedOverWhenItCannot)
{
    std::set<std::string> files;
    auto exists = [&](const std::string& f) { return files.count(f) > 0; };
    const std::string win = "C:\\Windows", app = "C:\\Users\\u\\AppData\\Roaming",
                      local = "C:\\Users\\u\\AppData\\Local";
    const std::string mine = app + "\\Pelorus\\Pelorus.ini";
    const std::string stored = local + "\\VirtualStore\\Windows\\Pelorus.ini";
    EXPECT_EQ("Pelorus.ini", ChooseSettingsFile(true, win, app, local, exists).path);
    EXPECT_EQ("Pelorus.ini", ChooseSettingsFile(false, win, "", local, exists).path) << "nowhere better";
    SettingsFileChoice choice = ChooseSettingsFile(false, win, app, local, exists);
    EXPECT_EQ(mine, choice.path);
    EXPECT_EQ("", choice.seedFrom) << "nothing to carry over";
    files = {win + "\\Pelorus.ini"};
    EXPECT_EQ(win + "\\Pelorus.ini", ChooseSettingsFile(false, win, app, local, exists).seedFrom);
    files.insert(stored);
    EXPECT_EQ(stored, ChooseSettingsFile(false, win, app, local, exists).seedFrom) << "the newer, private copy";
    files.insert(mine);
    EXPECT_EQ("", ChooseSettingsFile(false, win, app, local, exists).seedFrom) << "never written over";
    EXPECT_EQ(mine, ChooseSettingsFile(true, win, app, local, exists).path) << "moved once, it stays";
}

}  // namespace
