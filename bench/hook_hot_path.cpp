// The hook procedure's rules, run natively so that callgrind can count their instructions (which,
// unlike times under Wine, repeat exactly). Each run measures one case, named on the command line:
//   Floor     a call that does nothing, with the same arguments: the cost of the call itself
//   Nowhere   a message that leads nowhere (WM_MOUSEMOVE to some window)
//   Announce  the WM_SETTEXT that announces a shown browser window (two posts)
//   Create    the WM_CREATE of a top-level window of no browser's class (the title is read)
// bench/hook_hot_path runs it under callgrind and prints the three side by side.
#include <cstdint>
#include <cstring>

#include "hooklib/watch_rules.h"

namespace {

constexpr uint32_t kRelay = 0x10, kMain = 0x20, kHook = 0x30, kBrowser = 0x100;

// The platform as a bound program sees it: the relay window found, every window alive.
struct Platform {
    uint32_t FindRelay() { return kRelay; }
    uint32_t ReadRelayLong(uint32_t, int index) { return index == kRelayIndexHook ? kHook : kMain; }
    bool IsWindow(uint32_t) { return true; }
    bool IsChild(uint32_t, uint32_t) { return false; }
    int ClassName(uint32_t hwnd, char* buffer, int size)
    {
        return Copy(hwnd == kBrowser ? "IEFrame" : "Notepad", buffer, size);
    }
    int WindowText(uint32_t, char* buffer, int size) { return Copy("Page", buffer, size); }
    bool ReadCreate(uintptr_t, uint32_t& parent, uint32_t& style)
    {
        parent = 0;
        style = 0x00CF0000;
        return true;
    }
    bool ShowsWindow(uintptr_t lParam) { return (lParam & 0x0040) != 0; }
    void Post(uint32_t, uint32_t, uint32_t) { ++posted; }

    static int Copy(const char* text, char* buffer, int size)
    {
        const int n = static_cast<int>(std::strlen(text)) < size - 1 ? static_cast<int>(std::strlen(text)) : size - 1;
        std::memcpy(buffer, text, static_cast<size_t>(n));
        buffer[n] = '\0';
        return n;
    }
    volatile int posted = 0;
};

SharedBlock g_block;
Platform g_platform;

}  // namespace

extern "C" {

__attribute__((noipa)) void Floor(uint32_t hwnd, uint32_t message, uintptr_t wParam, uintptr_t lParam)
{
    asm volatile("" ::"r"(hwnd), "r"(message), "r"(wParam), "r"(lParam));
}

__attribute__((noipa)) void Nowhere(uint32_t hwnd, uint32_t message, uintptr_t wParam, uintptr_t lParam)
{
    watch::HandleHookedMessage(g_block, g_platform, hwnd, message, wParam, lParam);
}

__attribute__((noipa)) void Create(uint32_t hwnd, uint32_t message, uintptr_t wParam, uintptr_t lParam)
{
    watch::HandleHookedMessage(g_block, g_platform, hwnd, message, wParam, lParam);
}

__attribute__((noipa)) void Announce(uint32_t hwnd, uint32_t message, uintptr_t wParam, uintptr_t lParam)
{
    watch::HandleHookedMessage(g_block, g_platform, hwnd, message, wParam, lParam);
}

}  // extern "C"

int main(int argc, char** argv)
{
    constexpr int kCalls = 1000;  // bench/hook_hot_path divides by the same number
    const char* which = argc > 1 ? argv[1] : "";
    watch::SetTargetBrowser(g_block, g_platform, TargetBit(BROWSER_IE), 1);
    watch::FindRelayWindow(g_block, g_platform);
    watch::AddWatchWindow(g_block, kBrowser, BROWSER_IE, WATCH_SHOWN);
    for (int i = 0; i < kCalls; ++i) {
        if (std::strcmp(which, "Floor") == 0) {
            Floor(kBrowser + 4, 0x0200, 0, 0);
        } else if (std::strcmp(which, "Nowhere") == 0) {
            Nowhere(kBrowser + 4, 0x0200, 0, 0);
        } else if (std::strcmp(which, "Create") == 0) {
            Create(kBrowser + 8, 0x0001, 0, 0);
        } else if (std::strcmp(which, "Announce") == 0) {
            g_block.nWatchState[0] = WATCH_SHOWN;  // announced afresh each time
            Announce(kBrowser, 0x000C, 0, 0);
        }
    }
    return g_platform.posted == (std::strcmp(which, "Announce") == 0 ? 2 * kCalls : 0) ? 0 : 1;
}
