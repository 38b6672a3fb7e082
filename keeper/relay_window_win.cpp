#include "keeper/relay_window.h"

#include "hooklib/hook_protocol.h"
#include "keeper/keeper_protocol.h"
#include "keeper/release_schedule.h"

namespace {

const UINT_PTR kReleaseTimer = 1;
const UINT kReleaseTickMs = 250;
// A window asked to close at the program's exit has this long to go before it is given back.
const DWORD kCloseGraceMs = 1500;
// At the end of the session each child has this long to answer before it is given back.
const UINT kEndSessionAnswerMs = 200;
// The children given back out of sight that the keeper remembers: the last so many.
const size_t kMaxOutOfSight = 64;

typedef int(WINAPI* PFN_SET_TARGET_BROWSER)(int nMask, int nEnable);

// The keeper's one thread owns all of these.
HWND s_main;
uint32_t s_closeCookie;
HANDLE s_nameLock;
HMODULE s_library;
HHOOK s_hook;
bool s_started;
bool s_closing;
CReleaseSchedule s_schedule;

// A window the program gave back out of sight, and its thread: another window that comes under
// its handle later is not it.
struct OutOfSight {
    uint32_t window;
    DWORD thread;
};
OutOfSight s_outOfSight[kMaxOutOfSight];
size_t s_outOfSightNext;
DWORD s_showOutOfSightAt;
bool s_outOfSightDue;  // to be shown at that time

template <class Function>
Function ProcAddress(HMODULE module, const char* name)
{
    return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(GetProcAddress(module, name)));
}

LONG HandleAsLong(const void* handle)
{
    return static_cast<LONG>(reinterpret_cast<LONG_PTR>(handle));
}

// The first kMaxChildren children, into CHILDREN; how many.
size_t ChildrenOf(HWND relay, uint32_t (&children)[CReleaseSchedule::kMaxChildren])
{
    size_t count = 0;
    for (HWND child = GetWindow(relay, GW_CHILD); child && count < CReleaseSchedule::kMaxChildren;
         child = GetWindow(child, GW_HWNDNEXT))
        children[count++] = static_cast<uint32_t>(reinterpret_cast<UINT_PTR>(child));
    return count;
}

HWND ToHwnd(uint32_t value)
{
    return reinterpret_cast<HWND>(static_cast<UINT_PTR>(value));
}

// The library is loaded here too, so that the hook can be installed from the relay window's
// thread. Without it the program runs on without capture: 0 at index 4 tells it so.
void OnRelayStartup(HWND relay)
{
    s_library = LoadLibraryA("PelorusLib");
    auto procedure = s_library ? ProcAddress<HOOKPROC>(s_library, "SpyCallWndProc") : nullptr;
    if (procedure)
        s_hook = SetWindowsHookExA(WH_CALLWNDPROC, procedure, s_library, 0);
    SetWindowLongA(relay, kRelayIndexHook, HandleAsLong(s_hook));
    // Told before it shows, which marks the end of binding: a window announced once it shows
    // reaches the program after the relay window does.
    PostMessageA(s_main, WM_RELAY_READY, s_closeCookie, reinterpret_cast<LPARAM>(relay));
    // 0 by 0 off the screen: still invisible. Not activated: it would take the activation from
    // the program's window, and with it the keys meant for that window.
    ShowWindow(relay, SW_SHOWNA);
}

void Unhook(bool silence)
{
    if (silence && s_library)
        if (auto setTarget = ProcAddress<PFN_SET_TARGET_BROWSER>(s_library, "Set_TargetBrowser"))
            setTarget(0, 0);
    if (s_hook)
        UnhookWindowsHookEx(s_hook);
    s_hook = nullptr;
    if (s_library)
        FreeLibrary(s_library);
    s_library = nullptr;
}

void OnOutOfSight(HWND relay, HWND window)
{
    if (GetAncestor(window, GA_PARENT) != relay)
        return;
    s_outOfSight[s_outOfSightNext++ % kMaxOutOfSight] = {static_cast<uint32_t>(reinterpret_cast<UINT_PTR>(window)),
                                                          GetWindowThreadProcessId(window, nullptr)};
}

// Those still on the desktop out of sight refused to close, or were never asked: shown, without
// waiting for any of them.
void ShowOutOfSight()
{
    for (OutOfSight& o : s_outOfSight) {
        HWND window = ToHwnd(o.window);
        if (o.window && IsWindow(window) && GetWindowThreadProcessId(window, nullptr) == o.thread &&
            GetAncestor(window, GA_PARENT) == GetDesktopWindow() && !IsWindowVisible(window))
            ShowWindowAsync(window, SW_SHOW);
        o = {};
    }
    s_outOfSightDue = false;
}

// A child answered: it goes back to the desktop.
void CALLBACK OnChildAnswered(HWND child, UINT, ULONG_PTR relay, LRESULT)
{
    s_schedule.Answered(static_cast<uint32_t>(reinterpret_cast<UINT_PTR>(child)));
    if (GetAncestor(child, GA_PARENT) == reinterpret_cast<HWND>(relay))
        SetParent(child, nullptr);
}

// Asks without waiting: a hung browser must not stop the keeper from giving back the others.
void OnReleaseTick(HWND relay)
{
    if (s_outOfSightDue && static_cast<LONG>(GetTickCount() - s_showOutOfSightAt) >= 0)
        ShowOutOfSight();
    uint32_t children[CReleaseSchedule::kMaxChildren];
    const size_t count = ChildrenOf(relay, children);
    if (count == 0 && !s_outOfSightDue) {
        DestroyWindow(relay);
        return;
    }
    const size_t ask = s_schedule.ToAsk(children, count, GetTickCount());
    for (size_t i = 0; i < ask; ++i)
        SendMessageCallbackA(ToHwnd(children[i]), WM_NULL, 0, 0, OnChildAnswered,
                             reinterpret_cast<ULONG_PTR>(relay));
}

// The session ends and this process with it: every child that answers goes back at once.
void ReleaseChildrenNow(HWND relay)
{
    Unhook(false);
    uint32_t children[CReleaseSchedule::kMaxChildren];
    const size_t count = ChildrenOf(relay, children);
    for (size_t i = 0; i < count; ++i) {
        DWORD_PTR result = 0;
        if (SendMessageTimeoutA(ToHwnd(children[i]), WM_NULL, 0, 0, SMTO_BLOCK | SMTO_ABORTIFHUNG,
                                kEndSessionAnswerMs, &result))
            SetParent(ToHwnd(children[i]), nullptr);
    }
}

// An overlapped window is raised to the minimum tracking size at creation; the relay window
// must stay 0 by 0, or a strip of caption shows at the top-left of the screen.
void OnRelayGetMinMaxInfo(MINMAXINFO* info)
{
    info->ptMinTrackSize.x = 0;
    info->ptMinTrackSize.y = 0;
}

LRESULT CALLBACK RelayWndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CREATE:
        SetWindowLongA(hwnd, kRelayIndexMainWnd, HandleAsLong(s_main));
        break;
    case WM_GETMINMAXINFO:
        OnRelayGetMinMaxInfo(reinterpret_cast<MINMAXINFO*>(lParam));
        return 0;
    case WM_HOOK_NOTIFY:
        if (wParam == HN_STARTUP) {
            if (!s_started && !s_closing) {
                s_started = true;
                OnRelayStartup(hwnd);
            }
        } else {
            PostMessageA(s_main, WM_HOOK_NOTIFY, wParam, lParam);
        }
        break;
    case WM_CLOSE:
        // Only the program's own: the default would destroy the window with every child.
        if (static_cast<uint32_t>(wParam) == s_closeCookie)
            CloseRelayWindow(hwnd, false);
        return 0;
    case WM_TIMER:
        if (wParam == kReleaseTimer && s_closing)
            OnReleaseTick(hwnd);
        return 0;
    case WM_RELAY_OUT_OF_SIGHT:
        OnOutOfSight(hwnd, reinterpret_cast<HWND>(wParam));
        return 0;
    case WM_ENDSESSION:
        if (wParam && InSendMessage())  // the system sends it; a posted one is not the session's end
            ReleaseChildrenNow(hwnd);
        return 0;
    case WM_DESTROY:
        Unhook(false);
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

// The relay window changes nothing for the windows it holds: it is per-monitor aware (the
// keeper's manifest), as today's browsers are, and where the system offers it (Windows 10, 1803
// and later) it hosts children of any other awareness as they are. A window keeps the hosting
// behaviour its thread had when it was made; the thread's is put back after.
using SetHostingBehavior = int(WINAPI*)(int);
const int kHostMixed = 1;  // DPI_HOSTING_BEHAVIOR_MIXED

SetHostingBehavior HostingBehaviourSetter()
{
    return ProcAddress<SetHostingBehavior>(GetModuleHandleA("user32.dll"), "SetThreadDpiHostingBehavior");
}

}  // namespace

HWND CreateRelayWindow(HWND main, uint32_t closeCookie, HANDLE nameLock)
{
    HINSTANCE instance = GetModuleHandleA(nullptr);
    WNDCLASSA wc = {};
    wc.lpfnWndProc = RelayWndProc;
    wc.cbWndExtra = kRelayExtraBytes;
    wc.hInstance = instance;
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    wc.lpszClassName = PELORUS_RELAY_CLASS;
    if (!RegisterClassA(&wc))
        return nullptr;
    s_main = main;
    s_closeCookie = closeCookie;
    s_nameLock = nameLock;
    const SetHostingBehavior setHosting = HostingBehaviourSetter();
    const int threadHosting = setHosting ? setHosting(kHostMixed) : 0;
    HWND relay = CreateWindowExA(WS_EX_TOOLWINDOW, PELORUS_RELAY_CLASS, PELORUS_RELAY_TITLE, WS_OVERLAPPEDWINDOW, -10,
                                 -10, 0, 0, nullptr, nullptr, instance, nullptr);
    if (setHosting)
        setHosting(threadHosting);
    if (relay)
        PostMessageA(relay, WM_HOOK_NOTIFY, HN_STARTUP, 0);
    return relay;
}

void CloseRelayWindow(HWND relay, bool ownerGone)
{
    if (s_closing)
        return;
    s_closing = true;
    // Silenced before it is renamed: a new copy enables the library only once its own keeper
    // has reported, and that keeper makes its relay window only once this one is renamed.
    Unhook(ownerGone);
    SetWindowTextA(relay, PELORUS_CLOSING_RELAY_TITLE);
    ReleaseMutex(s_nameLock);
    // A program that ended on its own waited for its windows to close; one that is gone did not:
    // those it gave back to be closed have their moment first.
    s_outOfSightDue = true;
    s_showOutOfSightAt = GetTickCount() + (ownerGone ? kCloseGraceMs : 0);
    if (!ownerGone)
        ShowOutOfSight();
    if (!GetWindow(relay, GW_CHILD) && !s_outOfSightDue) {
        DestroyWindow(relay);
        return;
    }
    s_schedule.Begin(GetTickCount(), ownerGone ? 0 : kCloseGraceMs);
    OnReleaseTick(relay);
    SetTimer(relay, kReleaseTimer, kReleaseTickMs, nullptr);
}
