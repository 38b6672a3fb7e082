#include "capture/window_events_win.h"

#include "win/program_windows.h"

namespace {

// EVENT_OBJECT_LOCATIONCHANGE, between them, comes at every move of every window: each range
// stops short of it.
struct Range {
    DWORD first, last;
};
const Range kRanges[] = {
    {EVENT_OBJECT_CREATE, EVENT_OBJECT_HIDE},  // created, destroyed, shown, hidden
    {EVENT_OBJECT_NAMECHANGE, EVENT_OBJECT_NAMECHANGE},
    {0x8017, 0x8018},  // EVENT_OBJECT_CLOAKED, EVENT_OBJECT_UNCLOAKED
};
HWINEVENTHOOK g_hooks[sizeof kRanges / sizeof kRanges[0]];

// Runs on this thread as it takes its messages: it only posts, so that each event is handled in
// turn with every other notification, never in the middle of one.
void CALLBACK OnWinEvent(HWINEVENTHOOK, DWORD event, HWND window, LONG object, LONG child, DWORD, DWORD)
{
    if (!window || object != OBJID_WINDOW || child != CHILDID_SELF)
        return;
    // Programs make child windows by the dozen, and each creation would bring a look.
    if (event == EVENT_OBJECT_CREATE && GetAncestor(window, GA_PARENT) != GetDesktopWindow())
        return;
    PostMessageW(g_hMainWnd, WM_WINDOW_EVENT, event, reinterpret_cast<LPARAM>(window));
}

}  // namespace

bool StartWindowEvents()
{
    bool any = false;
    for (size_t i = 0; i < sizeof kRanges / sizeof kRanges[0]; ++i) {
        if (!g_hooks[i])
            g_hooks[i] = SetWinEventHook(kRanges[i].first, kRanges[i].last, nullptr, OnWinEvent, 0, 0,
                                         WINEVENT_OUTOFCONTEXT | WINEVENT_SKIPOWNPROCESS);
        any = any || g_hooks[i];
    }
    return any;
}

void StopWindowEvents()
{
    for (HWINEVENTHOOK& hook : g_hooks) {
        if (hook)
            UnhookWinEvent(hook);
        hook = nullptr;
    }
}

bool WindowEventOf(WPARAM wParam, WindowEvent& event)
{
    switch (wParam) {
    case EVENT_OBJECT_CREATE:
        event = WindowEvent::Created;
        return true;
    case EVENT_OBJECT_SHOW:
        event = WindowEvent::Shown;
        return true;
    case EVENT_OBJECT_NAMECHANGE:
        event = WindowEvent::Renamed;
        return true;
    case EVENT_OBJECT_DESTROY:
        event = WindowEvent::Destroyed;
        return true;
    case 0x8017:
        event = WindowEvent::Cloaked;
        return true;
    case 0x8018:
        event = WindowEvent::Uncloaked;
        return true;
    default:
        return false;
    }
}
