// How much PelorusLib's hook procedure adds to every message sent to a window. One process sends
// many messages to a window of its own under three conditions, interleaved in rounds so that
// the machine's noise falls on all three alike:
//   none      no hook
//   floor     a hook procedure that only calls CallNextHookEx: the cheapest hook there is. The
//             library's own SpyGetMsgProc is exactly that, so the floor lives in the same DLL
//             and makes the same CallNextHookEx call; Wine, whose hook dispatch costs far more
//             than any procedure, treats hooks in a DLL differently from hooks in the program.
//   PelorusLib SpyCallWndProc, with the relay window present and the library enabled
// Both hooks are installed the same way (for this thread), so they differ only in the procedure.
// Prints the cost per message of each and the ratios. Not a test: it asserts nothing.
#include <windows.h>

#include <cstdio>
#include <vector>

#include "hooklib/hook_protocol.h"
#include "stopwatch.h"

namespace {

constexpr int kMessages = 20000;  // under Wine a hooked message costs tens of microseconds
constexpr int kRounds = 5;

LRESULT CALLBACK QuietWndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message >= WM_USER || message == WM_WINDOWPOSCHANGING || message == WM_GETTEXTLENGTH)
        return 0;
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

HWND MakeWindow(const char* className, const char* title, int extraBytes)
{
    WNDCLASSA wc = {};
    wc.lpfnWndProc = QuietWndProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.cbWndExtra = extraBytes;
    wc.lpszClassName = className;
    RegisterClassA(&wc);
    return CreateWindowExA(0, className, title, WS_OVERLAPPEDWINDOW, 0, 0, 100, 100, nullptr, nullptr, wc.hInstance,
                           nullptr);
}

// Ordinary traffic: mostly messages the hook does not act on, some window-position changes
// (whose flags it must read), none that would enter the watch table.
double NanosecondsPerMessage(HWND target)
{
    WINDOWPOS pos = {};
    pos.hwnd = target;
    pos.flags = SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER;
    LARGE_INTEGER frequency, start, end;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&start);
    for (int i = 0; i < kMessages; ++i) {
        switch (i & 3) {
        case 0:
            SendMessageA(target, WM_WINDOWPOSCHANGING, 0, reinterpret_cast<LPARAM>(&pos));
            break;
        case 1:
            SendMessageA(target, WM_GETTEXTLENGTH, 0, 0);
            break;
        default:
            SendMessageA(target, WM_USER + 1, i, 0);
            break;
        }
    }
    QueryPerformanceCounter(&end);
    return 1e9 * static_cast<double>(end.QuadPart - start.QuadPart) / static_cast<double>(frequency.QuadPart) /
           kMessages;
}

}  // namespace

int main()
{
    HMODULE library = LoadLibraryA("PelorusLib");
    auto procedure = [library](const char* name) {
        return library ? reinterpret_cast<HOOKPROC>(reinterpret_cast<void (*)()>(GetProcAddress(library, name)))
                       : nullptr;
    };
    HOOKPROC spy = procedure("SpyCallWndProc");
    HOOKPROC floorProc = procedure("SpyGetMsgProc");
    auto setTarget = library ? reinterpret_cast<int(WINAPI*)(int, int)>(
                                   reinterpret_cast<void (*)()>(GetProcAddress(library, "Set_TargetBrowser")))
                             : nullptr;
    if (!spy || !floorProc || !setTarget) {
        std::fprintf(stderr, "hook_overhead: PelorusLib.dll or its exports not found\n");
        return 1;
    }

    HWND target = MakeWindow("BenchTarget", "bench", 0);
    HWND main = MakeWindow("BenchMain", "bench main", 0);
    HWND relay = MakeWindow(PELORUS_RELAY_CLASS, PELORUS_RELAY_TITLE, kRelayExtraBytes);
    SetWindowLongA(relay, kRelayIndexMainWnd, static_cast<LONG>(reinterpret_cast<LONG_PTR>(main)));
    setTarget(0, 0);
    setTarget(0x3F, 1);

    std::vector<double> none, floor, pelorus;
    for (int round = 0; round < kRounds; ++round) {
        none.push_back(NanosecondsPerMessage(target));

        HHOOK hook = SetWindowsHookExA(WH_CALLWNDPROC, floorProc, library, GetCurrentThreadId());
        SetWindowLongA(relay, kRelayIndexHook, static_cast<LONG>(reinterpret_cast<LONG_PTR>(hook)));
        floor.push_back(NanosecondsPerMessage(target));
        UnhookWindowsHookEx(hook);

        hook = SetWindowsHookExA(WH_CALLWNDPROC, spy, library, GetCurrentThreadId());
        SetWindowLongA(relay, kRelayIndexHook, static_cast<LONG>(reinterpret_cast<LONG_PTR>(hook)));
        pelorus.push_back(NanosecondsPerMessage(target));
        UnhookWindowsHookEx(hook);
    }
    setTarget(0, 0);

    const double n = Median(none), f = Median(floor), p = Median(pelorus);
    std::printf("hook_overhead: %d messages a run, median of %d interleaved rounds (%d-bit build)\n", kMessages,
                kRounds, static_cast<int>(sizeof(void*) * 8));
    std::printf("  %-12s %9.1f ns/message\n", "none", n);
    std::printf("  %-12s %9.1f ns/message  (%.2fx none)\n", "floor", f, f / n);
    std::printf("  %-12s %9.1f ns/message  (%.2fx none)\n", "PelorusLib", p, p / n);
    std::printf("  PelorusLib / floor = %.3f; per message the procedure adds %.1f ns over the floor's\n", p / f, p - f);
    return 0;
}
