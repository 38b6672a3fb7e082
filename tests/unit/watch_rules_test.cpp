// The hook's watch rules, driven message by message against a fake desktop.
#include <gtest/gtest.h>

#include <cctype>
#include <ostream>

#include "hooklib/watch_rules.h"
#include "tests/unit/fakes/fake_hook_desktop.h"

namespace {

constexpr uint32_t kOverlapped = 0x00CF0000;
constexpr uint32_t kPopup = 0x80000000;

class WatchRules : public ::testing::Test {
protected:
    // The program as the hook sees it: a main window, a child of it, and the relay window
    // carrying the two handles.
    void StartProgram(int mask)
    {
        main_ = desktop_.Create("#32770", "Pelorus_2");
        mainChild_ = desktop_.Create("SysListView32", "", main_);
        relay_ = desktop_.Create(PELORUS_RELAY_CLASS, PELORUS_RELAY_TITLE);
        desktop_.SetExtra(relay_, kRelayIndexMainWnd, main_);
        desktop_.SetExtra(relay_, kRelayIndexHook, 0xABC0);
        watch::SetTargetBrowser(block_, desktop_, mask, 1);
    }

    void Send(uint32_t hwnd, uint32_t message, uintptr_t wParam = 0, uintptr_t lParam = 0)
    {
        watch::HandleHookedMessage(block_, desktop_, hwnd, message, wParam, lParam);
    }
    uint32_t Create(const std::string& className, const std::string& title = "", uint32_t style = kOverlapped,
                    uint32_t parent = 0)
    {
        uint32_t hwnd = desktop_.Create(className, title, parent);
        FakeCreate create{parent, style};
        Send(hwnd, watch::kMsgCreate, 0, reinterpret_cast<uintptr_t>(&create));
        return hwnd;
    }
    void Show(uint32_t hwnd) { Send(hwnd, watch::kMsgShowWindow, 1); }
    // The hook sees WM_SETTEXT before the window takes the text.
    void SetText(uint32_t hwnd, const std::string& title)
    {
        Send(hwnd, watch::kMsgSetText);
        desktop_.SetTitle(hwnd, title);
    }
    void Destroy(uint32_t hwnd)
    {
        Send(hwnd, watch::kMsgDestroy);
        desktop_.Destroy(hwnd);
    }
    // A browser window's usual start: created, shown, then titled.
    uint32_t Open(const std::string& className, const std::string& title = "Page", uint32_t style = kOverlapped)
    {
        uint32_t hwnd = Create(className, "", style);
        Show(hwnd);
        SetText(hwnd, title);
        return hwnd;
    }

    std::vector<Posted> Announced(uint32_t hwnd, int type) const
    {
        return {{main_, HN_NEWWINDOW | static_cast<uint32_t>(type), hwnd}, {main_, HN_TITLECHANGED, hwnd}};
    }
    int SlotsOf(uint32_t hwnd) const
    {
        int n = 0;
        for (uint32_t w : block_.hWatchWnd)
            n += w == hwnd;
        return n;
    }
    int StateOf(uint32_t hwnd) const { return block_.nWatchState[watch::FindSlot(block_, hwnd)]; }

    SharedBlock block_ = {};
    FakeHookDesktop desktop_;
    uint32_t main_ = 0, mainChild_ = 0, relay_ = 0;
};

// --- Recognition at creation ---

TEST_F(WatchRules, RecognisesEachBrowserByItsClassOrTitle)
{
    StartProgram(0x3F);
    uint32_t ie = Open("IEFrame");
    uint32_t ns6 = Open("MozillaWindowClass", "Netscape 7");
    uint32_t oui = Open("OUIWINDOW");
    uint32_t op = Open("OpWindow");
    uint32_t ns4 = Create("Whatever", "Netscape");
    Show(ns4);
    SetText(ns4, "Netscape - page");

    std::vector<Posted> expected;
    for (auto [hwnd, type] : {std::pair{ie, 0}, {ns6, 1}, {oui, 3}, {op, 5}, {ns4, 2}})
        for (const Posted& p : Announced(hwnd, type))
            expected.push_back(p);
    EXPECT_EQ(expected, desktop_.posted);
}

TEST_F(WatchRules, IgnoresWindowsWithAParentOrOwnerAndUnknownClasses)
{
    StartProgram(0x3F);
    uint32_t owner = desktop_.Create("Owner");
    uint32_t owned = Create("IEFrame", "", kOverlapped, owner);
    uint32_t other = Create("Notepad", "Netscape 4");  // only the exact title "Netscape" counts
    for (uint32_t hwnd : {owned, other}) {
        Show(hwnd);
        SetText(hwnd, "x");
        EXPECT_EQ(0, SlotsOf(hwnd));
    }
    EXPECT_TRUE(desktop_.posted.empty());
}

TEST_F(WatchRules, FirstMatchingClassRuleDecidesEvenWhenItsBitIsClear)
{
    StartProgram(TargetBit(BROWSER_NETSCAPE4));
    // An IEFrame titled "Netscape" stops at the IEFrame rule: not watched as Netscape 4.
    Create("IEFrame", "Netscape");
    // A MozillaWindowClass without overlapped-window bits goes on to the title rule.
    uint32_t moz = Create("MozillaWindowClass", "Netscape", kPopup);
    Show(moz);
    SetText(moz, "x");
    EXPECT_EQ(Announced(moz, BROWSER_NETSCAPE4), desktop_.posted);
}

TEST_F(WatchRules, WatchesOnlyTypesInTheMaskAtCreation)
{
    StartProgram(TargetBit(BROWSER_IE));
    uint32_t op = Open("OpWindow");
    uint32_t oui = Open("OUIWINDOW");
    EXPECT_EQ(0, SlotsOf(op) + SlotsOf(oui));
    EXPECT_TRUE(desktop_.posted.empty());
}

// --- Netscape 6/7 or Mozilla, settled at announcement by the title before the change ---

struct MozillaCase {
    int mask;
    const char* titleBefore;
    int announcedType;  // -1: dropped silently
};

// Printed by its fields when a case fails, not as a dump of its bytes.
void PrintTo(const MozillaCase& c, std::ostream* os)
{
    *os << "{mask 0x" << std::hex << c.mask << std::dec << ", title before \"" << c.titleBefore << "\", announced "
        << c.announcedType << "}";
}

class MozillaKind : public WatchRules, public ::testing::WithParamInterface<MozillaCase> {};

TEST_P(MozillaKind, IsSettledWhenAnnounced)
{
    const MozillaCase c = GetParam();
    StartProgram(c.mask);
    uint32_t hwnd = Create("MozillaWindowClass", c.titleBefore);
    Show(hwnd);
    SetText(hwnd, "the new text is not examined: Mozilla");
    if (c.announcedType < 0) {
        EXPECT_TRUE(desktop_.posted.empty());
        EXPECT_EQ(0, SlotsOf(hwnd));
        SetText(hwnd, "later");
        EXPECT_TRUE(desktop_.posted.empty()) << "nothing more is ever reported";
    } else {
        EXPECT_EQ(Announced(hwnd, c.announcedType), desktop_.posted);
    }
}

INSTANTIATE_TEST_SUITE_P(Masks, MozillaKind,
                         ::testing::Values(MozillaCase{0x02, "Netscape 7", 1}, MozillaCase{0x02, "Mozilla", -1},
                                           MozillaCase{0x10, "Mozilla Firebird", 4},
                                           MozillaCase{0x10, "Netscape 7", -1}, MozillaCase{0x12, "Mozilla", 4},
                                           MozillaCase{0x12, "", 1}, MozillaCase{0x12, "mozilla", 1}),
                         [](const ::testing::TestParamInfo<MozillaCase>& info) {
                             std::string name = "Mask" + std::to_string(info.param.mask) + "Title";
                             for (const char* c = info.param.titleBefore; *c; ++c)
                                 name += std::isalnum(static_cast<unsigned char>(*c)) ? *c : '_';
                             return name;
                         });

TEST_F(WatchRules, MozillaClassIsNotWatchedWithoutEitherBit)
{
    StartProgram(0x3F & ~0x12);
    EXPECT_EQ(0, SlotsOf(Open("MozillaWindowClass", "Mozilla")));
}

// --- The slot states ---

TEST_F(WatchRules, TitleChangesBeforeTheFirstShowingAreNotReported)
{
    StartProgram(0x01);
    uint32_t hwnd = Create("IEFrame");
    SetText(hwnd, "early");
    EXPECT_EQ(WATCH_CREATED, StateOf(hwnd));
    EXPECT_TRUE(desktop_.posted.empty());
    Show(hwnd);
    EXPECT_EQ(WATCH_SHOWN, StateOf(hwnd));
    EXPECT_TRUE(desktop_.posted.empty()) << "showing posts nothing";
    SetText(hwnd, "late");
    EXPECT_EQ(Announced(hwnd, 0), desktop_.posted);
    SetText(hwnd, "later");
    EXPECT_EQ((Posted{main_, HN_TITLECHANGED, hwnd}), desktop_.posted.back());
    EXPECT_EQ(3u, desktop_.posted.size());
}

TEST_F(WatchRules, ShowingCountsOnlyWhenItShows)
{
    StartProgram(0x01);
    uint32_t hwnd = Create("IEFrame");
    Send(hwnd, watch::kMsgShowWindow, 0);                 // hiding
    Send(hwnd, watch::kMsgWindowPosChanging, 0, 0x0001);  // a move
    EXPECT_EQ(WATCH_CREATED, StateOf(hwnd));
    Send(hwnd, watch::kMsgWindowPosChanging, 0, 0x0041);  // SWP_SHOWWINDOW
    EXPECT_EQ(WATCH_SHOWN, StateOf(hwnd));
}

TEST_F(WatchRules, ShowingAgainChangesNothing)
{
    StartProgram(0x01);
    uint32_t hwnd = Open("IEFrame");
    Show(hwnd);
    EXPECT_EQ(WATCH_ANNOUNCED, StateOf(hwnd));
    SetText(hwnd, "again");
    EXPECT_EQ(3u, desktop_.posted.size()) << "announced once only";
}

TEST_F(WatchRules, DestructionIsReportedInAnyStateAndFreesTheSlot)
{
    StartProgram(0x01);
    uint32_t created = Create("IEFrame");
    uint32_t shown = Create("IEFrame");
    Show(shown);
    uint32_t announced = Open("IEFrame");
    desktop_.posted.clear();
    Destroy(created);
    Destroy(shown);
    Destroy(announced);
    EXPECT_EQ((std::vector<Posted>{
                  {main_, HN_DESTROYED, created}, {main_, HN_DESTROYED, shown}, {main_, HN_DESTROYED, announced}}),
              desktop_.posted);
    EXPECT_EQ(0, SlotsOf(created) + SlotsOf(shown) + SlotsOf(announced));
}

TEST_F(WatchRules, WindowsAddedAsAnnouncedReportTitlesButAreNeverAnnounced)
{
    StartProgram(0x01);
    uint32_t hwnd = desktop_.Create("IEFrame", "old");
    EXPECT_EQ(1, watch::AddWatchWindow(block_, hwnd, BROWSER_IE, WATCH_ANNOUNCED));
    Show(hwnd);
    SetText(hwnd, "new");
    EXPECT_EQ((std::vector<Posted>{{main_, HN_TITLECHANGED, hwnd}}), desktop_.posted);
}

// --- The table ---

TEST_F(WatchRules, FullTableDropsNewWindows)
{
    StartProgram(0x01);
    for (int i = 0; i < kWatchSlots; ++i)
        ASSERT_EQ(1, watch::AddWatchWindow(block_, 0x50000 + i, BROWSER_IE, WATCH_ANNOUNCED));
    EXPECT_EQ(0, watch::AddWatchWindow(block_, 0x60000, BROWSER_IE, WATCH_ANNOUNCED));
    uint32_t late = Open("IEFrame");
    EXPECT_EQ(0, SlotsOf(late));
    EXPECT_TRUE(desktop_.posted.empty());
}

TEST_F(WatchRules, FillsTheLowestFreeSlot)
{
    StartProgram(0x01);
    watch::AddWatchWindow(block_, 0x70, 0, 2);
    watch::AddWatchWindow(block_, 0x80, 0, 2);
    watch::AddWatchWindow(block_, 0x90, 0, 2);
    Send(0x80, watch::kMsgDestroy);
    watch::AddWatchWindow(block_, 0xA0, 3, 1);
    EXPECT_EQ(0xA0u, block_.hWatchWnd[1]);
    EXPECT_EQ(3, block_.nWatchType[1]);
    EXPECT_EQ(1, block_.nWatchState[1]);
}

TEST_F(WatchRules, DuplicatesHoldTwoSlotsAndOnlyTheLowestIsUsed)
{
    StartProgram(0x01);
    uint32_t hwnd = desktop_.Create("IEFrame");
    watch::AddWatchWindow(block_, hwnd, BROWSER_IE, WATCH_ANNOUNCED);
    watch::AddWatchWindow(block_, hwnd, BROWSER_IE, WATCH_ANNOUNCED);
    EXPECT_EQ(2, SlotsOf(hwnd));
    SetText(hwnd, "t");
    EXPECT_EQ(1u, desktop_.posted.size());
    Destroy(hwnd);
    EXPECT_EQ(1, SlotsOf(hwnd)) << "destruction frees only the lowest";
}

// --- Enabling and disabling ---

TEST_F(WatchRules, EnablingWhileDisabledEmptiesTheTableAndForgetsHandles)
{
    StartProgram(0x01);
    uint32_t hwnd = Open("IEFrame");
    watch::SetTargetBrowser(block_, desktop_, 0, 0);
    EXPECT_EQ(1, SlotsOf(hwnd));
    watch::SetTargetBrowser(block_, desktop_, 0x01, 1);
    EXPECT_EQ(0, SlotsOf(hwnd));
    EXPECT_EQ(0u, block_.hRelayWnd + block_.hNotifyWnd + block_.hHook);
}

TEST_F(WatchRules, EnablingWhileEnabledOnlyChangesTheMask)
{
    StartProgram(0x01);
    uint32_t hwnd = Open("IEFrame");
    watch::SetTargetBrowser(block_, desktop_, 0x20, 1);
    EXPECT_EQ(1, SlotsOf(hwnd));
    EXPECT_EQ(0x20, block_.nTargetMask);
    desktop_.posted.clear();
    SetText(hwnd, "still watched though its bit is clear");
    EXPECT_EQ((std::vector<Posted>{{main_, HN_TITLECHANGED, hwnd}}), desktop_.posted);
}

TEST_F(WatchRules, DisabledLibraryOnlyPassesMessagesOn)
{
    StartProgram(0x01);
    watch::SetTargetBrowser(block_, desktop_, 0x01, 0);
    desktop_.queries = 0;
    uint32_t hwnd = Open("IEFrame");
    EXPECT_EQ(0, SlotsOf(hwnd));
    EXPECT_EQ(0, desktop_.queries);
}

TEST_F(WatchRules, MainWindowDestructionSilencesTheLibraryUntilEnabledAgain)
{
    StartProgram(0x01);
    uint32_t before = Open("IEFrame");
    desktop_.posted.clear();
    Send(main_, watch::kMsgDestroy);
    EXPECT_EQ(0, block_.bEnabled);
    SetText(before, "x");
    Open("IEFrame");
    watch::SetTargetBrowser(block_, desktop_, 0x3F, 0);  // a mask change without enabling
    Open("IEFrame");
    EXPECT_TRUE(desktop_.posted.empty());

    watch::SetTargetBrowser(block_, desktop_, 0x01, 1);
    uint32_t after = Open("IEFrame");
    EXPECT_EQ(Announced(after, 0), desktop_.posted);
}

// --- The program's own windows and the relay lookup ---

TEST_F(WatchRules, IgnoresTheProgramsOwnWindows)
{
    StartProgram(0x01);
    const uint32_t inside = Create("IEFrame");  // watched when it came, then made one of the main window's
    desktop_.SetParent(inside, main_);
    for (uint32_t hwnd : {inside, mainChild_, relay_, main_}) {
        Show(hwnd);
        SetText(hwnd, "x");
    }
    Send(inside, watch::kMsgDestroy);
    Send(relay_, watch::kMsgDestroy);
    EXPECT_TRUE(desktop_.posted.empty());
    EXPECT_EQ(1, block_.bEnabled) << "only the main window's end silences the library";
}

TEST_F(WatchRules, WithoutARelayWindowNothingIsReportedUntilOneAppears)
{
    watch::SetTargetBrowser(block_, desktop_, 0x01, 1);
    uint32_t early = Open("IEFrame");
    EXPECT_TRUE(desktop_.posted.empty());
    EXPECT_EQ(0u, block_.hRelayWnd);

    main_ = desktop_.Create("#32770", "Pelorus_2");
    relay_ = desktop_.Create(PELORUS_RELAY_CLASS, PELORUS_RELAY_TITLE);
    desktop_.SetExtra(relay_, kRelayIndexMainWnd, main_);
    uint32_t late = Open("IEFrame");
    EXPECT_EQ(relay_, block_.hRelayWnd);
    EXPECT_EQ(main_, block_.hNotifyWnd);
    EXPECT_EQ(Announced(late, 0), desktop_.posted);
    EXPECT_EQ(0, SlotsOf(early)) << "without a relay window not even creation is looked at";
}

TEST_F(WatchRules, RelayLookupNeverReplacesAHandleThatIsSet)
{
    SharedBlock b = {};
    b.hNotifyWnd = 0x1234;
    uint32_t relay = desktop_.Create(PELORUS_RELAY_CLASS, PELORUS_RELAY_TITLE);
    desktop_.SetExtra(relay, kRelayIndexMainWnd, 0x9999);
    desktop_.SetExtra(relay, kRelayIndexHook, 0x7777);
    watch::FindRelayWindow(b, desktop_);
    EXPECT_EQ(relay, b.hRelayWnd);
    EXPECT_EQ(0x1234u, b.hNotifyWnd);
    EXPECT_EQ(0x7777u, b.hHook);
}

TEST_F(WatchRules, RelayFoundBeforeItsHandlesAreWrittenIsReadAgain)
{
    watch::SetTargetBrowser(block_, desktop_, 0x01, 1);
    // The relay window exists but its extra bytes are not written yet.
    relay_ = desktop_.Create(PELORUS_RELAY_CLASS, PELORUS_RELAY_TITLE);
    Open("IEFrame");
    EXPECT_EQ(relay_, block_.hRelayWnd);
    EXPECT_EQ(0u, block_.hNotifyWnd);

    main_ = desktop_.Create("#32770", "Pelorus_2");
    desktop_.SetExtra(relay_, kRelayIndexMainWnd, main_);
    desktop_.SetExtra(relay_, kRelayIndexHook, 0xABC0);
    uint32_t later = Open("IEFrame");
    EXPECT_EQ(main_, block_.hNotifyWnd);
    EXPECT_EQ(0xABC0u, block_.hHook);
    EXPECT_EQ(Announced(later, 0), desktop_.posted);
}

TEST_F(WatchRules, StaleRelayHandleIsReplacedAtTheNextMessage)
{
    StartProgram(0x01);
    uint32_t hwnd = Open("IEFrame");
    desktop_.Destroy(relay_);
    desktop_.Destroy(main_);
    // A new run whose enabling call has not come yet (it arrives after the relay exists).
    main_ = desktop_.Create("#32770", "Pelorus_2");
    relay_ = desktop_.Create(PELORUS_RELAY_CLASS, PELORUS_RELAY_TITLE);
    desktop_.SetExtra(relay_, kRelayIndexMainWnd, main_);
    desktop_.posted.clear();
    SetText(hwnd, "t");
    EXPECT_EQ((std::vector<Posted>{{main_, HN_TITLECHANGED, hwnd}}), desktop_.posted);
}

TEST_F(WatchRules, UninterestingMessagesCostNoSystemCalls)
{
    StartProgram(0x01);
    uint32_t hwnd = Open("IEFrame");
    desktop_.queries = 0;
    for (uint32_t message : {0x000Fu, 0x0084u, 0x0200u, 0x0046u})
        Send(hwnd, message, 0, 0);
    EXPECT_EQ(0, desktop_.queries);
}

}  // namespace
