// A title storm: one captured window retitled 2000 times as fast as its browser can. How long a
// message posted to Pelorus waits behind it (median, worst), side by side with the same with no
// storm; and how long after the storm's end the list shows the last title. Prints figures;
// asserts nothing.
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <thread>
#include <vector>

#include "kit/kit.h"
#include "pelorus_process.h"
#include "stopwatch.h"

namespace {

constexpr int kRetitles = 2000;
constexpr int kQuietSamples = 200;

LRESULT Ask(HWND hwnd, UINT message)
{
    DWORD_PTR result = 0;
    SendMessageTimeoutA(hwnd, message, 0, 0, SMTO_NORMAL, 1000, &result);
    return static_cast<LRESULT>(result);
}

// A posted message's round trip: a column width queued behind whatever Pelorus has to do, then
// read back (a sent message, answered between two posted ones).
double RoundTrip(HWND list, int width)
{
    const LARGE_INTEGER start = Now();
    PostMessageA(list, LVM_SETCOLUMNWIDTH, 0, MAKELPARAM(width, 0));
    const DWORD deadline = GetTickCount() + 600000;
    while (Ask(list, LVM_GETCOLUMNWIDTH) != width && GetTickCount() < deadline)
        Sleep(0);
    return Milliseconds(start, Now());
}

template <class KeepGoing>
std::vector<double> Sample(HWND list, KeepGoing keepGoing)
{
    std::vector<double> times;
    for (int width = 200; keepGoing(times.size()); width = width == 200 ? 201 : 200)
        times.push_back(RoundTrip(list, width));
    return times;
}

void Print(const char* label, std::vector<double> times)
{
    std::sort(times.begin(), times.end());
    std::printf("  %-30s %5zu samples   median %8.2f ms   worst %8.1f ms\n", label, times.size(),
                times.empty() ? 0.0 : times[times.size() / 2], times.empty() ? 0.0 : times.back());
}

}  // namespace

int main()
{
    DeleteFileA(IniPath().c_str());
    kit::ChildProcess pelorus;
    if (!StartPelorus(pelorus, kit::ProgramDirectory() + "\\Pelorus.exe")) {
        std::fprintf(stderr, "title_storm: Pelorus did not start\n");
        return 1;
    }
    HWND list = GetDlgItem(MainWindowOf(pelorus.Id()), 1003);
    kit::TestBrowser browser;
    browser.Open("class=IEFrame title=Storm");
    if (!kit::WaitUntil([&] { return kit::RemoteListView(list).Count() == 1; })) {
        std::fprintf(stderr, "title_storm: the window was not captured\n");
        return 1;
    }

    const std::vector<double> quiet = Sample(list, [](size_t n) { return n < kQuietSamples; });
    std::atomic<bool> stormOver{false};
    LARGE_INTEGER stormEnd = {};
    std::thread storm([&] {
        browser.Command("titles 1 " + std::to_string(kRetitles) + " Storm", 600000);
        stormEnd = Now();
        stormOver = true;
    });
    const std::vector<double> during = Sample(list, [&](size_t) { return !stormOver; });
    storm.join();
    const std::string last = "Storm " + std::to_string(kRetitles);
    double settled = -1;
    if (kit::WaitUntil([&] {
            std::vector<kit::ListItem> items;
            return kit::RemoteListView(list).Read(items) && !items.empty() && items[0].text == last;
        }, 600000))
        settled = Milliseconds(stormEnd, Now());

    std::printf("title_storm: %d retitles of one captured window (%d-bit build)\n", kRetitles,
                static_cast<int>(sizeof(void*) * 8));
    Print("posted round trip, no storm", quiet);
    Print("posted round trip, storm", during);
    std::printf("  the last title is listed %.0f ms after the storm's end\n", settled);
    ClosePelorus(pelorus);
    DeleteFileA(IniPath().c_str());  // the geometry Pelorus wrote at exit: leave the prefix as found
    return 0;
}
