// The browser-kind table as the program reads it: each browser's own name in a title, and the
// start-up sweep's kinds.
#include <gtest/gtest.h>

#include <string>

#include "app/capture/kind_rules.h"
#include "hooklib/hook_protocol.h"

namespace {

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
        {kBrowserTypeCount, "Opera - x", "Opera - x", false},
    };
    for (const TitleCase& c : cases) {
        std::string title = c.before;
        EXPECT_EQ(c.changed, NormalizeTitle(title, c.type)) << c.before;
        EXPECT_EQ(c.after, title) << c.before;
    }
}

NewWindowFacts Open(const char* className, const char* title, bool visible)
{
    NewWindowFacts facts;
    facts.identity = {true, true, false, false, className};
    facts.title = title;
    facts.visible = visible;
    return facts;
}

TEST(ClassifyWindow, RecognisesBrowsersByClassAndTitle)
{
    EXPECT_EQ(BROWSER_IE, ClassifyWindow(Open("IEFrame", "", false)));
    EXPECT_EQ(BROWSER_IE, ClassifyWindow(Open("IEFrame", "Page - Netscape", false))) << "its class first";
    EXPECT_EQ(BROWSER_NETSCAPE6, ClassifyWindow(Open("MozillaWindowClass", "Page - Netscape 7", true)));
    EXPECT_EQ(BROWSER_MOZILLA, ClassifyWindow(Open("MozillaWindowClass", "Page - Mozilla", true)));
    EXPECT_EQ(-1, ClassifyWindow(Open("MozillaWindowClass", "Mozilla", true)));
    EXPECT_EQ(BROWSER_OPERA_OUI, ClassifyWindow(Open("OUIWINDOW", "", false)));
    EXPECT_EQ(BROWSER_OPERA_OP, ClassifyWindow(Open("OpWindow", "", true)));
    EXPECT_EQ(-1, ClassifyWindow(Open("OpWindow", "", false)));
    EXPECT_EQ(BROWSER_NETSCAPE4, ClassifyWindow(Open("OpWindow", "Page - Netscape", false)));
    EXPECT_EQ(BROWSER_NETSCAPE4, ClassifyWindow(Open("Other", "Page - Netscape", false)));
    EXPECT_EQ(-1, ClassifyWindow(Open("ieframe", "", true))) << "class names are case-sensitive";
}

}  // namespace
