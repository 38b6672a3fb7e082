#include "program_in_test.h"

#include <gtest/gtest.h>

#include "capture/hook_binding.h"
#include "capture/keeper_client.h"
#include "kit/kit.h"
#include "win/program_windows.h"

namespace {

std::vector<Note> g_notes;

LRESULT CALLBACK RecordingWndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_HOOK_NOTIFY) {
        g_notes.push_back({static_cast<unsigned>(wParam), reinterpret_cast<HWND>(lParam)});
        return 0;
    }
    if (message == WM_RELAY_READY) {
        TakeRelayWindow(wParam, lParam);
        return 0;
    }
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

}  // namespace

ProgramInTest::ProgramInTest(int mask, const std::vector<std::pair<HWND, int>>& swept)
{
    WNDCLASSA wc = {};
    wc.lpfnWndProc = RecordingWndProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "ProgramInTestMain";
    RegisterClassA(&wc);
    m_main = CreateWindowExA(0, wc.lpszClassName, "Program in test", WS_OVERLAPPEDWINDOW, 0, 0, 200, 100, nullptr,
                             nullptr, wc.hInstance, nullptr);
    if (!m_main) {
        ADD_FAILURE() << "cannot create the main window";
        return;
    }
    g_hMainWnd = m_main;
    SweepList list;
    for (const auto& [hwnd, type] : swept)
        list.Add(reinterpret_cast<WindowHandle>(hwnd), type);
    // As the program does: the library enabled once the keeper has bound the hook.
    BindHookLibrary(TRUE);
    StartKeeper();
    m_bound = kit::WaitUntil([] { return g_hRelayWnd && IsHookBound(); }) && EnableHookLibrary(list, mask);
    if (!m_bound)
        ADD_FAILURE() << "the hook was not bound";
}

ProgramInTest::~ProgramInTest()
{
    Unbind();
    if (m_main)
        DestroyWindow(m_main);
    g_hMainWnd = nullptr;
}

void ProgramInTest::Unbind()
{
    DisableHookLibrary();
    HWND relay = g_hRelayWnd;
    LetKeeperGo();
    kit::WaitUntil([&] { return !IsWindow(relay); });
    BindHookLibrary(FALSE);
}

const std::vector<Note>& ProgramInTest::notes() const
{
    return g_notes;
}

std::vector<Note> ProgramInTest::NotesFor(HWND hwnd) const
{
    std::vector<Note> mine;
    for (const Note& n : g_notes)
        if (n.hwnd == hwnd)
            mine.push_back(n);
    return mine;
}

bool ProgramInTest::WaitForNotes(HWND hwnd, const std::vector<Note>& expected) const
{
    // Waits until there are as many as expected (any more would show in the comparison).
    kit::WaitUntil([&] { return NotesFor(hwnd).size() >= expected.size(); });
    return NotesFor(hwnd) == expected;
}
