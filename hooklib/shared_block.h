// The hook library's whole state: one block in a section that every process mapping the
// library shares. Each field is one aligned 32-bit value, read and written whole; handles are
// kept as their 32-bit values (window and hook handles fit in 32 bits on 64-bit Windows too).
#pragma once

#include <cstdint>

constexpr int kWatchSlots = 44;

struct SharedBlock {
    uint32_t hRelayWnd;
    uint32_t hNotifyWnd;
    uint32_t hHook;
    uint32_t hWatchWnd[kWatchSlots];  // 0: a free slot
    int32_t nWatchType[kWatchSlots];
    int32_t nWatchState[kWatchSlots];
    int32_t nTargetMask;
    int32_t bEnabled;
};

static_assert(sizeof(SharedBlock) == 4 * (3 + 3 * kWatchSlots + 2), "the block is packed 32-bit fields");
