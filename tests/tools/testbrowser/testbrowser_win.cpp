// testbrowser.exe: a scriptable fake browser for the end-to-end tests. Each instance is its own
// process with its own windows, so the tests drive real windows through the real hook.
//
//   testbrowser.exe [--stdin] [--winevents] [COMMAND ...]
//
// With --winevents its windows raise the window events Windows raises for them (created, shown,
// hidden, renamed, destroyed), which Wine does not raise itself. Every other argument is a
// command, run in order at start. With --stdin it then reads one command a
// line from standard input and answers each with one line ("ok ..." or "error ..."); it ends at
// "quit" or at the end of its input. Without --stdin it ends when its last window is gone.
// The commands are listed in Usage() below.
#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <string>
#include <vector>

#include "command.h"

namespace {

using testbrowser::OpenOptions;

const char kControlClass[] = "TestBrowserControl";
const char kAddressBarClass[] = "TestBrowserAddressBar";
const UINT WM_TB_COMMAND = WM_APP + 1;  // wParam: std::string* reply, lParam: const std::string* line
const UINT WM_TB_INPUT_ENDED = WM_APP + 2;
const UINT WM_TB_HANG = WM_APP + 3;

const char kUsage[] =
    "commands: open [class=C] [title=T] [createtitle=T] [titlefirst] [utf8] [closebyroot] [style=S] [exstyle=S] "
    "[owner=N|parent=N] [url=U] [child=CLASS]... [icon=on|off] [childicon=on|off] "
    "[show=normal|hidden|min|max] [rect=x,y,w,h] | title N TEXT | show|hide|minimize|maximize|restore N "
    "| titles N COUNT TEXT | close N | destroy N | refuse N on|off | closes N | showings N | hwnd N "
    "| classicon N frame|CHILDCLASS | listview N [select=K] [data=..] ITEM... | cloak N on|off "
    "| hang | unhang | ping | quit";

struct BrowserWindow {
    HWND hwnd = nullptr;
    HWND list = nullptr;  // a list view filling the client area, if one was made
    bool refuseClose = false;
    int closesReceived = 0;
    bool closeByRoot = false;
    bool rootAsked = false;  // its WM_CLOSE passed on to its root
    int showings = 0;        // how often it came into sight on the desktop
    bool onDesktop = false;
    bool utf8 = false;  // its titles are UTF-8
};

HINSTANCE g_hInstance;
HWND g_hControl;
bool g_bPipeMode;
bool g_bRaiseEvents;  // --winevents

void Raise(DWORD event, HWND hwnd)
{
    NotifyWinEvent(event, hwnd, OBJID_WINDOW, CHILDID_SELF);
}

// TEXT as the window's title: bytes of the code page, or UTF-8 set as Unicode.
void SetTitle(HWND hwnd, const std::string& text, bool utf8)
{
    if (!utf8) {
        SetWindowTextA(hwnd, text.c_str());
        return;
    }
    std::wstring wide(text.size() + 1, L'\0');
    const int n = MultiByteToWideChar(CP_UTF8, 0, text.c_str(), -1, &wide[0], static_cast<int>(wide.size()));
    wide.resize(n > 0 ? static_cast<size_t>(n) : 1);
    SetWindowTextW(hwnd, wide.c_str());
}
// "hang" stops the window thread (and with it every window) until "unhang" or "quit".
HANDLE g_hHung;
HANDLE g_hUnhang;
std::vector<BrowserWindow> g_windows;  // window number N is g_windows[N - 1]

std::string HandleText(HWND hwnd)
{
    char text[32];
    std::snprintf(text, sizeof text, "0x%llx", static_cast<unsigned long long>(reinterpret_cast<UINT_PTR>(hwnd)));
    return text;
}

BrowserWindow* FindByHandle(HWND hwnd)
{
    for (BrowserWindow& w : g_windows)
        if (w.hwnd == hwnd)
            return &w;
    return nullptr;
}

bool AnyWindowAlive()
{
    for (const BrowserWindow& w : g_windows)
        if (w.hwnd)
            return true;
    return false;
}

LRESULT CALLBACK BrowserWndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    BrowserWindow* self = FindByHandle(hwnd);
    if (g_bRaiseEvents && !(GetWindowLongA(hwnd, GWL_STYLE) & WS_CHILD)) {  // as Windows raises them
        if (message == WM_SETTEXT || message == WM_SHOWWINDOW) {
            const LRESULT result = DefWindowProcW(hwnd, message, wParam, lParam);
            Raise(message == WM_SETTEXT ? EVENT_OBJECT_NAMECHANGE
                  : wParam              ? EVENT_OBJECT_SHOW
                                        : EVENT_OBJECT_HIDE,
                  hwnd);
            return result;
        }
        if (message == WM_CREATE)
            Raise(EVENT_OBJECT_CREATE, hwnd);
        else if (message == WM_DESTROY)
            Raise(EVENT_OBJECT_DESTROY, hwnd);
    }
    switch (message) {
    case WM_CLOSE:
        if (self) {
            ++self->closesReceived;
            if (self->refuseClose)
                return 0;
            if (self->closeByRoot && !self->rootAsked) {
                self->rootAsked = true;
                PostMessageW(GetAncestor(hwnd, GA_ROOT), WM_CLOSE, 0, 0);
                return 0;
            }
        }
        break;
    case WM_WINDOWPOSCHANGED:
        if (self) {
            const bool onDesktop = IsWindowVisible(hwnd) && GetAncestor(hwnd, GA_PARENT) == GetDesktopWindow();
            self->showings += onDesktop && !self->onDesktop;
            self->onDesktop = onDesktop;
        }
        break;
    case WM_SIZE:
        if (self && self->list)
            MoveWindow(self->list, 0, 0, LOWORD(lParam), HIWORD(lParam), TRUE);
        break;
    case WM_NCDESTROY:
        if (self) {
            self->hwnd = nullptr;
            self->list = nullptr;
            if (!g_bPipeMode && !AnyWindowAlive())
                PostQuitMessage(0);
        }
        break;
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

// Registers CLASS_NAME once per process; the first registration decides its icon. Its windows
// hold their titles in UTF-16, as every browser's do.
bool EnsureClass(const std::string& className, bool withIcon)
{
    WNDCLASSEXA existing = {};
    existing.cbSize = sizeof existing;
    if (GetClassInfoExA(g_hInstance, className.c_str(), &existing) ||
        GetClassInfoExA(nullptr, className.c_str(), &existing))
        return true;
    wchar_t name[256] = L"";
    MultiByteToWideChar(CP_ACP, 0, className.c_str(), -1, name, 256);
    WNDCLASSEXW wc = {};
    wc.cbSize = sizeof wc;
    wc.style = CS_HREDRAW | CS_VREDRAW;
    wc.lpfnWndProc = BrowserWndProc;
    wc.hInstance = g_hInstance;
    wc.hIcon = withIcon ? LoadIcon(nullptr, IDI_APPLICATION) : nullptr;
    wc.hIconSm = nullptr;
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    wc.lpszClassName = name;
    return RegisterClassExW(&wc) != 0;
}

BrowserWindow* WindowByNumber(const std::string& word, std::string& reply)
{
    int number = 0;
    if (!testbrowser::ParseWindowNumber(word, number) || number > static_cast<int>(g_windows.size()) ||
        !g_windows[number - 1].hwnd) {
        reply = "error no live window " + word;
        return nullptr;
    }
    return &g_windows[number - 1];
}

void CreateDescendants(HWND frame, const OpenOptions& options)
{
    if (options.hasUrlEdit && EnsureClass(kAddressBarClass, false)) {
        HWND bar = CreateWindowExA(0, kAddressBarClass, "", WS_CHILD | WS_VISIBLE, 0, 0, 400, 24, frame, nullptr,
                                   g_hInstance, nullptr);
        CreateWindowExA(0, "Edit", options.url.c_str(), WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL, 2, 2, 396, 20, bar,
                        nullptr, g_hInstance, nullptr);
    }
    for (const std::string& childClass : options.childClasses) {
        if (EnsureClass(childClass, options.childIcon))
            CreateWindowExA(0, childClass.c_str(), "", WS_CHILD | WS_VISIBLE, 0, 30, 100, 50, frame, nullptr,
                            g_hInstance, nullptr);
    }
}

int ShowCommandOf(testbrowser::ShowAs show)
{
    switch (show) {
    case testbrowser::ShowAs::Minimized:
        return SW_SHOWMINIMIZED;
    case testbrowser::ShowAs::Maximized:
        return SW_SHOWMAXIMIZED;
    default:
        return SW_SHOWNORMAL;
    }
}

std::string OnOpen(const std::vector<std::string>& words)
{
    OpenOptions options;
    std::string error;
    if (!testbrowser::ParseOpen(words, options, error))
        return "error " + error;

    HWND hwndParent = nullptr;
    DWORD style = options.style & ~WS_VISIBLE;  // shown below, in the order a browser shows itself
    int relative = options.owner ? options.owner : options.parent;
    if (relative) {
        if (relative > static_cast<int>(g_windows.size()) || !g_windows[relative - 1].hwnd)
            return "error no live window " + std::to_string(relative);
        hwndParent = g_windows[relative - 1].hwnd;
        if (options.parent)
            style |= WS_CHILD;
    }
    if (!EnsureClass(options.className, options.classIcon))
        return "error cannot register class " + options.className;

    int x = options.hasRect ? options.x : CW_USEDEFAULT, y = options.hasRect ? options.y : CW_USEDEFAULT;
    int cx = options.hasRect ? options.width : 480, cy = options.hasRect ? options.height : 320;
    // Numbered before creation, so that the window procedure knows it from WM_CREATE on.
    g_windows.push_back(BrowserWindow());
    HWND hwnd = CreateWindowExA(options.exStyle, options.className.c_str(), options.createTitle.c_str(), style, x, y,
                                cx, cy, hwndParent, nullptr, g_hInstance, nullptr);
    if (!hwnd) {
        g_windows.pop_back();
        return "error CreateWindowEx failed " + std::to_string(GetLastError());
    }
    g_windows.back().hwnd = hwnd;
    CreateDescendants(hwnd, options);

    g_windows.back().utf8 = options.utf8;
    g_windows.back().closeByRoot = options.closeByRoot;
    const bool show = options.show != testbrowser::ShowAs::Hidden;
    if (options.titleBeforeShow || !show)
        SetTitle(hwnd, options.title, options.utf8);
    if (show)
        ShowWindow(hwnd, ShowCommandOf(options.show));
    if (!options.titleBeforeShow && show)
        SetTitle(hwnd, options.title, options.utf8);
    return "ok " + std::to_string(g_windows.size()) + " " + HandleText(hwnd);
}

std::string OnListView(const std::vector<std::string>& words)
{
    testbrowser::ListViewOptions options;
    std::string error;
    if (!testbrowser::ParseListView(words, options, error))
        return "error " + error;
    std::string reply;
    BrowserWindow* w = WindowByNumber(words[1], reply);
    if (!w)
        return reply;
    if (w->list)
        return "error window " + words[1] + " has a list view already";

    RECT rc;
    GetClientRect(w->hwnd, &rc);
    HWND list = CreateWindowExA(0, WC_LISTVIEWA, "", WS_CHILD | WS_VISIBLE | LVS_REPORT | LVS_SHOWSELALWAYS, 0, 0,
                                rc.right, rc.bottom, w->hwnd, nullptr, g_hInstance, nullptr);
    if (!list)
        return "error cannot create the list view";
    w->list = list;
    LVCOLUMNA column = {};
    column.mask = LVCF_WIDTH;
    column.cx = 300;
    SendMessageA(list, LVM_INSERTCOLUMNA, 0, reinterpret_cast<LPARAM>(&column));
    for (size_t i = 0; i < options.items.size(); ++i) {
        LVITEMA item = {};
        item.mask = LVIF_TEXT | LVIF_PARAM;
        item.iItem = static_cast<int>(i);
        item.pszText = const_cast<char*>(options.items[i].c_str());
        item.lParam = i < options.data.size() ? options.data[i] : 0;
        SendMessageA(list, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
    }
    if (options.select >= 0) {
        LVITEMA state = {};
        state.stateMask = state.state = LVIS_SELECTED | LVIS_FOCUSED;
        SendMessageA(list, LVM_SETITEMSTATE, options.select, reinterpret_cast<LPARAM>(&state));
    }
    return "ok " + HandleText(list);
}

std::string OnWindowCommand(const std::vector<std::string>& words)
{
    const std::string& verb = words[0];
    int number = 0;
    if (verb == "showings" && words.size() == 2 && testbrowser::ParseWindowNumber(words[1], number) &&
        number <= static_cast<int>(g_windows.size()))  // its window may be gone: what it went through stays
        return "ok " + std::to_string(g_windows[number - 1].showings);
    std::string reply;
    BrowserWindow* w = words.size() >= 2 ? WindowByNumber(words[1], reply) : nullptr;
    if (!w)
        return words.size() < 2 ? "error " + verb + " takes a window number" : reply;

    long count = 0;
    if (verb == "title" && words.size() == 3) {
        SetTitle(w->hwnd, words[2], w->utf8);
    } else if (verb == "titles" && words.size() == 4 && testbrowser::ParseNumber(words[2], count) && count > 0) {
        // A storm of retitles, as fast as the window takes them: "TEXT 1" to "TEXT COUNT".
        for (long i = 1; i <= count; ++i)
            SetWindowTextA(w->hwnd, (words[3] + " " + std::to_string(i)).c_str());
    } else if (words.size() == 2 &&
               (verb == "show" || verb == "hide" || verb == "minimize" || verb == "maximize" || verb == "restore")) {
        int command = verb == "show"       ? SW_SHOW
                      : verb == "hide"     ? SW_HIDE
                      : verb == "minimize" ? SW_MINIMIZE
                      : verb == "maximize" ? SW_MAXIMIZE
                                           : SW_RESTORE;
        ShowWindow(w->hwnd, command);
    } else if (verb == "close" && words.size() == 2) {
        HWND hwnd = w->hwnd;
        SendMessageA(hwnd, WM_CLOSE, 0, 0);
        return IsWindow(hwnd) ? "ok refused" : "ok";
    } else if (verb == "destroy" && words.size() == 2) {
        DestroyWindow(w->hwnd);
    } else if (verb == "cloak" && words.size() == 3 && (words[2] == "on" || words[2] == "off")) {
        // What Windows raises when the system hides a window from sight: Wine keeps no cloak.
        Raise(words[2] == "on" ? 0x8017 : 0x8018, w->hwnd);  // EVENT_OBJECT_CLOAKED, UNCLOAKED
    } else if (verb == "refuse" && words.size() == 3 && (words[2] == "on" || words[2] == "off")) {
        w->refuseClose = words[2] == "on";
    } else if (verb == "closes" && words.size() == 2) {
        return "ok " + std::to_string(w->closesReceived);

    } else if (verb == "hwnd" && words.size() == 2) {
        return "ok " + HandleText(w->hwnd);
    } else if (verb == "classicon" && words.size() == 3) {
        // Read in-process: Wine answers 0 for the class icon of another process's window.
        HWND target = words[2] == "frame" ? w->hwnd : FindWindowExA(w->hwnd, nullptr, words[2].c_str(), nullptr);
        if (!target)
            return "error no child of class " + words[2];
        return "ok " + HandleText(reinterpret_cast<HWND>(GetClassLongPtrA(target, GCLP_HICON)));
    } else {
        return "error bad arguments to " + verb;
    }
    return "ok";
}

bool IsLeadByte(unsigned char c)
{
    return IsDBCSLeadByte(c) != FALSE;
}

std::string RunCommand(const std::string& line)
{
    std::vector<std::string> words;
    std::string error;
    if (!testbrowser::SplitWords(line, words, error, IsLeadByte))
        return "error " + error;
    if (words.empty())
        return "error empty command";
    if (words[0] == "open")
        return OnOpen(words);
    if (words[0] == "listview")
        return OnListView(words);
    if (words[0] == "ping")
        return "ok " + std::to_string(GetCurrentProcessId());
    if (words[0] == "help")
        return std::string("ok ") + kUsage;
    return OnWindowCommand(words);
}

LRESULT CALLBACK ControlWndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_TB_COMMAND:
        *reinterpret_cast<std::string*>(wParam) = RunCommand(*reinterpret_cast<const std::string*>(lParam));
        return 0;
    case WM_TB_INPUT_ENDED:
        PostQuitMessage(0);
        return 0;
    case WM_TB_HANG:
        SetEvent(g_hHung);
        WaitForSingleObject(g_hUnhang, INFINITE);  // pumping nothing: every window stops answering
        return 0;
    }
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

bool WriteLine(HANDLE out, const std::string& text)
{
    std::string line = text + "\n";
    DWORD written = 0;
    return WriteFile(out, line.data(), static_cast<DWORD>(line.size()), &written, nullptr) && written == line.size();
}

// Reads commands from standard input; each runs on the window thread, which owns the windows.
DWORD WINAPI InputThreadProc(LPVOID)
{
    HANDLE in = GetStdHandle(STD_INPUT_HANDLE);
    HANDLE out = GetStdHandle(STD_OUTPUT_HANDLE);
    std::string pending;
    char buffer[4096];
    DWORD read = 0;
    bool quit = false;
    while (!quit && ReadFile(in, buffer, sizeof buffer, &read, nullptr) && read > 0) {
        pending.append(buffer, read);
        size_t newline;
        while (!quit && (newline = pending.find('\n')) != std::string::npos) {
            std::string line = pending.substr(0, newline);
            pending.erase(0, newline + 1);
            if (!line.empty() && line.back() == '\r')
                line.pop_back();
            std::string reply = "ok";
            if (line == "quit") {
                quit = true;
            } else if (line == "hang") {
                // Answered once the window thread has stopped, so that the test knows it has.
                PostMessageA(g_hControl, WM_TB_HANG, 0, 0);
                WaitForSingleObject(g_hHung, INFINITE);
            } else if (line == "unhang") {
                SetEvent(g_hUnhang);
            } else {
                SendMessageA(g_hControl, WM_TB_COMMAND, reinterpret_cast<WPARAM>(&reply),
                             reinterpret_cast<LPARAM>(&line));
            }
            if (!WriteLine(out, reply))
                quit = true;
        }
    }
    SetEvent(g_hUnhang);
    PostMessageA(g_hControl, WM_TB_INPUT_ENDED, 0, 0);
    return 0;
}

bool CreateControlWindow()
{
    WNDCLASSA wc = {};
    wc.lpfnWndProc = ControlWndProc;
    wc.hInstance = g_hInstance;
    wc.lpszClassName = kControlClass;
    if (!RegisterClassA(&wc))
        return false;
    // Message-only: never listed among the top-level windows a sweep would see.
    g_hControl = CreateWindowExA(0, kControlClass, "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, g_hInstance, nullptr);
    return g_hControl != nullptr;
}

}  // namespace

int WINAPI WinMain(HINSTANCE hInstance, HINSTANCE, LPSTR, int)
{
    g_hInstance = hInstance;
    INITCOMMONCONTROLSEX icc = {sizeof icc, ICC_LISTVIEW_CLASSES};
    InitCommonControlsEx(&icc);
    if (!CreateControlWindow())
        return 1;

    HANDLE out = GetStdHandle(STD_OUTPUT_HANDLE);
    for (int i = 1; i < __argc; ++i) {
        std::string arg = __argv[i];
        if (arg == "--stdin") {
            g_bPipeMode = true;
            continue;
        }
        if (arg == "--winevents") {
            g_bRaiseEvents = true;
            continue;
        }
        std::string reply = RunCommand(arg);
        WriteLine(out, reply);
        if (reply.compare(0, 5, "error") == 0)
            return 2;
    }
    if (g_bPipeMode) {
        g_hHung = CreateEventA(nullptr, FALSE, FALSE, nullptr);
        g_hUnhang = CreateEventA(nullptr, FALSE, FALSE, nullptr);
        if (!g_hHung || !g_hUnhang)
            return 1;
        HANDLE thread = CreateThread(nullptr, 0, InputThreadProc, nullptr, 0, nullptr);
        if (!thread)
            return 1;
        CloseHandle(thread);
    } else if (!AnyWindowAlive()) {
        return 0;
    }

    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return 0;
}
