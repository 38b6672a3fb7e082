#include "capture/relay_window.h"

#include <process.h>

#include "capture/hook_binding.h"
#include "settings/settings_model.h"
#include "win/program_windows.h"
#include "win/window_seam_win.h"

std::atomic<LONG> g_bRelayAlive;

namespace {

const char kRelayClass[] = PELORUS_RELAY_CLASS;
const char kRelayTitle[] = PELORUS_RELAY_TITLE;
// A relay window that outlives its program's main window: the hook of a new copy must not
// take it for that copy's.
const char kLingeringTitle[] = "Pelorus2_thread (closing)";
const DWORD kBindWaitMs = 400;
const UINT_PTR kLingerTimer = 1;
const UINT kLingerMs = 250;
const UINT kReleaseAnswerMs = 200;

// Handed to the relay thread: written before the thread starts, read only by it.
SweepList s_swept;
HANDLE s_bound;  // set once the hook is bound, or the thread has given up
HANDLE s_thread;

HINSTANCE ProgramInstance()
{
    return GetModuleHandleA(nullptr);
}

LONG HandleAsLong(const void* handle)
{
    return static_cast<LONG>(reinterpret_cast<LONG_PTR>(handle));
}

// Gives every child of RELAY that answers back to the desktop; true when none is left.
bool ReleaseChildren(HWND relay, UINT answerMs)
{
    HWND child = GetWindow(relay, GW_CHILD);
    while (child) {
        HWND next = GetWindow(child, GW_HWNDNEXT);
        if (WindowAnswers(child, answerMs))
            SetParent(child, nullptr);
        child = next;
    }
    return GetWindow(relay, GW_CHILD) == nullptr;
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
        WatchWindows(s_swept);
        InstallCallWndHook(TRUE);
    }
    // Without the library the program runs on without capture: 0 tells the hook nothing is bound.
    SetWindowLongA(hwnd, kRelayIndexHook, HandleAsLong(g_hCallWndHook));
    // Before showing: showing may wait on the main thread, which waits on this.
    SetEvent(s_bound);
    ShowWindow(hwnd, SW_SHOWNORMAL);  // 0 by 0 off the screen: still invisible
}

// The hook goes at once. The window goes when it holds no window; until then it lingers.
bool OnRelayClose(HWND hwnd)
{
    InstallCallWndHook(FALSE);
    BindHookLibrary(FALSE);
    if (!GetWindow(hwnd, GW_CHILD))
        return false;
    SetWindowTextA(hwnd, kLingeringTitle);
    SetTimer(hwnd, kLingerTimer, kLingerMs, nullptr);
    return true;
}

void OnRelayTimer(HWND hwnd)
{
    if (ReleaseChildren(hwnd, kReleaseAnswerMs))
        DestroyWindow(hwnd);
}

// An overlapped window is raised to the minimum tracking size at creation; the relay window
// must stay 0 by 0, or a strip of caption shows at the top-left of the screen.
void OnRelayGetMinMaxInfo(MINMAXINFO* info)
{
    info->ptMinTrackSize.x = 0;
    info->ptMinTrackSize.y = 0;
}

}  // namespace

void StartRelayWindow(const SweepList& swept)
{
    WNDCLASSA wc = {};
    wc.lpfnWndProc = RelayWndProc;
    wc.cbWndExtra = kRelayExtraBytes;
    wc.hInstance = ProgramInstance();
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    wc.lpszClassName = kRelayClass;
    RegisterClassA(&wc);  // fails harmlessly when the class is still registered

    s_swept = swept;
    if (!s_bound)
        s_bound = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    ResetEvent(s_bound);
    if (s_thread)
        CloseHandle(s_thread);
    // Set before the thread starts: the thread dispatches only while it is 1, and its first
    // message (HN_STARTUP) must not find it still 0.
    g_bRelayAlive = 1;
    s_thread = reinterpret_cast<HANDLE>(_beginthreadex(nullptr, 0, RelayThreadProc, nullptr, 0, nullptr));
    if (!s_thread)
        SetEvent(s_bound);
}

bool WaitForRelayWindow()
{
    if (s_bound)
        WaitForSingleObject(s_bound, kBindWaitMs);
    return g_hRelayWnd != nullptr;
}

void CloseRelayWindow()
{
    if (HWND relay = g_hRelayWnd)
        SendMessageA(relay, WM_CLOSE, 0, 0);
}

void WaitForRelayThread()
{
    if (!s_thread)
        return;
    WaitForSingleObject(s_thread, INFINITE);
    CloseHandle(s_thread);
    s_thread = nullptr;
}

void ReleaseHiddenWindows()
{
    if (HWND relay = g_hRelayWnd)
        ReleaseChildren(relay, kReleaseAnswerMs);
}

unsigned __stdcall RelayThreadProc(void*)
{
    HINSTANCE instance = ProgramInstance();
    HWND relay = CreateWindowExA(WS_EX_TOOLWINDOW, kRelayClass, kRelayTitle, WS_OVERLAPPEDWINDOW, -10, -10, 0, 0,
                                 nullptr, nullptr, instance, nullptr);
    g_hRelayWnd = relay;
    if (!relay) {
        UnregisterClassA(kRelayClass, instance);
        SetEvent(s_bound);
        return 0;
    }
    PostMessageA(relay, WM_HOOK_NOTIFY, HN_STARTUP, 0);

    MSG msg;
    while (IsWindow(relay)) {
        BOOL got = GetMessageA(&msg, relay, 0, 0);
        if (got == 0 || got == -1)
            break;
        if (g_bRelayAlive) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
    }
    UnregisterClassA(kRelayClass, instance);
    g_hRelayWnd = nullptr;
    SetEvent(s_bound);
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
        if (OnRelayClose(hwnd))
            return 0;
        break;
    case WM_TIMER:
        OnRelayTimer(hwnd);
        return 0;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    case WM_NCDESTROY:
        g_bRelayAlive = 0;
        break;
    }
    return DefWindowProcA(hwnd, message, wParam, lParam);
}
