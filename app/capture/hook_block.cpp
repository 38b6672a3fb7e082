#include "capture/hook_block.h"

bool WatchedInBlock(const SharedBlock& block, WindowHandle window)
{
    const uint32_t value = static_cast<uint32_t>(window);  // as the hook keeps handles
    if (!value)
        return false;  // a free slot holds no window
    for (int i = 0; i < kWatchSlots; ++i)
        if (static_cast<const volatile uint32_t&>(block.hWatchWnd[i]) == value)
            return true;
    return false;
}
