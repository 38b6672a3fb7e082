#include "capture_breakdown.h"

#include <atomic>
#include <thread>
#include <vector>

#include "capture/capture_state.h"
#include "capture/window_mover.h"
#include "hooklib/hook_protocol.h"
#include "kit/kit.h"
#include "mainwnd/list_controller.h"
#include "program_in_test.h"
#include "stopwatch.h"
#include "win/program_windows.h"
#include "win/window_seam_win.h"

namespace {

// The seam, counting what it is asked and when the first move comes.
class CountingSeam : public WindowSeam {
public:
    explicit CountingSeam(WindowSeam& inner) : m_inner(inner) {}
    void Reset() { m_moved = false; }
    bool Moved() const { return m_moved; }
    LARGE_INTEGER FirstMove() const { return m_firstMove; }
    std::map<std::string, int> calls;

    std::string ClassOf(WindowHandle w) override { Timed t(*this, "class", false); return m_inner.ClassOf(w); }
    std::u16string TitleOf(WindowHandle w, int n) override { Timed t(*this, "title", false); return m_inner.TitleOf(w, n); }
    std::u16string ControlTextOf(WindowHandle w, int n) override { Timed t(*this, "control text", false); return m_inner.ControlTextOf(w, n); }
    bool StylesOf(WindowHandle w, uint32_t& s, uint32_t& e) override { Timed t(*this, "styles", false); return m_inner.StylesOf(w, s, e); }
    std::string ProcessImageOf(WindowHandle w) override { Timed t(*this, "program", false); return m_inner.ProcessImageOf(w); }
    bool IsCloaked(WindowHandle w) override { Timed t(*this, "cloak", false); return m_inner.IsCloaked(w); }
    bool IsLeftButtonHeld() override { Timed t(*this, "mouse button", false); return m_inner.IsLeftButtonHeld(); }
    std::vector<WindowHandle> DescendantsOf(WindowHandle w) override { Timed t(*this, "descendants", false); return m_inner.DescendantsOf(w); }
    WindowIdentity IdentityOf(WindowHandle w) override { Timed t(*this, "identity", false); return m_inner.IdentityOf(w); }
    bool IsAlive(WindowHandle w) override { Timed t(*this, "alive", false); return m_inner.IsAlive(w); }
    bool IsVisible(WindowHandle w) override { Timed t(*this, "visible", false); return m_inner.IsVisible(w); }
    bool IsUnderRelay(WindowHandle w) override { Timed t(*this, "under relay", false); return m_inner.IsUnderRelay(w); }
    bool HasRelay() override { return m_inner.HasRelay(); }
    std::vector<WindowHandle> TopLevelWindows() override { Timed t(*this, "top-level", false); return m_inner.TopLevelWindows(); }
    std::vector<WindowHandle> HiddenWindows() override { Timed t(*this, "hidden", false); return m_inner.HiddenWindows(); }
    bool PlacementOf(WindowHandle w, NormalRect& r, int& c) override { Timed t(*this, "placement", false); return m_inner.PlacementOf(w, r, c); }
    bool Answers(WindowHandle w) override { Timed t(*this, "answers", true); return m_inner.Answers(w); }
    void ProbeAnswer(WindowHandle w, uint32_t c) override { Timed t(*this, "probe", true); return m_inner.ProbeAnswer(w, c); }
    void HideUnderRelay(WindowHandle w) override { Timed t(*this, "hide", true); return m_inner.HideUnderRelay(w); }
    void Release(WindowHandle w) override { Timed t(*this, "release", true); return m_inner.Release(w); }
    void Show(WindowHandle w, int c) override { Timed t(*this, "show", true); return m_inner.Show(w, c); }
    void ReleaseHidden(WindowHandle w) override { Timed t(*this, "release hidden", true); m_inner.ReleaseHidden(w); }
    void ShowAsync(WindowHandle w, int c) override { Timed t(*this, "show, posted", true); return m_inner.ShowAsync(w, c); }
    void BringToTop(WindowHandle w) override { Timed t(*this, "top", true); return m_inner.BringToTop(w); }
    void SetPlacement(WindowHandle w, const NormalRect& r, int c) override { Timed t(*this, "set placement", true); return m_inner.SetPlacement(w, r, c); }
    void PostClose(WindowHandle w) override { Timed t(*this, "close", true); return m_inner.PostClose(w); }

    std::map<std::string, double> milliseconds;

private:
    // Counts a call, and times it; a move's first call marks the decision.
    struct Timed {
        Timed(CountingSeam& seam, const char* what, bool move) : seam(seam), what(what), start(Now())
        {
            if (move && !seam.m_moved) {
                seam.m_moved = true;
                seam.m_firstMove = start;
            }
            ++seam.calls[what];
        }
        ~Timed() { seam.milliseconds[what] += Milliseconds(start, Now()); }
        CountingSeam& seam;
        const char* what;
        LARGE_INTEGER start;
    };
    WindowSeam& m_inner;
    bool m_moved = false;
    LARGE_INTEGER m_firstMove = {};
};

struct NoDisplay : ListDisplay {
    void InsertItem(int, const std::u16string&, WindowHandle, int) override {}
    void DeleteItem(int) override {}
    void SelectItem(int) override {}
    void SetItemText(int, const std::u16string&, bool) override {}
    void SetItemDetail(int, const std::u16string&) override {}
};

struct NoClock : Clock {
    uint32_t Now() override { return GetTickCount(); }
    void WakeAfter(uint32_t) override {}
};

}  // namespace

Breakdown MeasureBreakdown(int windows)
{
    Breakdown result;
    ProgramInTest program(TargetBit(BROWSER_IE));
    if (!program.bound())
        return result;
    Win32WindowSeam win32(g_hRelayWnd);
    CountingSeam seam(win32);
    CSettingsModel settings;
    CWindowMover mover(seam, settings);
    CCaptureState capture(seam, mover, settings);
    NoDisplay display;
    NoClock clock;
    CListController list({display, clock, seam, settings, mover, capture});

    // The browser, driven from a thread of its own, so that this one takes each notice at once.
    std::vector<LARGE_INTEGER> asked(static_cast<size_t>(windows));
    std::atomic<int> opened{-1}, handled{-1};
    std::thread browserThread([&] {
        kit::TestBrowser browser;
        for (int i = 0; i < windows && browser.started(); ++i) {
            asked[static_cast<size_t>(i)] = Now();
            if (!browser.Open("class=IEFrame title=B" + std::to_string(i)))
                break;
            opened = i;
            Spin([&] { return handled >= i; });
            if (i >= 1)  // two windows at most: the watch table is shared
                browser.Command("destroy " + std::to_string(i));
            Sleep(250);
        }
        opened = windows;  // done, or given up
    });

    std::vector<double> toNotice, toDecision, toMoved, total;
    size_t seen = 0;
    const std::map<std::string, int> before = seam.calls;
    while (handled < windows - 1 && opened < windows) {
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
            DispatchMessageW(&msg);
        const std::vector<Note>& notes = program.notes();
        for (; seen < notes.size(); ++seen) {
            if ((notes[seen].code & HN_CODE_MASK) != HN_NEWWINDOW)
                continue;
            const LARGE_INTEGER notice = Now();
            const int i = handled + 1;
            seam.Reset();
            list.OnNewWindow(reinterpret_cast<WindowHandle>(notes[seen].hwnd),
                             static_cast<int>(notes[seen].code & HN_TYPE_MASK));
            const LARGE_INTEGER done = Now();
            toNotice.push_back(Milliseconds(asked[static_cast<size_t>(i)], notice));
            if (seam.Moved()) {
                toDecision.push_back(Milliseconds(notice, seam.FirstMove()));
                toMoved.push_back(Milliseconds(seam.FirstMove(), done));
            }
            total.push_back(Milliseconds(asked[static_cast<size_t>(i)], done));
            handled = i;
        }
        Sleep(0);
    }
    browserThread.join();
    const std::map<std::string, int> after = seam.calls;
    const std::map<std::string, double> spent = seam.milliseconds;
    list.Exit(false);
    result.captures = handled + 1;
    result.openToNotice = Median(toNotice);
    result.noticeToDecision = Median(toDecision);
    result.decisionToMoved = Median(toMoved);
    result.total = Median(total);
    for (const auto& [what, count] : after) {
        const int during = count - (before.count(what) ? before.at(what) : 0);
        if (result.captures > 0 && during > 0) {
            result.callsPerCapture[what] = static_cast<double>(during) / result.captures;
            result.msPerCapture[what] = spent.at(what) / result.captures;
        }
    }
    return result;
}
