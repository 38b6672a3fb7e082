// The filter dialog's values: the prefix boxes' text both ways, the Close list's size as typed,
// and what OK writes, in which order, and when it empties the Close list.
#include <gtest/gtest.h>

#include "app/settings/filter_settings.h"
#include "app/settings/settings_model.h"
#include "tests/unit/fakes/fake_code_page.h"
#include "tests/unit/fakes/memory_profile_store.h"

namespace {

using Strings = std::vector<std::u16string>;
using Write = MemoryProfileStore::Write;

// "Café ☕ 日本語 한국어": no one code page holds it all.
const std::u16string kBeyond = u"Caf\u00E9 \u2615 \u65E5\u672C\u8A9E \uD55C\uAD6D\uC5B4";

TEST(PrefixBox, TextAndPrefixesRoundTripExactly)
{
    EXPECT_EQ(u"", PrefixBoxText({}));
    EXPECT_EQ(u"a\r\n b \r\n", PrefixBoxText({u"a", u" b "}));
    EXPECT_EQ((Strings{u"a", u" b ", u"a", kBeyond}), PrefixesFromBoxText(u"a\r\n\r\n b \r\na\r\n" + kBeyond))
        << "empty lines skipped; spaces, repeats and a last line without a break kept";
    const Strings prefixes{u"http://x/", kBeyond};
    EXPECT_EQ(prefixes, PrefixesFromBoxText(PrefixBoxText(prefixes)));
}

TEST(PrefixBox, LongLineIsCutTo510UnitsNeverInsideACharacter)
{
    EXPECT_EQ(std::u16string(510, u'u'), PrefixesFromBoxText(std::u16string(600, u'u')).at(0));
    EXPECT_EQ(std::u16string(509, u'u'), PrefixesFromBoxText(std::u16string(509, u'u') + u"\U0001F600").at(0));
}

// The numbered key keeps what the code page holds, as earlier versions wrote and read it; a
// prefix it cannot hold is kept exactly beside it, and that is believed only while the numbered
// key still says what it would be stored as.
TEST(PrefixBox, PrefixesTheCodePageCannotHoldAreKeptExactlyBesideTheirNearest)
{
    const FakeCodePage codePage;
    const std::string jis = "\x83\x6a\x83\x85";
    const StoredPrefix held = StorePrefix(codePage.Decode(jis), codePage);
    EXPECT_EQ('"' + jis + '"', held.value) << "as ever, in quotes: it ends in a double-byte character";
    EXPECT_EQ("", held.exact) << "the code page holds it: nothing beside it";

    const StoredPrefix beyond = StorePrefix(kBeyond, codePage);
    EXPECT_EQ("Caf\xE9 ?", beyond.value.substr(0, 6)) << "the nearest, as an earlier version reads such titles";
    EXPECT_EQ("Caf%C3%A9%20%E2%98%95%20%E6%97%A5%E6%9C%AC%E8%AA%9E%20%ED%95%9C%EA%B5%AD%EC%96%B4", beyond.exact);
    EXPECT_EQ(kBeyond, LoadPrefix(beyond.value, beyond.exact, codePage));
    const StoredPrefix percent = StorePrefix(u"100% \u2615", codePage);
    EXPECT_EQ(u"100% \u2615", LoadPrefix(percent.value, percent.exact, codePage)) << "a % of its own";
    EXPECT_EQ(u"Caf\u00E9 Bar", LoadPrefix("Caf\xE9 Bar", beyond.exact, codePage))
        << "changed since by an earlier version: the numbered key holds";
    EXPECT_EQ(codePage.Decode(jis), LoadPrefix(jis, "", codePage)) << "a file of an earlier version";
    EXPECT_EQ(codePage.Decode(beyond.value), LoadPrefix(beyond.value, "%zz", codePage)) << "a spoiled exact key";

    // Too long for the numbered key's reader in the code page: kept exactly too. The reader
    // gives the value back without its quotes.
    const std::u16string wide(300, u'\u4E01');
    const StoredPrefix cut = StorePrefix(wide, codePage);
    const std::string read = cut.value.substr(1, cut.value.size() - 2);
    EXPECT_EQ(508u, read.size()) << "254 double-byte characters, in quotes";
    EXPECT_EQ(wide, LoadPrefix(read, cut.exact, codePage));
    EXPECT_EQ("\" b \"", StorePrefix(u" b ", codePage).value) << "blanks at its ends kept in quotes";
}

// The settings file's reader drops blanks at either end and enclosing quotes: such a prefix is
// written in quotes, to come back as it was typed.
TEST(PrefixBox, PrefixesTheFileWouldChangeAreWrittenInQuotes)
{
    EXPECT_EQ("http://a/b", PrefixProfileValue("http://a/b"));
    EXPECT_EQ("\" b \"", PrefixProfileValue(" b "));
    EXPECT_EQ("\"'q'\"", PrefixProfileValue("'q'"));
    EXPECT_EQ("\"a\x81\x40\"", PrefixProfileValue("a\x81\x40")) << "a full-width space at its end";
}

TEST(CloseListSize, IsReadAsTypedAndBroughtIntoOneToEight)
{
    const std::pair<const char*, int> cases[] = {{"4", 4},  {" 6x", 6}, {"15", 8}, {"99999999999", 8}, {"0", 1},
                                                 {"-3", 1}, {"ab", 1},  {"", 1},   {"+2", 2}};
    for (const auto& [text, size] : cases)
        EXPECT_EQ(size, ParseCloseListSize(text)) << '"' << text << '"';
}

class FilterDialogOk : public ::testing::Test {
protected:
    void SetUp() override
    {
        store_.entries = {{"FILTER", "1"}, {"FILTER_CLOSE", "0"}, {"MAX_PENDING_NUM", "6"}, {"FILTER_URL_NUM", "5"}};
        for (int n = 1; n <= 5; ++n)
            store_.Set("FILTER_URL" + std::to_string(n), "old" + std::to_string(n));
        Load();
        values_.sizeText = "6";
        values_.urlText = u"a\r\n\r\nb";
    }
    void Load()
    {
        StoredPosition position;
        settings_.Load(store_, position, FakeCodePage());
    }
    bool Ok() { return settings_.ApplyFilterDialog(store_, values_, FakeCodePage()); }
    const SettingsValues& v() const { return settings_.Values(); }

    MemoryProfileStore store_;
    CSettingsModel settings_;
    FilterDialogValues values_;
};

TEST_F(FilterDialogOk, WritesTheLinesAndDeletesTheOldKeysBeyondThem)
{
    EXPECT_FALSE(Ok());
    const std::vector<Write> expected = {{"FILTER_CHECK_POPUP", "1"}, {"FILTER_URL1", "a"},     {"FILTER_URL2", "b"},
                                         {"FILTER_URL3", {}},         {"FILTER_URL4", {}},      {"FILTER_URL5", {}},
                                         {"FILTER_URL_NUM", "2"},     {"FILTER_TITLE_NUM", "0"}};
    EXPECT_EQ(expected, store_.writes) << "unchanged switches, mode and size are not written";
    EXPECT_EQ((Strings{u"a", u"b"}), v().arrFilterUrl);
    EXPECT_EQ(2, v().nFilterUrlNum);
}

TEST_F(FilterDialogOk, ExactKeysAreWrittenWhereNeededAndStaleOnesDeleted)
{
    store_.Set("FILTER_URL1_UTF8", "stale");
    store_.Set("filter_url4_utf8", "stale");
    values_.urlText = u"a\r\n\u2615";
    EXPECT_FALSE(Ok());
    const std::vector<Write> expected = {
        {"FILTER_CHECK_POPUP", "1"}, {"FILTER_URL1", "a"},      {"FILTER_URL1_UTF8", {}},
        {"FILTER_URL2", "?"},        {"FILTER_URL2_UTF8", "%E2%98%95"}, {"FILTER_URL3", {}},
        {"FILTER_URL4", {}},         {"FILTER_URL5", {}},       {"FILTER_URL4_UTF8", {}},
        {"FILTER_URL_NUM", "2"},     {"FILTER_TITLE_NUM", "0"}};
    EXPECT_EQ(expected, store_.writes);
    Load();
    EXPECT_EQ((Strings{u"a", u"\u2615"}), v().arrFilterUrl) << "read back exactly";
}

TEST_F(FilterDialogOk, DeletesOnlyTheKeysThereHoweverLargeTheCountClaimed)
{
    store_.Set("FILTER_URL_NUM", "2000000000");  // the first one counts
    store_.entries.erase(store_.entries.begin() + 3);
    Load();
    values_.urlText = u"";
    EXPECT_FALSE(Ok());
    EXPECT_EQ(8u, store_.writes.size()) << "the popup check, five deletions and two counts";
    EXPECT_EQ((Write{"FILTER_URL_NUM", "0"}), store_.writes[6]);
}

TEST_F(FilterDialogOk, ChangedValuesAreWrittenAndTheCloseListEmptiedWhenParkingEnds)
{
    values_.useUrl = values_.useTitle = true;
    values_.sizeText = "15";
    settings_.SetFilterClose(true);  // the close box was clicked
    EXPECT_TRUE(Ok());
    EXPECT_EQ((std::vector<std::string>{"FILTER_CLOSE=1", "FILTER_CHECK_POPUP=1", "MAX_PENDING_NUM=8", "FILTER_USE_URL=1",
                       "FILTER_USE_TITLE=1"}),
              [&] {
                  std::vector<std::string> first;
                  for (size_t i = 0; i < 5; ++i)
                      first.push_back(store_.writes[i].key + "=" + store_.writes[i].value.value_or("-"));
                  return first;
              }());
    EXPECT_EQ(8, v().nMaxPendingNum);
}

TEST_F(FilterDialogOk, HandEditedModeIsWrittenAsTheOneInForce)
{
    store_.Set("FILTER_CLOSE", "2");  // close mode, yet not what the button's rule reads
    store_.entries.erase(store_.entries.begin() + 1);
    Load();
    values_.filterCloseOld = 2;
    settings_.SetFilterClose(true);
    EXPECT_FALSE(Ok());
    EXPECT_EQ((Write{"FILTER_CLOSE", "1"}), store_.writes.at(0));
}

TEST_F(FilterDialogOk, LoweringTheParkModeSizeEmptiesTheCloseListRaisingItDoesNot)
{
    values_.sizeText = "3";
    EXPECT_TRUE(Ok());
    values_.sizeText = "7";
    EXPECT_FALSE(Ok());
    settings_.SetFilterClose(true);
    values_.filterCloseOld = 1;  // close mode throughout
    values_.sizeText = "2";
    EXPECT_FALSE(Ok());
}

}  // namespace
