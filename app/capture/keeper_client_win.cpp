#include "capture/keeper_client.h"

#include <string>

#include "hooklib/hook_protocol.h"
#include "win/program_windows.h"

namespace {

// The keeper answers its WM_CLOSE at once; this bounds the wait should it not.
const UINT kCloseAnswerMs = 5000;

// The keeper whose relay window is g_hRelayWnd, on the main thread alone; the wait's callback
// runs on a pool thread and only posts.
HANDLE s_keeper;
DWORD s_keeperId;
HANDLE s_wait;
// The wParam of the WM_CLOSE the keeper obeys; made once a run.
uint32_t s_closeCookie;

std::wstring KeeperPath()
{
    wchar_t path[MAX_PATH];
    const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
    if (length == 0 || length >= MAX_PATH)
        return {};
    std::wstring dir(path, length);
    return dir.substr(0, dir.find_last_of(L'\\') + 1) + L"" PELORUS_KEEPER_PROGRAM;
}

VOID CALLBACK OnKeeperEnded(PVOID keeperId, BOOLEAN)
{
    PostMessageA(g_hMainWnd, WM_KEEPER_GONE, reinterpret_cast<WPARAM>(keeperId), 0);
}

void StopWatching()
{
    if (s_wait)
        UnregisterWaitEx(s_wait, INVALID_HANDLE_VALUE);  // waits for a callback under way: it only posts
    s_wait = nullptr;
    if (s_keeper)
        CloseHandle(s_keeper);
    s_keeper = nullptr;
    s_keeperId = 0;
}

}  // namespace

bool StartKeeper()
{
    const std::wstring path = KeeperPath();
    if (path.empty())
        return false;
    if (s_closeCookie == 0) {
        LARGE_INTEGER now;
        QueryPerformanceCounter(&now);
        s_closeCookie = static_cast<uint32_t>(now.QuadPart * 2654435761u) ^ GetCurrentProcessId();
        s_closeCookie |= 1;  // never 0, the wParam of anyone else's WM_CLOSE
    }
    KeeperArgs args;
    args.mainWindow = static_cast<uint32_t>(reinterpret_cast<UINT_PTR>(g_hMainWnd));
    args.closeCookie = s_closeCookie;
    args.detach = true;
    const std::string tail = FormatKeeperArgs(args);
    std::wstring commandLine = L"\"" + path + L"\" " + std::wstring(tail.begin(), tail.end());
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_FORCEOFFFEEDBACK;
    PROCESS_INFORMATION process = {};
    if (!CreateProcessW(path.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &process))
        return false;
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);  // it only starts the keeper apart from this process and ends
    return true;
}

bool TakeRelayWindow(WPARAM wParam, LPARAM lParam)
{
    HWND relay = reinterpret_cast<HWND>(lParam);
    if (static_cast<uint32_t>(wParam) != s_closeCookie ||
        (s_keeper && WaitForSingleObject(s_keeper, 0) == WAIT_TIMEOUT))
        return false;  // not from our keeper; or the one whose relay window holds our windows still runs
    if (!relay || relay == g_hRelayWnd || relay != FindWindowA(PELORUS_RELAY_CLASS, PELORUS_RELAY_TITLE))
        return false;
    if (GetWindowLongA(relay, kRelayIndexMainWnd) != static_cast<LONG>(reinterpret_cast<LONG_PTR>(g_hMainWnd)))
        return false;
    DWORD keeperId = 0;
    GetWindowThreadProcessId(relay, &keeperId);
    if (keeperId == 0 || keeperId == GetCurrentProcessId())
        return false;
    HANDLE keeper = OpenProcess(SYNCHRONIZE, FALSE, keeperId);
    if (!keeper)
        return false;
    StopWatching();
    HANDLE wait = nullptr;
    if (!RegisterWaitForSingleObject(&wait, keeper, OnKeeperEnded, reinterpret_cast<PVOID>(UINT_PTR{keeperId}),
                                     INFINITE, WT_EXECUTEONLYONCE)) {
        CloseHandle(keeper);
        return false;
    }
    s_keeper = keeper;
    s_keeperId = keeperId;
    s_wait = wait;
    g_hRelayWnd = relay;
    return true;
}

bool IsHookBound()
{
    HWND relay = g_hRelayWnd;
    return relay && GetWindowLongA(relay, kRelayIndexHook) != 0;
}

bool ForgetEndedKeeper(WPARAM wParam)
{
    if (!s_keeper || wParam != s_keeperId || WaitForSingleObject(s_keeper, 0) != WAIT_OBJECT_0)
        return false;
    StopWatching();
    g_hRelayWnd = nullptr;
    return true;
}

void LetKeeperGo()
{
    StopWatching();  // its end is no longer news
    HWND relay = g_hRelayWnd;
    g_hRelayWnd = nullptr;
    DWORD_PTR result = 0;
    if (relay)
        SendMessageTimeoutA(relay, WM_CLOSE, s_closeCookie, 0, SMTO_ABORTIFHUNG, kCloseAnswerMs, &result);
}
