#include "capture/keeper_client.h"

#include "capture/relay_acceptance.h"
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

const wchar_t kKeeperProgram[] = L"" PELORUS_KEEPER_PROGRAM;
// Room for this program's folder and the keeper's name after it.
constexpr size_t kKeeperPathSize = MAX_PATH + ARRAYSIZE(kKeeperProgram);

// The keeper beside this program, into PATH; false if this program's path cannot be had.
bool KeeperPath(wchar_t (&path)[kKeeperPathSize])
{
    const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
    if (length == 0 || length >= MAX_PATH)
        return false;
    size_t name = 0;
    for (DWORD i = 0; i < length; ++i)
        if (path[i] == L'\\')
            name = i + 1;
    for (size_t i = 0; i < ARRAYSIZE(kKeeperProgram); ++i)
        path[name + i] = kKeeperProgram[i];
    return true;
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
    wchar_t path[kKeeperPathSize];
    if (!KeeperPath(path))
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
    const KeeperArgsLine tail = FormatKeeperArgs(args);
    // "<path>" <tail>
    wchar_t commandLine[1 + kKeeperPathSize + 2 + sizeof tail.text];
    size_t n = 0;
    commandLine[n++] = L'"';
    for (const wchar_t* c = path; *c; ++c)
        commandLine[n++] = *c;
    commandLine[n++] = L'"';
    commandLine[n++] = L' ';
    for (size_t i = 0; i <= tail.length; ++i)  // the terminator too
        commandLine[n++] = static_cast<wchar_t>(tail.text[i]);
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_FORCEOFFFEEDBACK;
    PROCESS_INFORMATION process = {};
    if (!CreateProcessW(path, commandLine, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &process))
        return false;
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);  // it only starts the keeper apart from this process and ends
    return true;
}

bool TakeRelayWindow(WPARAM wParam, LPARAM lParam)
{
    HWND relay = reinterpret_cast<HWND>(lParam);
    RelayReport report;
    report.cookieMatches = static_cast<uint32_t>(wParam) == s_closeCookie;
    report.heldKeeperRuns = s_keeper && WaitForSingleObject(s_keeper, 0) == WAIT_TIMEOUT;
    report.relay = reinterpret_cast<WindowHandle>(relay);
    report.held = reinterpret_cast<WindowHandle>(g_hRelayWnd.load());
    report.mainWindow = reinterpret_cast<WindowHandle>(g_hMainWnd);
    report.ownProcess = GetCurrentProcessId();
    if (report.cookieMatches && !report.heldKeeperRuns && relay) {
        report.found = reinterpret_cast<WindowHandle>(FindWindowA(PELORUS_RELAY_CLASS, PELORUS_RELAY_TITLE));
        // The extra bytes hold the main window's handle as 32 bits, as the hook reads them.
        report.mainInRelay =
            static_cast<WindowHandle>(static_cast<uint32_t>(GetWindowLongA(relay, kRelayIndexMainWnd)));
        report.mainWindow = static_cast<WindowHandle>(static_cast<uint32_t>(report.mainWindow));
        DWORD process = 0;
        GetWindowThreadProcessId(relay, &process);
        report.relayProcess = process;
    }
    if (RefuseRelay(report) != RelayRefusal::None)
        return false;
    HANDLE keeper = OpenProcess(SYNCHRONIZE, FALSE, report.relayProcess);
    if (!keeper)
        return false;
    StopWatching();
    HANDLE wait = nullptr;
    if (!RegisterWaitForSingleObject(&wait, keeper, OnKeeperEnded,
                                     reinterpret_cast<PVOID>(UINT_PTR{report.relayProcess}), INFINITE,
                                     WT_EXECUTEONLYONCE)) {
        CloseHandle(keeper);
        return false;
    }
    s_keeper = keeper;
    s_keeperId = report.relayProcess;
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
