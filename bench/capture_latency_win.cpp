// How long capture takes. (1) From asking a fake browser to open a window (create, show, title:
// the title is what announces it) until Pelorus shows it and has hidden the previous one, over
// 50 windows, side by side with the floor: the same window opened while Pelorus is not running,
// until the browser reports it open. The same for a Chromium-family window, seen by the watcher,
// with the window events Windows raises and with none (Wine raises the creation alone), in
// rounds of 10 taking turns with the hook's, so that a noisy moment falls on all alike. (2) The
// start-up sweep: 32 browser windows already open, from the main window's appearance until all
// are listed, beside the start until it appears. (3) Pelorus's part, taken apart: the capture
// engine's code in this process over the real hook and keeper, timed from the notice to its first
// move and to the moves' end, with its calls to the platform counted. Prints figures; asserts
// nothing.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "capture_breakdown.h"
#include "kit/kit.h"
#include "pelorus_process.h"
#include "stopwatch.h"

namespace {

constexpr int kWindows = 50;
constexpr int kRounds = 5;
constexpr int kSwept = 32;

HWND PelorusList(DWORD pid)
{
    return GetDlgItem(MainWindowOf(pid), 1003);
}

struct Figures {
    double median, worst;
};

Figures Summarize(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return {values[values.size() / 2], values.back()};
}

// Opens COUNT windows one by one; with Pelorus running, waits for each to be shown and the
// one before to be hidden. Pauses between windows so that one capture never waits on the last
// (Pelorus reads a title once it has stood still for 100 ms).
std::string IEWindow(int i)
{
    return "class=IEFrame title=W" + std::to_string(i);
}

std::string ChromeWindow(int i)
{
    return "class=Chrome_WidgetWin_1 \"title=W" + std::to_string(i) + " - Google Chrome\"";
}

void OpenWindows(std::vector<double>& times, int count, bool captured, const kit::BrowserProcess& as = {},
                 std::string (*options)(int) = IEWindow)
{
    kit::TestBrowser browser(as);
    HWND previous = nullptr;
    for (int i = 0; i < count && browser.started(); ++i) {
        const LARGE_INTEGER start = Now();
        HWND window = browser.Open(options(i));
        if (!window)
            break;
        if (captured) {
            const HWND relay = RelayWindow();
            if (!Spin([&] {
                    return GetAncestor(window, GA_PARENT) == GetDesktopWindow() &&
                           (!previous || GetAncestor(previous, GA_PARENT) == relay);
                }))
                break;
        }
        times.push_back(Milliseconds(start, Now()));
        // At most two windows stay open: the hook's watch table has 44 slots.
        if (i >= 1)
            browser.Command("destroy " + std::to_string(i));
        previous = window;
        Sleep(250);
    }
}

}  // namespace

int main()
{
    const std::string pelorusPath = kit::ProgramDirectory() + "\\Pelorus.exe";
    DeleteFileA(IniPath().c_str());

    std::vector<double> floor, capture, chromium, quiet;
    OpenWindows(floor, kWindows, false);
    {
        kit::ChildProcess pelorus;
        if (!pelorus.Start(pelorusPath, "", false) || !Spin([] { return RelayWindow() != nullptr; })) {
            std::fprintf(stderr, "capture_latency: Pelorus did not start\n");
            return 1;
        }
        Sleep(500);
        kit::BrowserProcess chrome, quietChrome;
        chrome.image = quietChrome.image = "chrome.exe";
        chrome.windowEvents = true;
        for (int round = 0; round < kRounds; ++round) {
            OpenWindows(capture, kWindows / kRounds, true);
            OpenWindows(chromium, kWindows / kRounds, true, chrome, ChromeWindow);
            OpenWindows(quiet, kWindows / kRounds, true, quietChrome, ChromeWindow);
        }
        ClosePelorus(pelorus);
    }

    double appeared = -1, listed = -1;
    {
        kit::TestBrowser browser;
        for (int i = 0; i < kSwept; ++i)
            browser.Open("class=IEFrame title=S" + std::to_string(i));
        kit::ChildProcess pelorus;
        const LARGE_INTEGER start = Now();
        LARGE_INTEGER shown = {};
        if (pelorus.Start(pelorusPath, "", false) && Spin([&] { return MainWindowOf(pelorus.Id()) != nullptr; })) {
            shown = Now();
            appeared = Milliseconds(start, shown);
            if (Spin([&] { return kit::RemoteListView(PelorusList(pelorus.Id())).Count() == kSwept; }))
                listed = Milliseconds(shown, Now());
        }
        ClosePelorus(pelorus);
    }

    DeleteFileA(IniPath().c_str());  // the geometry Pelorus wrote at exit: leave the prefix as found
    if (floor.size() < kWindows || capture.size() < kWindows || chromium.size() < kWindows || quiet.size() < kWindows) {
        std::fprintf(stderr, "capture_latency: only %zu, %zu, %zu and %zu of %d windows measured\n", floor.size(),
                     capture.size(), chromium.size(), quiet.size(), kWindows);
        return 1;
    }
    const Figures f = Summarize(floor), c = Summarize(capture), e = Summarize(chromium), q = Summarize(quiet);
    std::printf("capture_latency: %d windows, one at a time (%d-bit build)\n", kWindows,
                static_cast<int>(sizeof(void*) * 8));
    std::printf("  %-34s median %7.1f ms   worst %7.1f ms\n", "opened, Pelorus not running (floor)", f.median, f.worst);
    std::printf("  %-34s median %7.1f ms   worst %7.1f ms\n", "opened and captured by Pelorus", c.median, c.worst);
    std::printf("  capture adds %.1f ms at the median (%.2fx the floor)\n", c.median - f.median, c.median / f.median);
    std::printf("  %-34s median %7.1f ms   worst %7.1f ms   (%.2fx the hook's)\n", "Chromium, watched, with events",
                e.median, e.worst, e.median / c.median);
    std::printf("  %-34s median %7.1f ms   worst %7.1f ms\n", "Chromium, watched, no events", q.median, q.worst);
    std::printf("  start-up with %d open windows: the main window appears %.0f ms after the start,\n", kSwept,
                appeared);
    std::printf("  and all %d are listed %.0f ms after it appears\n", kSwept, listed);

    const Breakdown b = MeasureBreakdown(kWindows / 2);
    std::printf("Pelorus's part, the hook's way, in this process (%d captures, medians):\n", b.captures);
    std::printf("  %-44s %7.2f ms\n", "asked to open, until the notice is here", b.openToNotice);
    std::printf("  %-44s %7.2f ms\n", "the notice, until decided (the first move)", b.noticeToDecision);
    std::printf("  %-44s %7.2f ms\n", "decided, until shown and the last one hidden", b.decisionToMoved);
    std::printf("  %-44s %7.2f ms\n", "in all", b.total);
    std::printf("  calls to the platform per capture:");
    for (const auto& [what, count] : b.callsPerCapture)
        std::printf(" %s %.1f (%.2f ms);", what.c_str(), count, b.msPerCapture.at(what));
    std::printf("\n");
    return 0;
}
