// Finding a window by typing: the words, the rows that match every one in any order, their rank,
// and the list's type-to-find, over a stand-in for the platform's comparison.
#include <gtest/gtest.h>

#include "app/ui/window_search.h"
#include "tests/unit/fakes/fake_text_search.h"

namespace {

std::vector<std::u16string> Titles(const std::vector<SearchRow>& rows, const std::vector<int>& order)
{
    std::vector<std::u16string> titles;
    for (int i : order)
        titles.push_back(rows[static_cast<size_t>(i)].title);
    return titles;
}

TEST(WindowSearch, RowsHoldEveryWordInAnyOrderThoseWhereWordsBeginWordsFirstThenTheRecent)
{
    FakeTextSearch search;
    const std::vector<SearchRow> rows = {
        {u"Caf\u00E9 menu - Google Chrome", 3},
        {u"The best cafes in Tokyo", 5},    // "cafe" inside no word's start? it starts "cafes"
        {u"Decafe news - Microsoft Edge", 9},  // "cafe" within a word
        {u"\u30CB\u30E5\u30FC\u30B9 - Opera", 7},  // katakana: ニュース
        {u"Menu of the caf\u00E9", 1},
    };
    EXPECT_EQ((std::vector<std::u16string>{u"The best cafes in Tokyo", u"Caf\u00E9 menu - Google Chrome",
                                           u"Menu of the caf\u00E9", u"Decafe news - Microsoft Edge"}),
              Titles(rows, FindRows(rows, u"CAFE", search)))
        << "at a word's start first, the most recent first within each";
    EXPECT_EQ((std::vector<std::u16string>{u"Caf\u00E9 menu - Google Chrome", u"Menu of the caf\u00E9"}),
              Titles(rows, FindRows(rows, u" menu\u3000cafe ", search)))
        << "every word, in any order, at any white space";
    EXPECT_EQ(std::vector<int>{3}, FindRows(rows, u"\u306B\u3085", search)) << "hiragana finds katakana";
    EXPECT_EQ((std::vector<int>{2, 3, 1, 0, 4}), FindRows(rows, u"", search)) << "nothing typed: all, the recent first";
    EXPECT_TRUE(FindRows(rows, u"cafe tea", search).empty());
    EXPECT_EQ((std::vector<std::u16string>{u"a", u"b"}), QueryWords(u"\t a\u00A0 b "));
}

TEST(TypeToFind, KeysWithinASecondMakeOneTextThatSelectsTheFirstRowHoldingIt)
{
    FakeTextSearch search;
    const std::vector<std::u16string> titles = {u"Weather", u"News - Mozilla", u"Newsletter"};
    CTypeAhead typed;
    EXPECT_EQ(1, FirstRowHolding(titles, typed.Type(u'n', 1000), search));
    EXPECT_EQ(u"ne", typed.Type(u'e', 1900));
    typed.Type(u'w', 2500);
    typed.Type(u's', 2600);
    EXPECT_EQ(2, FirstRowHolding(titles, typed.Type(u'l', 2700), search)) << "\"newsl\": the first row holding it";
    EXPECT_EQ(u"w", typed.Type(u'w', 3800)) << "after a pause, anew";
    EXPECT_EQ(0, FirstRowHolding(titles, u"w", search));
    EXPECT_EQ(-1, FirstRowHolding(titles, u"zz", search));
}

}  // namespace
