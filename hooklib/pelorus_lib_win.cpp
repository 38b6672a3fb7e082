// PelorusLib.dll: the Win32 shell around the watch rules. Mapped into every process that has
// windows, so it allocates nothing, throws nothing and never blocks: every platform call here
// is a quick query or a post.
#include <windows.h>

#include "hooklib/watch_rules.h"

#if defined(_MSC_VER)
#pragma data_seg(".shared")
SharedBlock g_block = {};
#pragma data_seg()
#pragma comment(linker, "/SECTION:.shared,RWS")
#else
// Initialised data in its own section, which the linker marks shared.
__attribute__((section(".shared"), shared)) SharedBlock g_block = {};
#endif

namespace {

HWND ToHandle(uint32_t value)
{
    return reinterpret_cast<HWND>(static_cast<UINT_PTR>(value));
}

uint32_t FromHandle(const void* handle)
{
    return static_cast<uint32_t>(reinterpret_cast<UINT_PTR>(handle));
}

struct Win32Platform {
    uint32_t FindRelay() { return FromHandle(FindWindowA(PELORUS_RELAY_CLASS, PELORUS_RELAY_TITLE)); }
    uint32_t ReadRelayLong(uint32_t relay, int index)
    {
        return static_cast<uint32_t>(GetWindowLongA(ToHandle(relay), index));
    }
    bool IsWindow(uint32_t hwnd) { return ::IsWindow(ToHandle(hwnd)) != FALSE; }
    bool IsChild(uint32_t parent, uint32_t hwnd) { return ::IsChild(ToHandle(parent), ToHandle(hwnd)) != FALSE; }
    int ClassName(uint32_t hwnd, char* buffer, int size) { return GetClassNameA(ToHandle(hwnd), buffer, size); }
    int WindowText(uint32_t hwnd, char* buffer, int size) { return GetWindowTextA(ToHandle(hwnd), buffer, size); }
    bool ReadCreate(uintptr_t lParam, uint32_t& parent, uint32_t& style)
    {
        const CREATESTRUCTA* cs = reinterpret_cast<const CREATESTRUCTA*>(lParam);
        if (!cs)
            return false;
        parent = FromHandle(cs->hwndParent);
        style = static_cast<uint32_t>(cs->style);
        return true;
    }
    bool ShowsWindow(uintptr_t lParam)
    {
        const WINDOWPOS* pos = reinterpret_cast<const WINDOWPOS*>(lParam);
        return pos && (pos->flags & SWP_SHOWWINDOW);
    }
    void Post(uint32_t to, uint32_t wParam, uint32_t hwnd)
    {
        PostMessageA(ToHandle(to), WM_HOOK_NOTIFY, wParam, static_cast<LPARAM>(static_cast<LONG>(hwnd)));
    }
};

}  // namespace

extern "C" {

int WINAPI Set_TargetBrowser(int nMask, int nEnable)
{
    Win32Platform platform;
    return watch::SetTargetBrowser(g_block, platform, nMask, nEnable);
}

int WINAPI Add_hWnd_SetText(HWND hWnd, int nType, int nState)
{
    return watch::AddWatchWindow(g_block, FromHandle(hWnd), nType, nState);
}

LRESULT WINAPI SpyCallWndProc(int nCode, WPARAM wParam, LPARAM lParam)
{
    const CWPSTRUCT* message = reinterpret_cast<const CWPSTRUCT*>(lParam);
    if (nCode >= 0 && message && message->hwnd) {
        Win32Platform platform;
        watch::HandleHookedMessage(g_block, platform, FromHandle(message->hwnd), message->message, message->wParam,
                                   static_cast<uintptr_t>(message->lParam));
    }
    return CallNextHookEx(reinterpret_cast<HHOOK>(static_cast<UINT_PTR>(g_block.hHook)), nCode, wParam, lParam);
}

LRESULT WINAPI SpyGetMsgProc(int nCode, WPARAM wParam, LPARAM lParam)
{
    return CallNextHookEx(reinterpret_cast<HHOOK>(static_cast<UINT_PTR>(g_block.hHook)), nCode, wParam, lParam);
}

BOOL WINAPI DllMain(HINSTANCE, DWORD reason, LPVOID)
{
    if (reason == DLL_PROCESS_ATTACH || reason == DLL_THREAD_ATTACH) {
        Win32Platform platform;
        watch::FindRelayWindow(g_block, platform);
    }
    return TRUE;
}

}  // extern "C"
