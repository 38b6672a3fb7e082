// The fake browser's command language: if it misreads a command, every end-to-end test that
// drives it tests the wrong window, so its rules are pinned here.
#include <gtest/gtest.h>

#include "tests/tools/testbrowser/command.h"

namespace {

using namespace testbrowser;

std::vector<std::string> Words(const std::string& line)
{
    std::vector<std::string> words;
    std::string error;
    EXPECT_TRUE(SplitWords(line, words, error)) << error;
    return words;
}

bool Fails(const std::string& line)
{
    std::vector<std::string> words;
    std::string error;
    return !SplitWords(line, words, error) && !error.empty();
}

TEST(SplitWords, SeparatesOnBlanksAndGroupsQuotes)
{
    EXPECT_EQ((std::vector<std::string>{"open", "class=IEFrame", "title=A B", "x"}),
              Words("  open\tclass=IEFrame \"title=A B\" x \r\n"));
    EXPECT_EQ((std::vector<std::string>{"title=A B"}), Words("title=\"A B\""));
    EXPECT_EQ((std::vector<std::string>{""}), Words("\"\""));
    EXPECT_TRUE(Words("   ").empty());
}

TEST(SplitWords, TakesEscapesForAnyByte)
{
    EXPECT_EQ((std::vector<std::string>{"\x93\xfa\x96\x7b", "a\"b", "c\\d", "e\nf"}),
              Words("\\x93\\xFA\\x96\\x7b \"a\\\"b\" c\\\\d e\\nf"));
    EXPECT_EQ((std::vector<std::string>{std::string("a\0b", 3)}), Words("a\\x00b"));
}

bool ShiftJisLead(unsigned char c)
{
    return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC);
}

TEST(SplitWords, TakesDoubleByteCharactersWhole)
{
    // "予報" in Shift-JIS is 97 5C 95 F1: its first character's second byte is a backslash.
    const std::string forecast = "\x97\\\x95\xF1";
    std::vector<std::string> words;
    std::string error;
    ASSERT_TRUE(SplitWords("t=" + forecast + " \"q " + forecast + "\"", words, error, ShiftJisLead)) << error;
    EXPECT_EQ((std::vector<std::string>{"t=" + forecast, "q " + forecast}), words);
    ASSERT_TRUE(SplitWords("a\\x41", words, error, ShiftJisLead)) << "escapes still work";
    EXPECT_EQ(std::vector<std::string>{"aA"}, words);
    EXPECT_FALSE(SplitWords("t=" + forecast, words, error)) << "without the predicate it reads as an escape";
}

TEST(SplitWords, RejectsBrokenInput)
{
    EXPECT_TRUE(Fails("open \"title=unclosed"));
    EXPECT_TRUE(Fails("ends in \\"));
    EXPECT_TRUE(Fails("\\x4"));
    EXPECT_TRUE(Fails("\\xZZ"));
    EXPECT_TRUE(Fails("\\q"));
}

TEST(ParseStyle, JoinsNamesAndNumbers)
{
    uint32_t style = 0;
    std::string error;
    ASSERT_TRUE(ParseStyle("popup|caption|sysmenu", style, error));
    EXPECT_EQ(0x80000000u | 0x00C00000u | 0x00080000u, style);
    ASSERT_TRUE(ParseStyle("overlappedwindow", style, error));
    EXPECT_EQ(0x00CF0000u, style);
    ASSERT_TRUE(ParseStyle("0x80000000|maximizebox", style, error));
    EXPECT_EQ(0x80010000u, style);
    ASSERT_TRUE(ParseStyle("overlapped", style, error));
    EXPECT_EQ(0u, style);
    EXPECT_FALSE(ParseStyle("popup|bogus", style, error));
    EXPECT_FALSE(ParseStyle("", style, error));
    EXPECT_FALSE(ParseStyle("popup|", style, error));
    EXPECT_FALSE(ParseStyle("0x100000000", style, error));

    uint32_t exStyle = 0;
    ASSERT_TRUE(ParseExStyle("toolwindow|topmost", exStyle, error));
    EXPECT_EQ(0x88u, exStyle);
}

TEST(ParseOpen, DefaultsToAnOverlappedWindowTitledAfterItShows)
{
    OpenOptions options;
    std::string error;
    ASSERT_TRUE(ParseOpen(Words("open"), options, error)) << error;
    EXPECT_EQ(kStyleOverlappedWindow, options.style);
    EXPECT_FALSE(options.titleBeforeShow);
    EXPECT_TRUE(options.createTitle.empty());
    EXPECT_EQ(ShowAs::Normal, options.show);
    EXPECT_TRUE(options.classIcon);
    EXPECT_FALSE(options.hasUrlEdit);
    EXPECT_EQ(0, options.owner);
    EXPECT_EQ(0, options.parent);
}

TEST(ParseOpen, ReadsEveryOption)
{
    OpenOptions options;
    std::string error;
    ASSERT_TRUE(ParseOpen(Words("open class=OpWindow title=T createtitle=Netscape titlefirst style=popup "
                                "exstyle=toolwindow owner=2 url=http://x/?a=b child=OUIWINDOW child=#32770 "
                                "icon=off childicon=off show=max rect=-10,20,300,200"),
                          options, error))
        << error;
    EXPECT_EQ("OpWindow", options.className);
    EXPECT_EQ("T", options.title);
    EXPECT_EQ("Netscape", options.createTitle);
    EXPECT_TRUE(options.titleBeforeShow);
    EXPECT_EQ(0x80000000u, options.style);
    EXPECT_EQ(0x80u, options.exStyle);
    EXPECT_EQ(2, options.owner);
    EXPECT_TRUE(options.hasUrlEdit);
    EXPECT_EQ("http://x/?a=b", options.url) << "only the first '=' splits an option";
    EXPECT_EQ((std::vector<std::string>{"OUIWINDOW", "#32770"}), options.childClasses);
    EXPECT_FALSE(options.classIcon);
    EXPECT_FALSE(options.childIcon);
    EXPECT_EQ(ShowAs::Maximized, options.show);
    ASSERT_TRUE(options.hasRect);
    EXPECT_EQ(-10, options.x);
    EXPECT_EQ(20, options.y);
    EXPECT_EQ(300, options.width);
    EXPECT_EQ(200, options.height);
}

TEST(ParseOpen, RejectsWhatCannotBeBuilt)
{
    OpenOptions options;
    std::string error;
    for (const char* line : {"open owner=1 parent=2", "open owner=0", "open parent=x", "open class=", "open rect=1,2,3",
                             "open rect=1,2,3,4,5", "open show=sideways", "open icon=maybe",
                             "open child=", "open frobnicate=1", "open titlefirst=1", "open bare"}) {
        error.clear();
        EXPECT_FALSE(ParseOpen(Words(line), options, error)) << line;
        EXPECT_FALSE(error.empty()) << line;
    }
}

TEST(ParseListView, ReadsItemsDataAndSelection)
{
    ListViewOptions options;
    std::string error;
    ASSERT_TRUE(ParseListView(Words("listview 3 select=2 data=5,-6 a b c"), options, error)) << error;
    EXPECT_EQ(3, options.window);
    EXPECT_EQ(2, options.select);
    EXPECT_EQ((std::vector<std::string>{"a", "b", "c"}), options.items);
    EXPECT_EQ((std::vector<long>{5, -6}), options.data);

    EXPECT_FALSE(ParseListView(Words("listview"), options, error));
    EXPECT_FALSE(ParseListView(Words("listview 0 a"), options, error));
    EXPECT_FALSE(ParseListView(Words("listview 1 select=1 a"), options, error)) << "select past the last item";
    EXPECT_FALSE(ParseListView(Words("listview 1 data=1,x a"), options, error));
}

}  // namespace
