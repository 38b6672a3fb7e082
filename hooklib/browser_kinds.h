// What Pelorus knows about each kind of browser, one row a kind: how the hook recognises its main
// window, how the start-up sweep finds one already open, what the program checks before it takes
// one, its own name in a title, its pop-up tell, its icon, its mark, its box and name on the
// settings page. The hook library reads this table too, so it is constant data only: no heap,
// no constructors, nothing but plain C strings and numbers.
#pragma once

#include <cstdint>

#include "app/res/resource.h"
#include "hooklib/hook_protocol.h"

// A condition on a window's title; NONE holds for any title.
struct TitleRule {
    enum Test : uint8_t { None, Equals, Contains, Lacks } test;
    const char* text;
};

// A program of a family of browsers that share one window class: its image name, and its own
// name as its browsing windows carry it at the end of their titles (in each spelling a title may
// reach the program in; unused spellings are null).
struct BrowserProgram {
    const char* image;
    const char* markers[3];
};

// Today's browsers share a class with programs that are no browsers (Electron programs) and with
// windows of their own that are no browsing windows: a program of the family is told by its
// process, a browser frame by its styles (caption and system menu, no tool window, never
// activated without a click), and a browsing window by its title, which carries its program's
// name (a developer-tools window or an installed web app's does not).
struct BrowserFamily {
    uint32_t frameStyle;       // a frame has all of these
    uint32_t notFrameExStyle;  // and none of these
    const BrowserProgram* programs;
    int programCount;
};

struct BrowserKind {
    int type;  // BROWSER_xxx: its notification's type, its icon slot, the place of its mask bit

    // Recognised by its class (or by the class's beginning: the rest is a counter), or (null) by
    // its title alone, and then only where no class of another kind matched first. The hook
    // watches the kinds it can reach in-process; the others are the watcher's alone.
    const char* className;
    bool classIsPrefix;
    bool watchedByHook;
    uint32_t createStyle;     // the style at creation has one of these bits; 0: any style
    TitleRule createTitle;    // a kind known by title: its title at creation
    TitleRule announceTitle;  // kinds that share a class are told apart by the title they have when announced
    TitleRule sweepTitle;     // an open window's title, for the start-up sweep to take it
    bool sweepVisibleOnly;    // ... and whether the sweep takes it only when visible

    // The browser's own name in a title, which the title filter cuts off: the text before the
    // marker is kept, or (keepsAfter) the text after it. A family's programs have their own.
    const char* titleMarker;
    bool keepsAfter;

    // Its main window holds a window of this class; one without it is a pop-up. Null: no tell.
    const char* innerClass;
    bool innerClassIsPrefix;
    const char* iconChildClass;  // without a class icon, the class icon of its first descendant of this class

    const BrowserFamily* family;  // today's browsers that share one class; null for the others

    int settingsBox;  // the check box on the settings page that targets it (shared boxes set together)
    int menuMark;     // the bitmap that marks its windows in the tray menus
    int name;         // the string resource of its name, the label of its box
};

constexpr uint32_t kOverlappedWindowBits = 0x00CF0000;  // WS_OVERLAPPEDWINDOW

constexpr uint32_t kCaptionAndSystemMenu = 0x00C80000;  // WS_CAPTION | WS_SYSMENU
constexpr uint32_t kToolOrNoActivate = 0x08000080;      // WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE

// Edge spells its name with a zero-width space after "Microsoft"; read through a code page that
// lacks the character, the space comes as "?"; older versions have none.
inline constexpr BrowserProgram kChromiumPrograms[] = {
    {"chrome.exe", {" - Google Chrome", nullptr, nullptr}},
    {"msedge.exe", {" - Microsoft\xE2\x80\x8B Edge", " - Microsoft? Edge", " - Microsoft Edge"}},
    {"brave.exe", {" - Brave", nullptr, nullptr}},
    {"vivaldi.exe", {" - Vivaldi", nullptr, nullptr}},
    {"opera.exe", {" - Opera", nullptr, nullptr}},
};
inline constexpr BrowserFamily kChromiumFamily = {kCaptionAndSystemMenu, kToolOrNoActivate, kChromiumPrograms,
                                                  sizeof kChromiumPrograms / sizeof kChromiumPrograms[0]};

// Each row, a line a concern: its type; its recognition (class, a prefix?, the hook's?, style,
// title at creation, title at announcement); the sweep's condition (title, visible only); its
// name in a title (keeping what is before, or after, it); its pop-up tell and icon window; its
// family; its box, mark and name.
// clang-format off
inline constexpr BrowserKind kBrowserKinds[] = {
    {BROWSER_IE,
        "IEFrame", false, true, 0, {}, {},
        {}, false,
        "- Microsoft Internet Explorer", false,
        nullptr, false, nullptr,
        nullptr,
        IDC_BROWSER_IE, IDB_BROWSER_IE, IDS_BROWSER_IE},
    // Netscape 6/7 and Mozilla share a class: the title at announcement tells which.
    {BROWSER_NETSCAPE6,
        "MozillaWindowClass", false, true, kOverlappedWindowBits, {}, {TitleRule::Lacks, "Mozilla"},
        {TitleRule::Contains, "Netscape"}, false,
        "- Netscape 6", false,
        nullptr, false, nullptr,
        nullptr,
        IDC_BROWSER_NETSCAPE6, IDB_BROWSER_NETSCAPE6, IDS_BROWSER_NETSCAPE6},
    {BROWSER_NETSCAPE4,
        nullptr, false, true, 0, {TitleRule::Equals, "Netscape"}, {},
        {TitleRule::Contains, "- Netscape"}, false,
        "- Netscape", false,
        nullptr, false, nullptr,
        nullptr,
        IDC_BROWSER_NETSCAPE4, IDB_BROWSER_NETSCAPE4, IDS_BROWSER_NETSCAPE4},
    {BROWSER_OPERA_OUI,
        "OUIWINDOW", false, true, 0, {}, {},
        {}, false,
        " - ", true,
        "#32770", true, nullptr,
        nullptr,
        IDC_BROWSER_OPERA, IDB_BROWSER_OPERA, IDS_BROWSER_OPERA},
    {BROWSER_MOZILLA,
        "MozillaWindowClass", false, true, kOverlappedWindowBits, {}, {TitleRule::Contains, "Mozilla"},
        {TitleRule::Contains, "- Mozilla"}, false,
        "- Mozilla {", false,
        nullptr, false, nullptr,
        nullptr,
        IDC_BROWSER_MOZILLA, IDB_BROWSER_MOZILLA, IDS_BROWSER_MOZILLA},
    // An invisible one is left to the kinds known by title.
    {BROWSER_OPERA_OP,
        "OpWindow", false, true, 0, {}, {},
        {}, true,
        " - ", true,
        "OUIWINDOW", false, "OUIWINDOW",
        nullptr,
        IDC_BROWSER_OPERA, IDB_BROWSER_OPERA, IDS_BROWSER_OPERA},
    // Today's Chromium browsers: Chrome, Edge, Brave, Vivaldi, Opera. Their processes may refuse
    // the hook, and may be of the other architecture: the watcher alone sees them.
    {BROWSER_CHROMIUM,
        "Chrome_WidgetWin_", true, false, 0, {}, {},
        {}, true,
        nullptr, false,
        nullptr, false, nullptr,
        &kChromiumFamily,
        IDC_BROWSER_CHROMIUM, IDB_BROWSER_CHROMIUM, IDS_BROWSER_CHROMIUM},
};
// clang-format on

constexpr int kBrowserTypeCount = static_cast<int>(sizeof kBrowserKinds / sizeof kBrowserKinds[0]);

constexpr bool RowsStandAtTheirType()
{
    for (int i = 0; i < kBrowserTypeCount; ++i)
        if (kBrowserKinds[i].type != i)
            return false;
    return true;
}
static_assert(RowsStandAtTheirType(), "a kind's row is found by its type");
static_assert(kBrowserTypeCount <= 15, "the type travels in the low four bits of HN_NEWWINDOW");

// The row of TYPE; null for a type no kind has (it may come from anywhere).
constexpr const BrowserKind* KindOf(int type)
{
    return type >= 0 && type < kBrowserTypeCount ? &kBrowserKinds[type] : nullptr;
}

namespace kinds {

constexpr bool Equal(const char* a, const char* b)
{
    while (*a && *a == *b) {
        ++a;
        ++b;
    }
    return *a == *b;
}

constexpr bool Contains(const char* text, const char* part)
{
    for (; *text; ++text) {
        const char* t = text;
        const char* p = part;
        while (*p && *t == *p) {
            ++t;
            ++p;
        }
        if (!*p)
            return true;
    }
    return !*part;
}

constexpr bool Holds(const TitleRule& rule, const char* title)
{
    switch (rule.test) {
    case TitleRule::Equals:
        return Equal(title, rule.text);
    case TitleRule::Contains:
        return Contains(title, rule.text);
    case TitleRule::Lacks:
        return !Contains(title, rule.text);
    default:
        return true;
    }
}

constexpr bool SameClass(const BrowserKind& a, const BrowserKind& b)
{
    return a.className && b.className && Equal(a.className, b.className);
}

// What the hook asks of the table at every top-level window's creation and at every
// announcement, worked out at compile time: the hook's costs stay those of a few comparisons.
struct KindIndex {
    int withClass[kBrowserTypeCount];  // the kinds the hook knows by class, in table order
    int withClassCount;
    int byTitle[kBrowserTypeCount];  // the kinds the hook knows by title alone
    int byTitleCount;
    // The bits of a kind and of every kind that shares its class: any of them makes its windows
    // worth watching until the title settles which kind it is.
    int familyMask[kBrowserTypeCount];
    // Kinds that share a class are watched as the first of them until the window is announced.
    bool provisional[kBrowserTypeCount];
};

constexpr KindIndex MakeKindIndex()
{
    KindIndex index{};
    for (const BrowserKind& kind : kBrowserKinds) {
        if (!kind.watchedByHook)
            ;  // the watcher's alone
        else if (kind.className)
            index.withClass[index.withClassCount++] = kind.type;
        else
            index.byTitle[index.byTitleCount++] = kind.type;
        int first = -1;
        index.familyMask[kind.type] = TargetBit(kind.type);
        for (const BrowserKind& other : kBrowserKinds) {
            if (SameClass(kind, other)) {
                index.familyMask[kind.type] |= TargetBit(other.type);
                if (first < 0)
                    first = other.type;
            }
        }
        index.provisional[kind.type] = kind.announceTitle.test != TitleRule::None && first == kind.type;
    }
    return index;
}

inline constexpr KindIndex kKindIndex = MakeKindIndex();

constexpr int FamilyMask(const BrowserKind& kind)
{
    return kKindIndex.familyMask[kind.type];
}

constexpr bool IsProvisional(const BrowserKind& kind)
{
    return kKindIndex.provisional[kind.type];
}

// The kind a window created with CLASS_NAME and STYLE is: the first whose class and style match.
constexpr const BrowserKind* KindByClass(const char* className, uint32_t style)
{
    for (int i = 0; i < kKindIndex.withClassCount; ++i) {
        const BrowserKind& kind = kBrowserKinds[kKindIndex.withClass[i]];
        if (kind.className[0] == className[0] && Equal(kind.className, className) &&
            (!kind.createStyle || (style & kind.createStyle)))
            return &kind;
    }
    return nullptr;
}

// The kind known by title alone that a window created with TITLE is.
constexpr const BrowserKind* KindByCreationTitle(const char* title)
{
    for (int i = 0; i < kKindIndex.byTitleCount; ++i)
        if (Holds(kBrowserKinds[kKindIndex.byTitle[i]].createTitle, title))
            return &kBrowserKinds[kKindIndex.byTitle[i]];
    return nullptr;
}

// Which of the kinds sharing PROVISIONAL's class a window announced with TITLE is; null for none.
constexpr const BrowserKind* KindAtAnnouncement(const BrowserKind& provisional, const char* title)
{
    for (const BrowserKind& kind : kBrowserKinds)
        if (SameClass(provisional, kind) && Holds(kind.announceTitle, title))
            return &kind;
    return nullptr;
}

}  // namespace kinds
