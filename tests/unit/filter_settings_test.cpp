// The filter dialog's values: the prefix boxes' text both ways, the Close list's size as typed,
// and what OK writes, in which order, and when it empties the Close list.
#include <gtest/gtest.h>

#include "app/settings/filter_settings.h"
#include "app/settings/settings_model.h"
#include "tests/unit/fakes/memory_profile_store.h"

namespace {

using Strings = std::vector<std::string>;
using Write = MemoryProfileStore::Write;

bool ShiftJisLead(unsigned char c)
{
    return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC);
}

TEST(PrefixBox, TextAndPrefixesRoundTrip)
{
    EXPECT_EQ("", PrefixBoxText({}));
    EXPECT_EQ("a\r\n b \r\n", PrefixBoxText({"a", " b "}));
    EXPECT_EQ((Strings{"a", " b ", "a", "\x83\x6a\x83\x85"}),
              PrefixesFromBoxText("a\r\n\r\n b \r\na\r\n\x83\x6a\x83\x85", ShiftJisLead))
        << "empty lines skipped; spaces, repeats and a last line without a break kept";
    const Strings prefixes{"http://x/", "\x8d\x4c\x8d\x90"};
    EXPECT_EQ(prefixes, PrefixesFromBoxText(PrefixBoxText(prefixes), ShiftJisLead));
}

TEST(PrefixBox, LongLineKeepsWhatTheSettingsFileGivesBack)
{
    EXPECT_EQ(std::string(510, 'u'), PrefixesFromBoxText(std::string(600, 'u'), ShiftJisLead).at(0));
    // A double-byte character across the 510th byte is not cut in half.
    const std::string line = std::string(509, 'u') + "\x83\x6a" + "tail";
    EXPECT_EQ(std::string(509, 'u'), PrefixesFromBoxText(line, ShiftJisLead).at(0));
    // One the file keeps in quotes has two bytes fewer.
    EXPECT_EQ(" " + std::string(507, 'u'), PrefixesFromBoxText(" " + std::string(600, 'u'), ShiftJisLead).at(0));
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
        values_.urlText = "a\r\n\r\nb";
    }
    void Load()
    {
        StoredPosition position;
        settings_.Load(store_, position);
    }
    bool Ok() { return settings_.ApplyFilterDialog(store_, values_, ShiftJisLead); }
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
    EXPECT_EQ((Strings{"a", "b"}), v().arrFilterUrl);
    EXPECT_EQ(2, v().nFilterUrlNum);
}

TEST_F(FilterDialogOk, DeletesOnlyTheKeysThereHoweverLargeTheCountClaimed)
{
    store_.Set("FILTER_URL_NUM", "2000000000");  // the first one counts
    store_.entries.erase(store_.entries.begin() + 3);
    Load();
    values_.urlText = "";
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
    EXPECT_EQ((Strings{"FILTER_CLOSE=1", "FILTER_CHECK_POPUP=1", "MAX_PENDING_NUM=8", "FILTER_USE_URL=1",
                       "FILTER_USE_TITLE=1"}),
              [&] {
                  Strings first;
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
