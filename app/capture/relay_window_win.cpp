#include "capture/relay_window.h"

#include <process.h>

#include <algorithm>
#include <vector>

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
const UINT_PTR kLingerTimer = 1;
const UINT kLingerMs = 250;
// A window asked to close at the program's exit has this long to go before it is given back.
const DWORD kCloseGraceMs = 1500;
const DWORD kReprobeMs = 10000;
const UINT kReleaseAnswerMs = 200;

// Handed to the relay thread: written before the thread starts, read only by it.
SweepList s_swept;
std::atomic<bool> s_ready;
std::atomic<bool> s_bound;
HANDLE s_thread;

// The lingering relay window's children asked whether they answer, on the relay thread alone.
struct Probe {
    HWND child;
    DWORD sentAt;
};
std::vector<Probe> s_probes;
DWORD s_lingeringSince;

HINSTANCE ProgramInstance()
{
    return GetModuleHandleA(nullptr);
}

LONG HandleAsLong(const void* handle)
{
    return static_cast<LONG>(reinterpret_cast<LONG_PTR>(handle));
}

std::vector<HWND> ChildrenOf(HWND relay)
{
    std::vector<HWND> children;
    for (HWND child = GetWindow(relay, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        children.push_back(child);
    return children;
}

void Ready(bool bound)
{
    s_bound = bound;
    s_ready = true;
    PostMessageA(g_hMainWnd, WM_RELAY_READY, 0, 0);
}

// A lingering child answered: it goes back to the desktop.
void CALLBACK OnChildAnswered(HWND child, UINT, ULONG_PTR, LRESULT)
{
    s_probes.erase(std::remove_if(s_probes.begin(), s_probes.end(), [&](const Probe& p) { return p.child == child; }),
                   s_probes.end());
    HWND relay = g_hRelayWnd;
    if (relay && GetAncestor(child, GA_PARENT) == relay)
        SetParent(child, nullptr);
}

// Each child still there after the grace period is asked, without waiting, whether it answers;
// a child is asked once (again only if no answer came for a long time), so that a hung browser
// does not collect a queue of questions.
void ProbeLingeringChildren(HWND relay)
{
    const DWORD now = GetTickCount();
    if (now - s_lingeringSince < kCloseGraceMs)
        return;
    for (HWND child : ChildrenOf(relay)) {
        auto probe = std::find_if(s_probes.begin(), s_probes.end(), [&](const Probe& p) { return p.child == child; });
        if (probe != s_probes.end() && now - probe->sentAt < kReprobeMs)
            continue;
        if (probe == s_probes.end())
            probe = s_probes.insert(s_probes.end(), Probe{child, now});
        probe->sentAt = now;
        SendMessageCallbackA(child, WM_NULL, 0, 0, OnChildAnswered, 0);
    }
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
        WatchWindows(s_swept, g_nTargetBrowser);
        InstallCallWndHook(TRUE);
    }
    // Without the library the program runs on without capture: 0 tells the hook nothing is bound.
    SetWindowLongA(hwnd, kRelayIndexHook, HandleAsLong(g_hCallWndHook));
    Ready(g_hCallWndHook != nullptr);
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
    s_lingeringSince = GetTickCount();
    SetTimer(hwnd, kLingerTimer, kLingerMs, nullptr);
    return true;
}

void OnRelayTimer(HWND hwnd)
{
    if (GetWindow(hwnd, GW_CHILD))
        ProbeLingeringChildren(hwnd);
    else
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
    s_ready = false;
    s_bound = false;
    if (s_thread)
        CloseHandle(s_thread);
    // Set before the thread starts: the thread dispatches only while it is 1, and its first
    // message (HN_STARTUP) must not find it still 0.
    g_bRelayAlive = 1;
    s_thread = reinterpret_cast<HANDLE>(_beginthreadex(nullptr, 0, RelayThreadProc, nullptr, 0, nullptr));
    if (!s_thread)
        Ready(false);
}

bool IsRelayReady()
{
    return s_ready;
}

bool IsHookBound()
{
    return s_bound;
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

// Called from a crash too: nothing allocated.
void ReleaseHiddenWindows()
{
    HWND relay = g_hRelayWnd;
    HWND child = relay ? GetWindow(relay, GW_CHILD) : nullptr;
    while (child) {
        HWND next = GetWindow(child, GW_HWNDNEXT);
        if (WindowAnswers(child, kReleaseAnswerMs))
            SetParent(child, nullptr);
        child = next;
    }
}

unsigned __stdcall RelayThreadProc(void*)
{
    HINSTANCE instance = ProgramInstance();
    HWND relay = CreateWindowExA(WS_EX_TOOLWINDOW, kRelayClass, kRelayTitle, WS_OVERLAPPEDWINDOW, -10, -10, 0, 0,
                                 nullptr, nullptr, instance, nullptr);
    g_hRelayWnd = relay;
    if (!relay) {
        UnregisterClassA(kRelayClass, instance);
        Ready(false);
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
