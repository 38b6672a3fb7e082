// The browser-kind table as the program reads it: each browser's own name in a title, and the
// start-up sweep's kinds.
#include <gtest/gtest.h>

#include <string>

#include "app/capture/kind_rules.h"
#include "app/win/unicode_text.h"
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
        {BROWSER_CHROMIUM, "News - Google Chrome", "News", true},
        {BROWSER_CHROMIUM, "News - Microsoft\xE2\x80\x8B Edge", "News", true},
        {BROWSER_CHROMIUM, "News and 2 more pages - Microsoft? Edge", "News and 2 more pages", true},
        {BROWSER_CHROMIUM, "Carmen - Opera - Opera", "Carmen - Opera", true},
        {BROWSER_CHROMIUM, "DevTools - example.com/", "DevTools - example.com/", false},
        {kBrowserTypeCount, "Opera - x", "Opera - x", false},
    };
    for (const TitleCase& c : cases) {
        std::u16string title;
        ASSERT_TRUE(FromUtf8(c.before, title));
        EXPECT_EQ(c.changed, NormalizeTitle(title, c.type)) << c.before;
        EXPECT_EQ(c.after, ToUtf8(title)) << c.before;
    }
}

NewWindowFacts Open(const char* className, const char* title, bool visible)
{
    NewWindowFacts facts;
    facts.identity = {true, true, false, false, className};
    FromUtf8(title, facts.title);
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
    EXPECT_EQ(-1, RecogniseWindow(Open("Notepad", "Notes - Netscape", true))) << "by title alone: the hook's";
    EXPECT_EQ(-1, ClassifyWindow(Open("ieframe", "", true))) << "class names are case-sensitive";
}

// A frame of chrome.exe, shown, titled TITLE.
NewWindowFacts Chrome(const char* title, const char* image = "C:\\Program Files\\Google\\Chrome\\Chrome.exe")
{
    NewWindowFacts facts = Open("Chrome_WidgetWin_1", title, true);
    facts.processImage = image;
    facts.styleKnown = true;
    facts.style = 0x16CF0000;  // an overlapped window, visible, clipping its children
    return facts;
}

TEST(ChromiumFamily, BrowsingWindowsAreFramesOfItsProgramsWithTheirNameInTheTitle)
{
    EXPECT_EQ(BROWSER_CHROMIUM, RecogniseWindow(Chrome("Page - Google Chrome")));
    EXPECT_EQ(BROWSER_CHROMIUM, ClassifyWindow(Chrome("Page - Google Chrome")));
    EXPECT_TRUE(IsOfKind(Chrome("Page - Google Chrome"), BROWSER_CHROMIUM));
    EXPECT_EQ(BROWSER_CHROMIUM, RecogniseWindow(Chrome("Page - Google Chrome (Incognito)")));
    for (const char* edge : {"Page - Microsoft\xE2\x80\x8B Edge", "Page - Microsoft? Edge", "Page - Microsoft Edge"})
        EXPECT_EQ(BROWSER_CHROMIUM, RecogniseWindow(Chrome(edge, "C:\\Edge\\msedge.exe"))) << edge;

    NewWindowFacts popup = Chrome("Page - Google Chrome"), owned = popup, cloaked = popup, noCaption = popup;
    popup.exStyle = 0x00000080;   // a tool window: a menu, a bubble, the address bar's list
    owned.identity.owned = true;  // a dialog
    cloaked.cloaked = true;
    noCaption.style = 0x96000000;
    const NewWindowFacts others[] = {popup,
                                     owned,
                                     cloaked,
                                     noCaption,
                                     Chrome("DevTools - example.com/"),
                                     Chrome("Calendar"),
                                     Chrome("Review - Google Chrome vs Edge"),  // an app's page naming it
                                     Chrome("main.cpp - Visual Studio Code", "C:\\VS Code\\Code.exe"),
                                     Chrome("Page - Microsoft Edge")};  // Chrome's window does not bear Edge's name
    for (const NewWindowFacts& other : others) {
        EXPECT_EQ(-1, RecogniseWindow(other)) << ToUtf8(other.title);
        EXPECT_FALSE(IsOfKind(other, BROWSER_CHROMIUM)) << ToUtf8(other.title);
    }
    NewWindowFacts hidden = Chrome("Page - Google Chrome");
    hidden.visible = false;
    EXPECT_EQ(-1, ClassifyWindow(hidden)) << "the sweep takes it once shown";
}

}  // namespace
