// The hook library's rules over its shared block: which windows are browsers, how each
// watched window moves through its states, and what is posted about it. Free of the platform:
// P supplies the few window queries and the post (the library's own, or a test's fake).
//
// P must provide:
//   uint32_t FindRelay();                                  // the relay window by class and title, or 0
//   uint32_t ReadRelayLong(uint32_t relay, int index);     // its window extra bytes
//   bool IsWindow(uint32_t hwnd);
//   bool IsChild(uint32_t parent, uint32_t hwnd);
//   int  ClassName(uint32_t hwnd, char* buffer, int size); // length read, 0 if none
//   int  WindowText(uint32_t hwnd, char* buffer, int size);
//   bool ReadCreate(uintptr_t lParam, uint32_t& parent, uint32_t& style);  // WM_CREATE's structure
//   bool ShowsWindow(uintptr_t lParam);                    // WM_WINDOWPOSCHANGING shows the window
//   void Post(uint32_t to, uint32_t wParam, uint32_t hwnd);
//
// No allocation, no exceptions, no static state: this runs inside every process on the desktop.
#pragma once

#include <cstdint>
#if defined(_MSC_VER)
#include <intrin.h>
#endif

#include "hook_protocol.h"
#include "shared_block.h"

namespace watch {

constexpr uint32_t kMsgCreate = 0x0001;
constexpr uint32_t kMsgDestroy = 0x0002;
constexpr uint32_t kMsgSetText = 0x000C;
constexpr uint32_t kMsgShowWindow = 0x0018;
constexpr uint32_t kMsgWindowPosChanging = 0x0046;
constexpr uint32_t kOverlappedWindowBits = 0x00CF0000;

// A slot being filled holds this in its window field: in use, yet matching no window, until
// its type and state are written and the window is stored.
constexpr uint32_t kSlotClaimed = 0xFFFFFFFFu;

inline bool CompareExchange(uint32_t* target, uint32_t expected, uint32_t desired)
{
#if defined(_MSC_VER)
    return _InterlockedCompareExchange(reinterpret_cast<volatile long*>(target), static_cast<long>(desired),
                                       static_cast<long>(expected)) == static_cast<long>(expected);
#else
    return __atomic_compare_exchange_n(target, &expected, desired, false, __ATOMIC_SEQ_CST, __ATOMIC_SEQ_CST);
#endif
}

inline void StoreRelease(uint32_t* target, uint32_t value)
{
#if defined(_MSC_VER)
    _InterlockedExchange(reinterpret_cast<volatile long*>(target), static_cast<long>(value));
#else
    __atomic_store_n(target, value, __ATOMIC_RELEASE);
#endif
}

inline bool Equal(const char* a, const char* b)
{
    while (*a && *a == *b) {
        ++a;
        ++b;
    }
    return *a == *b;
}

inline bool Contains(const char* text, const char* part)
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
    return false;
}

inline int FindSlot(const SharedBlock& b, uint32_t hwnd)
{
    for (int i = 0; i < kWatchSlots; ++i)
        if (b.hWatchWnd[i] == hwnd)
            return i;
    return -1;
}

// Add_hWnd_SetText: the lowest free slot, claimed atomically, since threads of many processes
// fill slots at once. No look for the window first: a window added twice holds two slots.
inline int AddWatchWindow(SharedBlock& b, uint32_t hwnd, int type, int state)
{
    for (int i = 0; i < kWatchSlots; ++i) {
        if (b.hWatchWnd[i] == 0 && CompareExchange(&b.hWatchWnd[i], 0, kSlotClaimed)) {
            b.nWatchType[i] = type;
            b.nWatchState[i] = state;
            StoreRelease(&b.hWatchWnd[i], hwnd);
            return 1;
        }
    }
    return 0;
}

// Set_TargetBrowser
template <class P>
int SetTargetBrowser(SharedBlock& b, P&, int mask, int enable)
{
    b.nTargetMask = mask;
    if (b.bEnabled == 0 && enable == 1) {
        for (uint32_t& w : b.hWatchWnd)
            w = 0;
        b.hRelayWnd = 0;
        b.hNotifyWnd = 0;
        b.hHook = 0;
    }
    b.bEnabled = enable;
    return 1;
}

// FindRelayWindow: fills only the handles that are still 0.
template <class P>
void FindRelayWindow(SharedBlock& b, P& p)
{
    if (b.hRelayWnd == 0)
        b.hRelayWnd = p.FindRelay();
    if (b.hRelayWnd == 0)
        return;
    if (b.hHook == 0)
        b.hHook = p.ReadRelayLong(b.hRelayWnd, kRelayIndexHook);
    if (b.hNotifyWnd == 0)
        b.hNotifyWnd = p.ReadRelayLong(b.hRelayWnd, kRelayIndexMainWnd);
}

template <class P>
void Recognize(SharedBlock& b, P& p, uint32_t hwnd, uintptr_t lParam)
{
    uint32_t parent = 0, style = 0;
    if (!p.ReadCreate(lParam, parent, style) || parent != 0)
        return;  // a child, or a window with an owner
    char buffer[512];
    if (p.ClassName(hwnd, buffer, 255) <= 0)
        buffer[0] = '\0';
    const int mask = b.nTargetMask;
    if (Equal(buffer, "IEFrame")) {
        if (mask & TargetBit(BROWSER_IE))
            AddWatchWindow(b, hwnd, BROWSER_IE, WATCH_CREATED);
    } else if (Equal(buffer, "MozillaWindowClass") && (style & kOverlappedWindowBits)) {
        // Netscape 6/7 or Mozilla: which one is settled by the title when it is announced.
        if (mask & (TargetBit(BROWSER_NETSCAPE6) | TargetBit(BROWSER_MOZILLA)))
            AddWatchWindow(b, hwnd, BROWSER_NETSCAPE6, WATCH_CREATED);
    } else if (Equal(buffer, "OUIWINDOW")) {
        if (mask & TargetBit(BROWSER_OPERA_OUI))
            AddWatchWindow(b, hwnd, BROWSER_OPERA_OUI, WATCH_CREATED);
    } else if (Equal(buffer, "OpWindow")) {
        if (mask & TargetBit(BROWSER_OPERA_OP))
            AddWatchWindow(b, hwnd, BROWSER_OPERA_OP, WATCH_CREATED);
    } else {
        if (p.WindowText(hwnd, buffer, 255) <= 0)
            buffer[0] = '\0';
        if (Equal(buffer, "Netscape") && (mask & TargetBit(BROWSER_NETSCAPE4)))
            AddWatchWindow(b, hwnd, BROWSER_NETSCAPE4, WATCH_CREATED);
    }
}

inline void Shown(SharedBlock& b, uint32_t hwnd)
{
    for (int i = 0; i < kWatchSlots; ++i) {
        if (b.hWatchWnd[i] == hwnd && b.nWatchState[i] == WATCH_CREATED) {
            b.nWatchState[i] = WATCH_SHOWN;
            return;
        }
    }
}

template <class P>
void TitleChanged(SharedBlock& b, P& p, uint32_t hwnd)
{
    const int i = FindSlot(b, hwnd);
    if (i < 0)
        return;
    if (b.nWatchState[i] == WATCH_SHOWN) {
        b.nWatchState[i] = WATCH_ANNOUNCED;
        if (b.nWatchType[i] == BROWSER_NETSCAPE6) {
            // The hook runs before the window takes the new text: this is the title it had.
            char title[512];
            if (p.WindowText(hwnd, title, 511) <= 0)
                title[0] = '\0';
            const bool mozilla = Contains(title, "Mozilla");
            const int kind = mozilla ? BROWSER_MOZILLA : BROWSER_NETSCAPE6;
            if (!(b.nTargetMask & TargetBit(kind))) {
                b.hWatchWnd[i] = 0;
                return;
            }
            b.nWatchType[i] = kind;
        }
        p.Post(b.hNotifyWnd, HN_NEWWINDOW | static_cast<uint32_t>(b.nWatchType[i]), hwnd);
    }
    if (b.nWatchState[i] == WATCH_ANNOUNCED)
        p.Post(b.hNotifyWnd, HN_TITLECHANGED, hwnd);
}

template <class P>
void Destroyed(SharedBlock& b, P& p, uint32_t hwnd)
{
    const int i = FindSlot(b, hwnd);
    if (i < 0)
        return;
    p.Post(b.hNotifyWnd, HN_DESTROYED, hwnd);
    b.hWatchWnd[i] = 0;
}

// HandleHookedMessage: runs for every message sent to every window on the desktop, so it stops
// as early as it can. The message filter comes before the relay and window tests (which cost
// calls into the system); only the five messages below can lead to anything, so the
// notifications and their order are the same either way.
template <class P>
void HandleHookedMessage(SharedBlock& b, P& p, uint32_t hwnd, uint32_t message, uintptr_t wParam, uintptr_t lParam)
{
    if (b.bEnabled == 0)
        return;
    switch (message) {
    case kMsgCreate:
    case kMsgDestroy:
    case kMsgSetText:
        break;
    case kMsgShowWindow:
        if (wParam == 0)
            return;
        break;
    case kMsgWindowPosChanging:
        if (!p.ShowsWindow(lParam))
            return;
        break;
    default:
        return;
    }

    if (b.hRelayWnd == 0 || b.hNotifyWnd == 0 || b.hHook == 0) {
        // Also while a handle is missing: the relay window can be found before its extra bytes
        // are written, and a lookup that read 0 then must not be the last.
        FindRelayWindow(b, p);
    } else if (!p.IsWindow(b.hRelayWnd)) {
        // Stale: its program is gone. Forget all three handles, so that a program started
        // again is found afresh instead of never.
        b.hRelayWnd = 0;
        b.hNotifyWnd = 0;
        b.hHook = 0;
        FindRelayWindow(b, p);
    }
    if (b.hNotifyWnd != 0 && hwnd == b.hNotifyWnd && message == kMsgDestroy) {
        b.bEnabled = 0;  // the program's main window is going: silent until enabled again
        return;
    }
    if (b.hRelayWnd == 0 || hwnd == b.hRelayWnd || b.hNotifyWnd == 0 || hwnd == b.hNotifyWnd ||
        p.IsChild(b.hNotifyWnd, hwnd))
        return;

    switch (message) {
    case kMsgCreate:
        Recognize(b, p, hwnd, lParam);
        break;
    case kMsgDestroy:
        Destroyed(b, p, hwnd);
        break;
    case kMsgSetText:
        TitleChanged(b, p, hwnd);
        break;
    default:
        Shown(b, hwnd);
        break;
    }
}

}  // namespace watch
