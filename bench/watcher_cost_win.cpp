// What the watcher costs while nothing happens: Pelorus's processor time (GetProcessTimes) over
// 60 s with 40 unrelated top-level windows open, this build beside the build before the watcher
// (its directory the first argument); and, since Wine counts a process's time in 10 ms steps, the
// watcher's own look over those windows timed here, in this process. Prints figures; asserts
// nothing.
#include <windows.h>

#include <cstdio>
#include <string>

#include "capture/window_watcher.h"
#include "kit/kit.h"
#include "pelorus_process.h"
#include "settings/settings_model.h"
#include "stopwatch.h"
#include "win/program_windows.h"
#include "win/window_seam_win.h"

namespace {

constexpr int kWindows = 40;
constexpr DWORD kIdleMs = 60000;

double Seconds(const FILETIME& t)
{
    return static_cast<double>((static_cast<unsigned long long>(t.dwHighDateTime) << 32) | t.dwLowDateTime) / 1e7;
}

// Processor seconds, user and kernel, of the process.
double ProcessorSeconds(HANDLE process)
{
    FILETIME created, ended, kernel, user;
    return GetProcessTimes(process, &created, &ended, &kernel, &user) ? Seconds(kernel) + Seconds(user) : -1;
}

// Pelorus from DIRECTORY, idle for kIdleMs once started: its processor time over that while.
double IdleCost(const std::string& directory)
{
    kit::ChildProcess pelorus;
    if (!pelorus.Start(directory + "\\Pelorus.exe", "", false) || !kit::WaitUntil([] { return RelayWindow(); }))
        return -1;
    Sleep(2000);  // the start-up's work done
    HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, pelorus.Id());
    const double before = ProcessorSeconds(process);
    Sleep(kIdleMs);
    const double after = ProcessorSeconds(process);
    CloseHandle(process);
    ClosePelorus(pelorus);
    return before < 0 || after < 0 ? -1 : after - before;
}

BOOL CALLBACK CountWindow(HWND, LPARAM count)
{
    ++*reinterpret_cast<int*>(count);
    return TRUE;
}

int EnumTopLevelCount()
{
    int count = 0;
    EnumWindows(CountWindow, reinterpret_cast<LPARAM>(&count));
    return count;
}

// A clock that is always due: each wake is a look.
struct LookClock : Clock {
    uint32_t Now() override { return now += CWindowWatcher::kLookMs; }
    void WakeAfter(uint32_t) override {}
    uint32_t now = 0;
};

struct NoProgram : WatcherHost {
    bool Holds(WindowHandle) override { return false; }
    std::vector<WindowHandle> HeldWindows() override { return {}; }
    void Announce(WindowHandle, int, WindowFacts&) override {}
    void TitleChanged(WindowHandle) override {}
    void Destroyed(WindowHandle) override {}
};

// The median wall time of one look, once every window has been seen.
double LookMicroseconds()
{
    Win32WindowSeam seam(g_hRelayWnd);
    CSettingsModel settings;
    LookClock clock;
    NoProgram host;
    CKnownWindows known(seam);
    CWindowWatcher watcher(seam, known, settings, clock, host);
    watcher.Start();
    watcher.OnWake();  // the first look reads every class
    std::vector<double> times;
    for (int i = 0; i < 200; ++i) {
        const LARGE_INTEGER start = Now();
        watcher.OnWake();
        times.push_back(1000 * Milliseconds(start, Now()));
    }
    return Median(times);
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: watcher_cost BASELINE_DIRECTORY\n");
        return 2;
    }
    DeleteFileA(IniPath().c_str());
    kit::TestBrowser browser;
    for (int i = 0; i < kWindows; ++i)
        browser.Open("class=UnrelatedWindow title=Unrelated" + std::to_string(i));
    const double look = LookMicroseconds();
    const double baseline = IdleCost(argv[1]);
    const double watcher = IdleCost(kit::ProgramDirectory());
    DeleteFileA(IniPath().c_str());
    const double percent = 100.0 * (watcher - baseline) / (kIdleMs / 1000.0);
    std::printf("watcher_cost: Pelorus's processor time over %.0f s, %d unrelated windows open (%d-bit build)\n",
                kIdleMs / 1000.0, kWindows, static_cast<int>(sizeof(void*) * 8));
    std::printf("  %-36s %8.3f s\n", "the build before the watcher", baseline);
    std::printf("  %-36s %8.3f s\n", "this build (the watcher)", watcher);
    std::printf("  the watcher adds %.3f %% of one core (Wine counts in 10 ms steps)\n", percent);
    std::printf("  one look over the %zu top-level windows: %.0f us; one every %u ms: %.3f %% of one core\n",
                static_cast<size_t>(EnumTopLevelCount()), look, CWindowWatcher::kLookMs,
                100.0 * look / 1000.0 / CWindowWatcher::kLookMs);
    return 0;
}
