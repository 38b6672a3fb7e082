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

#include "hooklib/browser_kinds.h"
#include "hooklib/hook_protocol.h"
#include "hooklib/shared_block.h"

namespace watch {

constexpr uint32_t kMsgCreate = 0x0001;
constexpr uint32_t kMsgDestroy = 0x0002;
constexpr uint32_t kMsgSetText = 0x000C;
constexpr uint32_t kMsgShowWindow = 0x0018;
constexpr uint32_t kMsgWindowPosChanging = 0x0046;

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

// A window is watched from its creation: by its class, or, where no kind has its class, by its
// title; a kind whose bit is clear is not watched, and no kind known by title is tried for it.
template <class P>
void Recognize(SharedBlock& b, P& p, uint32_t hwnd, uintptr_t lParam)
{
    uint32_t parent = 0, style = 0;
    if (!p.ReadCreate(lParam, parent, style) || parent != 0)
        return;  // a child, or a window with an owner
    char buffer[512];
    if (p.ClassName(hwnd, buffer, 255) <= 0)
        buffer[0] = '\0';
    const BrowserKind* kind = kinds::KindByClass(buffer, style);
    if (!kind) {
        if (p.WindowText(hwnd, buffer, 255) <= 0)
            buffer[0] = '\0';
        kind = kinds::KindByCreationTitle(buffer);
    }
    // Kinds that share a class are settled when announced: any of their bits will do for now.
    if (kind && (b.nTargetMask & kinds::FamilyMask(*kind)))
        AddWatchWindow(b, hwnd, kind->type, WATCH_CREATED);
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
        const BrowserKind* watched = KindOf(b.nWatchType[i]);  // the block is anyone's to write
        if (watched && kinds::IsProvisional(*watched)) {
            // The hook runs before the window takes the new text: this is the title it had.
            char title[512];
            if (p.WindowText(hwnd, title, 511) <= 0)
                title[0] = '\0';
            const BrowserKind* kind = kinds::KindAtAnnouncement(*watched, title);
            if (!kind || !(b.nTargetMask & TargetBit(kind->type))) {
                b.hWatchWnd[i] = 0;
                return;
            }
            b.nWatchType[i] = kind->type;
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
