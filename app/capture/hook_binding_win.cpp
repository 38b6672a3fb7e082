#include "capture/hook_binding.h"

#include <process.h>

#include "mainwnd/main_dialog.h"
#include "mainwnd/sweep_list.h"
#include "settings/settings_model.h"

HMODULE g_hHookLib;
PFN_SET_TARGET_BROWSER g_pfnSetTargetBrowser;
PFN_ADD_WATCH_WINDOW g_pfnAddWatchWindow;
HHOOK g_hCallWndHook;
HWND volatile g_hRelayWnd;
volatile LONG g_bRelayAlive;

namespace {

const char kRelayClass[] = PELORUS_RELAY_CLASS;
const char kRelayTitle[] = PELORUS_RELAY_TITLE;

HINSTANCE ProgramInstance()
{
    return GetModuleHandleA(nullptr);
}

// GetProcAddress's generic pointer, as the function it names; the cast goes through
// void (*)(), the type meant for such conversions.
template <class Function>
Function ProcAddress(HMODULE module, const char* name)
{
    return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(GetProcAddress(module, name)));
}

LONG HandleAsLong(const void* handle)
{
    return static_cast<LONG>(reinterpret_cast<LONG_PTR>(handle));
}

// The relay window's HN_STARTUP, on the relay thread.
void OnRelayStartup(HWND hwnd)
{
    if (BindHookLibrary(TRUE)) {
        // Disabled first, so that enabling starts from an empty table with no handles whatever
        // the last run left: a run that crashed never disabled the library, and its watch
        // table and dead relay handle would otherwise live on in every browser that maps it.
        g_pfnSetTargetBrowser(0, 0);
        g_pfnSetTargetBrowser(g_nTargetBrowser, 1);
        for (int i = 0; i < g_nFoundCount; ++i) {
            const int type = g_anFoundType[i];
            if (type >= 0 && type < kBrowserTypeCount && (g_nTargetBrowser & TargetBit(type)))
                g_pfnAddWatchWindow(g_ahwndFound[i], type, WATCH_ANNOUNCED);
        }
        InstallCallWndHook(TRUE);
    }
    // Without the library the program runs on without capture: 0 tells the hook nothing is bound.
    SetWindowLongA(hwnd, kRelayIndexHook, HandleAsLong(g_hCallWndHook));
    FreeSweepList();
    ShowWindow(g_hRelayWnd, SW_SHOWNORMAL);  // 0 by 0 off the screen: still invisible
}

void OnRelayClose()
{
    InstallCallWndHook(FALSE);
    BindHookLibrary(FALSE);
}

// An overlapped window is raised to the minimum tracking size at creation; the relay window
// must stay 0 by 0, or a strip of caption shows at the top-left of the screen.
void OnRelayGetMinMaxInfo(MINMAXINFO* info)
{
    info->ptMinTrackSize.x = 0;
    info->ptMinTrackSize.y = 0;
}

}  // namespace

int BindHookLibrary(BOOL bBind)
{
    if (!bBind) {
        if (g_hHookLib) {
            g_pfnSetTargetBrowser = nullptr;
            g_pfnAddWatchWindow = nullptr;
            FreeLibrary(g_hHookLib);
            g_hHookLib = nullptr;
        }
        return 1;
    }
    if (g_hHookLib)
        return 1;
    HMODULE library = LoadLibraryA("PelorusLib");
    if (!library)
        return 0;
    auto addWatch = ProcAddress<PFN_ADD_WATCH_WINDOW>(library, "Add_hWnd_SetText");
    auto setTarget = ProcAddress<PFN_SET_TARGET_BROWSER>(library, "Set_TargetBrowser");
    if (!addWatch || !setTarget) {
        FreeLibrary(library);  // not the library we know: never call through a null pointer
        return 0;
    }
    g_hHookLib = library;
    g_pfnAddWatchWindow = addWatch;
    g_pfnSetTargetBrowser = setTarget;
    return 1;
}

int InstallCallWndHook(BOOL bInstall)
{
    if (!bInstall) {
        if (g_hCallWndHook) {
            UnhookWindowsHookEx(g_hCallWndHook);
            g_hCallWndHook = nullptr;
        }
        return 1;
    }
    if (g_hCallWndHook)
        return 1;
    auto procedure = g_hHookLib ? ProcAddress<HOOKPROC>(g_hHookLib, "SpyCallWndProc") : nullptr;
    if (!procedure)
        return 0;
    g_hCallWndHook = SetWindowsHookExA(WH_CALLWNDPROC, procedure, g_hHookLib, 0);
    return g_hCallWndHook ? 1 : 0;
}

void StartRelayWindow()
{
    WNDCLASSA wc = {};
    wc.lpfnWndProc = RelayWndProc;
    wc.cbWndExtra = kRelayExtraBytes;
    wc.hInstance = ProgramInstance();
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    wc.lpszClassName = kRelayClass;
    RegisterClassA(&wc);  // fails harmlessly when the class is still registered

    // Set before the thread starts: the thread dispatches only while it is 1, and its first
    // message (HN_STARTUP) must not find it still 0.
    g_bRelayAlive = 1;
    uintptr_t thread = _beginthreadex(nullptr, 0, RelayThreadProc, nullptr, 0, nullptr);
    if (thread)
        CloseHandle(reinterpret_cast<HANDLE>(thread));
}

void WaitForRelayWindow()
{
    Sleep(200);
    if (!g_hRelayWnd)
        Sleep(200);
}

void DisableHookLibrary()
{
    if (g_hRelayWnd && g_pfnSetTargetBrowser)
        g_pfnSetTargetBrowser(0, 0);
}

void CloseRelayWindow()
{
    if (g_hRelayWnd)
        SendMessageA(g_hRelayWnd, WM_CLOSE, 0, 0);
}

unsigned __stdcall RelayThreadProc(void*)
{
    HINSTANCE instance = ProgramInstance();
    g_hRelayWnd = CreateWindowExA(WS_EX_TOOLWINDOW, kRelayClass, kRelayTitle, WS_OVERLAPPEDWINDOW, -10, -10, 0, 0,
                                  nullptr, nullptr, instance, nullptr);
    if (!g_hRelayWnd) {
        UnregisterClassA(kRelayClass, instance);
        return 0;
    }
    PostMessageA(g_hRelayWnd, WM_HOOK_NOTIFY, HN_STARTUP, 0);

    MSG msg;
    while (IsWindow(g_hRelayWnd)) {
        BOOL got = GetMessageA(&msg, g_hRelayWnd, 0, 0);
        if (got == 0 || got == -1)
            break;
        if (g_bRelayAlive) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
    }
    UnregisterClassA(kRelayClass, instance);
    g_hRelayWnd = nullptr;
    return 0;
}

LRESULT CALLBACK RelayWndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CREATE:
        SetWindowLongA(hwnd, kRelayIndexMainWnd, HandleAsLong(g_hMainWnd));
        break;
    case WM_GETMINMAXINFO:
        OnRelayGetMinMaxInfo(reinterpret_cast<MINMAXINFO*>(lParam));
        return 0;
    case WM_HOOK_NOTIFY:
        if (wParam == HN_STARTUP)
            OnRelayStartup(hwnd);
        else
            PostMessageA(g_hMainWnd, WM_HOOK_NOTIFY, wParam, lParam);
        break;
    case WM_CLOSE:
        OnRelayClose();
        break;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    case WM_NCDESTROY:
        g_bRelayAlive = 0;
        break;
    }
    return DefWindowProcA(hwnd, message, wParam, lParam);
}
