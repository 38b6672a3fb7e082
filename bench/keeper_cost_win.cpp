// What the keeper costs, and what it buys, side by side with a baseline build whose relay window
// lived in Pelorus.exe (the directory given as the first argument). For each build, alternating
// over the rounds: the start until capture is ready (the relay window shows, its hook bound) and
// until a window opened then is captured; the memory of Pelorus.exe and, apart, of its keeper;
// and Pelorus killed with two windows hidden: how many survive, and how long until they are
// back on the desktop. Prints figures; asserts nothing.
#include <windows.h>
#include <psapi.h>

#include <cstdio>
#include <string>
#include <vector>

#include "kit/kit.h"
#include "pelorus_process.h"
#include "stopwatch.h"

namespace {

constexpr int kRounds = 7;

// Committed private memory and working set, in KiB; zeros for a process that cannot be read.
struct Memory {
    double privateKiB = 0, workingKiB = 0;
};

Memory MemoryOf(DWORD pid)
{
    Memory memory;
    HANDLE process = OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, pid);
    PROCESS_MEMORY_COUNTERS_EX counters = {};
    if (process && GetProcessMemoryInfo(process, reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&counters),
                                        sizeof counters)) {
        memory.privateKiB = static_cast<double>(counters.PagefileUsage) / 1024;  // the commit charge; Wine leaves PrivateUsage 0
        memory.workingKiB = static_cast<double>(counters.WorkingSetSize) / 1024;
    }
    if (process)
        CloseHandle(process);
    return memory;
}

struct Build {
    const char* name;
    std::string program;
    std::vector<double> ready, captured, survived, back;
    std::vector<double> pelorusPrivate, pelorusWorking, keeperPrivate, keeperWorking;
};

void Round(Build& build)
{
    kit::TestBrowser browser;
    kit::ChildProcess pelorus;
    const LARGE_INTEGER start = Now();
    if (!browser.started() || !pelorus.Start(build.program, "", false) ||
        !Spin([] { return RelayWindow() && IsWindowVisible(RelayWindow()); }))
        return;
    build.ready.push_back(Milliseconds(start, Now()));
    HWND a = browser.Open("class=IEFrame title=A");
    if (!a || !Spin([&] { return kit::RemoteListView(GetDlgItem(MainWindowOf(pelorus.Id()), 1003)).Count() == 1; }))
        return;
    build.captured.push_back(Milliseconds(start, Now()));

    HWND b = browser.Open("class=IEFrame title=B"), c = browser.Open("class=IEFrame title=C");
    const HWND relay = RelayWindow();
    if (!Spin([&] { return kit::ParentOf(a) == relay && kit::ParentOf(b) == relay; }))
        return;
    Sleep(300);  // settled, as a user's session would be
    const Memory program = MemoryOf(pelorus.Id());
    build.pelorusPrivate.push_back(program.privateKiB);
    build.pelorusWorking.push_back(program.workingKiB);
    const DWORD keeperId = kit::WindowProcessId(relay);
    if (keeperId != pelorus.Id()) {
        const Memory keeper = MemoryOf(keeperId);
        build.keeperPrivate.push_back(keeper.privateKiB);
        build.keeperWorking.push_back(keeper.workingKiB);
    }

    const LARGE_INTEGER killed = Now();
    pelorus.Kill();
    const bool allBack = Spin([&] { return kit::IsTopLevel(a) && kit::IsTopLevel(b); }, 3000);
    if (allBack)
        build.back.push_back(Milliseconds(killed, Now()));
    build.survived.push_back((IsWindow(a) ? 1 : 0) + (IsWindow(b) ? 1 : 0));
    (void)c;
    Spin([] { return !FindWindowA(PELORUS_RELAY_CLASS, nullptr); });
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: keeper_cost BASELINE_DIRECTORY\n");
        return 2;
    }
    Build builds[] = {{"baseline (relay in Pelorus.exe)", std::string(argv[1]) + "\\Pelorus.exe", {}, {}, {}, {}, {}, {}, {}, {}},
                      {"this build (relay in the keeper)", kit::ProgramDirectory() + "\\Pelorus.exe", {}, {}, {}, {}, {}, {}, {}, {}}};
    DeleteFileA(IniPath().c_str());
    for (int round = 0; round < kRounds; ++round)
        for (Build& build : builds)
            Round(build);
    DeleteFileA(IniPath().c_str());

    std::printf("keeper_cost: medians of %d rounds per build, alternating (%d-bit build)\n", kRounds,
                static_cast<int>(sizeof(void*) * 8));
    std::printf("  %-34s %10s %10s %12s %12s %12s %10s\n", "", "ready ms", "captured", "Pelorus KiB", "keeper KiB",
                "survivors", "back ms");
    for (const Build& b : builds)
        std::printf("  %-34s %10.0f %10.0f %5.0f/%6.0f %5.0f/%6.0f %9.0f/2 %10.0f\n", b.name, Median(b.ready),
                    Median(b.captured), Median(b.pelorusPrivate), Median(b.pelorusWorking), Median(b.keeperPrivate),
                    Median(b.keeperWorking), Median(b.survived), Median(b.back));
    std::printf("  (KiB: committed / working set; -1: nothing measured; survivors: hidden windows alive after a kill)\n");
    return 0;
}
