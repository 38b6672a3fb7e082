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
    OpenSpec spec;
    std::string error;
    ASSERT_TRUE(ParseOpen(Words("open"), spec, error)) << error;
    EXPECT_EQ(kStyleOverlappedWindow, spec.style);
    EXPECT_FALSE(spec.titleBeforeShow);
    EXPECT_TRUE(spec.createTitle.empty());
    EXPECT_EQ(ShowAs::Normal, spec.show);
    EXPECT_TRUE(spec.classIcon);
    EXPECT_FALSE(spec.hasUrlEdit);
    EXPECT_EQ(0, spec.owner);
    EXPECT_EQ(0, spec.parent);
}

TEST(ParseOpen, ReadsEveryOption)
{
    OpenSpec spec;
    std::string error;
    ASSERT_TRUE(ParseOpen(Words("open class=OpWindow title=T createtitle=Netscape titlefirst style=popup "
                                "exstyle=toolwindow owner=2 url=http://x/?a=b child=OUIWINDOW child=#32770 "
                                "icon=off childicon=off show=max rect=-10,20,300,200"),
                          spec, error))
        << error;
    EXPECT_EQ("OpWindow", spec.className);
    EXPECT_EQ("T", spec.title);
    EXPECT_EQ("Netscape", spec.createTitle);
    EXPECT_TRUE(spec.titleBeforeShow);
    EXPECT_EQ(0x80000000u, spec.style);
    EXPECT_EQ(0x80u, spec.exStyle);
    EXPECT_EQ(2, spec.owner);
    EXPECT_TRUE(spec.hasUrlEdit);
    EXPECT_EQ("http://x/?a=b", spec.url) << "only the first '=' splits an option";
    EXPECT_EQ((std::vector<std::string>{"OUIWINDOW", "#32770"}), spec.childClasses);
    EXPECT_FALSE(spec.classIcon);
    EXPECT_FALSE(spec.childIcon);
    EXPECT_EQ(ShowAs::Maximized, spec.show);
    ASSERT_TRUE(spec.hasRect);
    EXPECT_EQ(-10, spec.x);
    EXPECT_EQ(20, spec.y);
    EXPECT_EQ(300, spec.width);
    EXPECT_EQ(200, spec.height);
}

TEST(ParseOpen, RejectsWhatCannotBeBuilt)
{
    OpenSpec spec;
    std::string error;
    for (const char* line : {"open owner=1 parent=2", "open owner=0", "open parent=x", "open class=",
                             "open rect=1,2,3", "open rect=1,2,3,4,5", "open show=sideways", "open icon=maybe",
                             "open child=", "open frobnicate=1", "open titlefirst=1", "open bare"}) {
        error.clear();
        EXPECT_FALSE(ParseOpen(Words(line), spec, error)) << line;
        EXPECT_FALSE(error.empty()) << line;
    }
}

TEST(ParseListView, ReadsItemsDataAndSelection)
{
    ListViewSpec spec;
    std::string error;
    ASSERT_TRUE(ParseListView(Words("listview 3 select=2 data=5,-6 a b c"), spec, error)) << error;
    EXPECT_EQ(3, spec.window);
    EXPECT_EQ(2, spec.select);
    EXPECT_EQ((std::vector<std::string>{"a", "b", "c"}), spec.items);
    EXPECT_EQ((std::vector<long>{5, -6}), spec.data);

    EXPECT_FALSE(ParseListView(Words("listview"), spec, error));
    EXPECT_FALSE(ParseListView(Words("listview 0 a"), spec, error));
    EXPECT_FALSE(ParseListView(Words("listview 1 select=1 a"), spec, error)) << "select past the last item";
    EXPECT_FALSE(ParseListView(Words("listview 1 data=1,x a"), spec, error));
}

}  // namespace
