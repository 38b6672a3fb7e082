// The browser-kind table as the program reads it: each browser's own name in a title, and the one
// recogniser over every kind's rows, their look-alikes and the windows that are no browsing ones.
#include <gtest/gtest.h>

#include <string>

#include "app/capture/kind_rules.h"
#include "app/win/unicode_text.h"
#include "hooklib/hook_protocol.h"
#include "tests/unit/fakes/fake_window_seam.h"

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

// A top-level window of another program, every fact read.
WindowFacts Window(const char* className, const char* title, uint32_t style = 0x10CF0000, bool visible = true)
{
    WindowFacts f;
    f.read = WindowFacts::All;
    f.identity = {true, true, false, false};
    f.className = className;
    FromUtf8(title, f.title);
    f.visible = visible;
    f.styleKnown = true;
    f.style = style;
    f.processImage = "C:\\Program Files\\Browser\\browser.exe";
    return f;
}

// A shown frame of chrome.exe (or IMAGE), titled TITLE.
WindowFacts Chrome(const char* title, const char* image = "C:\\Program Files\\Google\\Chrome\\Chrome.exe")
{
    WindowFacts f = Window("Chrome_WidgetWin_1", title, 0x16CF0000);  // overlapped, visible, clipping
    f.processImage = image;
    return f;
}

template <class Change>
WindowFacts With(WindowFacts f, Change change)
{
    change(f);
    return f;
}

// One row a window: the kind the watcher takes it for when it is shown, the kind the start-up
// sweep takes it for, and a notice of type NOTICE: let through (None), or why not.
struct Row {
    const char* what;
    WindowFacts facts;
    int seen;
    int open;
    int notice;
    Refusal refusal;
};

TEST(Recognise, OneAnswerForTheWatcherTheSweepAndEveryNotice)
{
    constexpr int kNone = -1;
    const uint32_t popup = 0x90000000;       // no caption, no frame: nothing of an overlapped window
    const uint32_t toolWindow = 0x00000080;  // a menu, a bubble, the address bar's list
    const uint32_t noActivate = 0x08000000;  // a drop-down
    const Row rows[] = {
        {"IE", Window("IEFrame", ""), BROWSER_IE, BROWSER_IE, BROWSER_IE, Refusal::None},
        {"IE, hidden", Window("IEFrame", "", 0x00CF0000, false), kNone, BROWSER_IE, BROWSER_IE, Refusal::None},
        {"IE, a title naming another", Window("IEFrame", "Page - Netscape"), BROWSER_IE, BROWSER_IE, BROWSER_NETSCAPE4,
         Refusal::None},
        {"IE, owned", With(Window("IEFrame", ""), [](WindowFacts& f) { f.identity.owned = true; }), kNone, kNone,
         BROWSER_IE, Refusal::Owned},
        {"IE, ours", With(Window("IEFrame", ""), [](WindowFacts& f) { f.identity.ours = true; }), kNone, kNone,
         BROWSER_IE, Refusal::Ours},
        {"IE, a child", With(Window("IEFrame", ""), [](WindowFacts& f) { f.identity.topLevel = false; }), kNone, kNone,
         BROWSER_IE, Refusal::NotTopLevel},
        {"IE, gone", With(Window("IEFrame", ""), [](WindowFacts& f) { f.identity.alive = false; }), kNone, kNone,
         BROWSER_IE, Refusal::Gone},
        {"ieframe: classes are case-sensitive", Window("ieframe", ""), kNone, kNone, BROWSER_IE, Refusal::NotOfItsKind},
        {"Netscape 7", Window("MozillaWindowClass", "Page - Netscape 7"), BROWSER_NETSCAPE6, BROWSER_NETSCAPE6,
         BROWSER_NETSCAPE6, Refusal::None},
        {"Netscape 7, made a pop-up", Window("MozillaWindowClass", "Page - Netscape 7", popup), kNone,
         BROWSER_NETSCAPE6, BROWSER_MOZILLA, Refusal::None},
        {"Mozilla", Window("MozillaWindowClass", "Page - Mozilla"), BROWSER_MOZILLA, BROWSER_MOZILLA, BROWSER_OPERA_OP,
         Refusal::NotOfItsKind},
        {"Mozilla, untitled yet", Window("MozillaWindowClass", "Mozilla"), BROWSER_MOZILLA, kNone, BROWSER_MOZILLA,
         Refusal::None},
        {"Opera 6", Window("OUIWINDOW", ""), BROWSER_OPERA_OUI, BROWSER_OPERA_OUI, BROWSER_OPERA_OUI, Refusal::None},
        {"Opera 7", Window("OpWindow", ""), BROWSER_OPERA_OP, BROWSER_OPERA_OP, BROWSER_OPERA_OP, Refusal::None},
        {"Opera 7, hidden", Window("OpWindow", "", 0x00CF0000, false), kNone, kNone, BROWSER_OPERA_OP, Refusal::None},
        {"Opera 7, hidden, Netscape's title", Window("OpWindow", "Page - Netscape", 0x00CF0000, false), kNone,
         BROWSER_NETSCAPE4, BROWSER_NETSCAPE4, Refusal::None},
        {"Netscape 4: its title alone", Window("Other", "Page - Netscape"), kNone, BROWSER_NETSCAPE4, BROWSER_NETSCAPE4,
         Refusal::None},
        {"a title naming no browser", Window("Notepad", "Notes"), kNone, kNone, BROWSER_NETSCAPE4,
         Refusal::NotOfItsKind},
        {"Chrome", Chrome("Page - Google Chrome"), BROWSER_CHROMIUM, BROWSER_CHROMIUM, BROWSER_CHROMIUM, Refusal::None},
        {"Chrome, incognito", Chrome("Page - Google Chrome (Incognito)"), BROWSER_CHROMIUM, BROWSER_CHROMIUM,
         BROWSER_CHROMIUM, Refusal::None},
        {"Edge", Chrome("Page - Microsoft\xE2\x80\x8B Edge", "C:\\Edge\\msedge.exe"), BROWSER_CHROMIUM,
         BROWSER_CHROMIUM, BROWSER_CHROMIUM, Refusal::None},
        {"Edge, read through a code page", Chrome("Page - Microsoft? Edge", "C:\\Edge\\msedge.exe"), BROWSER_CHROMIUM,
         BROWSER_CHROMIUM, BROWSER_CHROMIUM, Refusal::None},
        {"Edge, older", Chrome("Page - Microsoft Edge", "C:\\Edge\\MSEDGE.EXE"), BROWSER_CHROMIUM, BROWSER_CHROMIUM,
         BROWSER_CHROMIUM, Refusal::None},
        {"Chrome, a tool window", With(Chrome("Page - Google Chrome"), [&](WindowFacts& f) { f.exStyle = toolWindow; }),
         kNone, kNone, BROWSER_CHROMIUM, Refusal::NotOfItsKind},
        {"Chrome, never activated", With(Chrome("Page - Google Chrome"), [&](WindowFacts& f) { f.exStyle = noActivate; }),
         kNone, kNone, BROWSER_CHROMIUM, Refusal::NotOfItsKind},
        {"Chrome, no caption", With(Chrome("Page - Google Chrome"), [](WindowFacts& f) { f.style = 0x96000000; }), kNone,
         kNone, BROWSER_CHROMIUM, Refusal::NotOfItsKind},
        {"Chrome, a dialog", With(Chrome("Page - Google Chrome"), [](WindowFacts& f) { f.identity.owned = true; }),
         kNone, kNone, BROWSER_CHROMIUM, Refusal::Owned},
        {"Chrome, cloaked", With(Chrome("Page - Google Chrome"), [](WindowFacts& f) { f.cloaked = true; }), kNone,
         kNone, BROWSER_CHROMIUM, Refusal::NotShown},
        {"Chrome, hidden", With(Chrome("Page - Google Chrome"), [](WindowFacts& f) { f.visible = false; }), kNone, kNone,
         BROWSER_CHROMIUM, Refusal::NotShown},
        {"developer tools", Chrome("DevTools - example.com/"), kNone, kNone, BROWSER_CHROMIUM, Refusal::NotOfItsKind},
        {"a web app", Chrome("Calendar"), kNone, kNone, BROWSER_CHROMIUM, Refusal::NotOfItsKind},
        {"a page naming it", Chrome("Review - Google Chrome vs Edge"), kNone, kNone, BROWSER_CHROMIUM,
         Refusal::NotOfItsKind},
        {"Chrome bearing Edge's name", Chrome("Page - Microsoft Edge"), kNone, kNone, BROWSER_CHROMIUM,
         Refusal::NotOfItsKind},
        {"an Electron program", Chrome("main.cpp - Visual Studio Code", "C:\\VS Code\\Code.exe"), kNone, kNone,
         BROWSER_CHROMIUM, Refusal::OtherProgram},
        {"a notice of no kind", Window("IEFrame", ""), BROWSER_IE, BROWSER_IE, kBrowserTypeCount, Refusal::UnknownType},
    };
    RecogniseAs seen, open, notice;
    seen.shownOnly = true;
    open.openWindow = true;
    for (const Row& row : rows) {
        WindowFacts facts = row.facts;
        EXPECT_EQ(row.seen, Recognise(facts, seen).type) << row.what << ", seen shown";
        EXPECT_EQ(row.open, Recognise(facts, open).type) << row.what << ", open at start";
        notice.announced = row.notice;
        const Recognition answer = Recognise(facts, notice);
        EXPECT_EQ(row.refusal, answer.refusal) << row.what << ", announced as " << row.notice;
        EXPECT_EQ(row.refusal == Refusal::None ? row.notice : -1, answer.type) << row.what;
    }
    // The kinds looked for: a window of another is of no kind, and nothing more is asked of it.
    seen.targets = TargetBit(BROWSER_MOZILLA);
    WindowFacts ie = Window("IEFrame", ""), netscape = Window("MozillaWindowClass", "Page - Netscape 7");
    EXPECT_EQ(Refusal::OfNoKind, Recognise(ie, seen).refusal);
    EXPECT_EQ(Refusal::NotOfItsKind, Recognise(netscape, seen).refusal) << "its class is Mozilla's, its title not";
}

// What it reads, and in which order: the class first (most windows end there), each fact at most
// once however often it is asked.
TEST(Recognise, ReadsWhatItAsksOnceAndTheClassAloneOfMostWindows)
{
    FakeWindowSeam desk;
    CKnownWindows known(desk);
    const FactReader reader{desk, known};
    WindowFacts notepad;
    notepad.window = desk.Add("Notepad", "Page - Google Chrome");
    RecogniseAs seen;
    seen.shownOnly = true;
    EXPECT_EQ(Refusal::OfNoKind, Recognise(notepad, seen, &reader).refusal);
    EXPECT_EQ(WindowFacts::Class, notepad.read) << "its class alone";
    desk.reads.clear();

    WindowFacts chrome;
    chrome.window = desk.Add("Chrome_WidgetWin_1", "Page - Google Chrome", 0x16CF0000);
    desk.windows[chrome.window].image = "C:\\Chrome\\chrome.exe";
    EXPECT_EQ(BROWSER_CHROMIUM, Recognise(chrome, seen, &reader).type);
    RecogniseAs notice;
    notice.announced = BROWSER_CHROMIUM;
    EXPECT_EQ(BROWSER_CHROMIUM, Recognise(chrome, notice, &reader).type) << "decided again on the same facts";
    for (const char* fact : {"class", "identity", "visible", "styles", "program", "cloak", "title"})
        EXPECT_EQ(1, desk.reads[fact]) << fact;
    WindowFacts again;
    again.window = chrome.window;
    Recognise(again, seen, &reader);
    EXPECT_EQ(1, desk.reads["class"]) << "a class is known once a window";
    EXPECT_EQ(1, desk.reads["program"]) << "and its program";
}

}  // namespace
