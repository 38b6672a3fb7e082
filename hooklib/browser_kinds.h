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

struct BrowserKind {
    int type;  // BROWSER_xxx: its notification's type, its icon slot, the place of its mask bit

    // Recognised by its class, or (null) by its title alone, and then only where no class of
    // another kind matched first.
    const char* className;
    uint32_t createStyle;     // the style at creation has one of these bits; 0: any style
    TitleRule createTitle;    // a kind known by title: its title at creation
    TitleRule announceTitle;  // kinds that share a class are told apart by the title they have when announced
    TitleRule sweepTitle;     // an open window's title, for the start-up sweep to take it
    bool sweepVisibleOnly;    // ... and whether the sweep takes it only when visible

    // The browser's own name in a title, which the title filter cuts off: the text before the
    // marker is kept, or (keepsAfter) the text after it.
    const char* titleMarker;
    bool keepsAfter;

    // Its main window holds a window of this class; one without it is a pop-up. Null: no tell.
    const char* innerClass;
    bool innerClassIsPrefix;
    const char* iconChildClass;  // without a class icon, the class icon of its first descendant of this class

    int settingsBox;  // the check box on the settings page that targets it (shared boxes set together)
    int menuMark;     // the bitmap that marks its windows in the tray menus
    int name;         // the string resource of its name, the label of its box
};

constexpr uint32_t kOverlappedWindowBits = 0x00CF0000;  // WS_OVERLAPPEDWINDOW

// Each row, a line a concern: its type; its recognition (class, style, title at creation, title
// at announcement); the sweep's condition (title, visible only); its name in a title (keeping
// what is before, or after, it); its pop-up tell and icon window; its box, mark and name.
// clang-format off
inline constexpr BrowserKind kBrowserKinds[] = {
    {BROWSER_IE,
        "IEFrame", 0, {}, {},
        {}, false,
        "- Microsoft Internet Explorer", false,
        nullptr, false, nullptr,
        IDC_BROWSER_IE, IDB_BROWSER_IE, IDS_BROWSER_IE},
    // Netscape 6/7 and Mozilla share a class: the title at announcement tells which.
    {BROWSER_NETSCAPE6,
        "MozillaWindowClass", kOverlappedWindowBits, {}, {TitleRule::Lacks, "Mozilla"},
        {TitleRule::Contains, "Netscape"}, false,
        "- Netscape 6", false,
        nullptr, false, nullptr,
        IDC_BROWSER_NETSCAPE6, IDB_BROWSER_NETSCAPE6, IDS_BROWSER_NETSCAPE6},
    {BROWSER_NETSCAPE4,
        nullptr, 0, {TitleRule::Equals, "Netscape"}, {},
        {TitleRule::Contains, "- Netscape"}, false,
        "- Netscape", false,
        nullptr, false, nullptr,
        IDC_BROWSER_NETSCAPE4, IDB_BROWSER_NETSCAPE4, IDS_BROWSER_NETSCAPE4},
    {BROWSER_OPERA_OUI,
        "OUIWINDOW", 0, {}, {},
        {}, false,
        " - ", true,
        "#32770", true, nullptr,
        IDC_BROWSER_OPERA, IDB_BROWSER_OPERA, IDS_BROWSER_OPERA},
    {BROWSER_MOZILLA,
        "MozillaWindowClass", kOverlappedWindowBits, {}, {TitleRule::Contains, "Mozilla"},
        {TitleRule::Contains, "- Mozilla"}, false,
        "- Mozilla {", false,
        nullptr, false, nullptr,
        IDC_BROWSER_MOZILLA, IDB_BROWSER_MOZILLA, IDS_BROWSER_MOZILLA},
    // An invisible one is left to the kinds known by title.
    {BROWSER_OPERA_OP,
        "OpWindow", 0, {}, {},
        {}, true,
        " - ", true,
        "OUIWINDOW", false, "OUIWINDOW",
        IDC_BROWSER_OPERA, IDB_BROWSER_OPERA, IDS_BROWSER_OPERA},
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
    int withClass[kBrowserTypeCount];  // the kinds known by class, in table order
    int withClassCount;
    int byTitle[kBrowserTypeCount];  // the kinds known by title alone
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
        if (kind.className)
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
