#include "win/window_seam_win.h"

#include "hooklib/hook_protocol.h"
#include "win/program_windows.h"  // the main window, where answers to probes go
#include "win/unicode_text.h"
#include "win/wide_text_win.h"

namespace {

// Long enough for a busy browser, short enough that a hung one is not felt.
const UINT kAnswerTimeoutMs = 150;
// The address is read once, from a window that has only just opened and may be busy loading: a
// miss lets an unwanted window through the filter, so it is given longer.
const UINT kAddressTimeoutMs = 500;

HWND ToHwnd(WindowHandle window)
{
    return reinterpret_cast<HWND>(window);
}

WindowHandle FromHwnd(HWND window)
{
    return reinterpret_cast<WindowHandle>(window);
}

BOOL CALLBACK CollectWindow(HWND window, LPARAM param)
{
    reinterpret_cast<std::vector<WindowHandle>*>(param)->push_back(FromHwnd(window));
    return TRUE;
}

void CALLBACK OnProbeAnswered(HWND window, UINT, ULONG_PTR cookie, LRESULT)
{
    PostMessageA(g_hMainWnd, WM_WINDOW_ANSWERED, static_cast<WPARAM>(cookie), reinterpret_cast<LPARAM>(window));
}

// SetWindowPlacement on another process's window is refused by some platforms (Wine 8 among
// them); moving and showing the window gives the same result there.
void MoveAndShow(HWND window, const RECT& rc, int showCmd)
{
    ShowWindow(window, SW_SHOWNORMAL);
    SetWindowPos(window, nullptr, rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    if (showCmd != SW_SHOWNORMAL)
        ShowWindow(window, showCmd);
}

}  // namespace

bool WindowAnswers(HWND window, UINT timeoutMs)
{
    DWORD_PTR result = 0;
    return SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_BLOCK | SMTO_ABORTIFHUNG, timeoutMs, &result) != 0;
}

std::string Win32WindowSeam::ClassOf(WindowHandle window)
{
    char name[256] = "";
    GetClassNameA(ToHwnd(window), name, 255);
    return name;
}

// Both read one unit more than they give, so that a character the limit would cut in two goes
// whole.
std::u16string Win32WindowSeam::TitleOf(WindowHandle window, int size)
{
    std::vector<wchar_t> text(size > 0 ? size + 1 : 1, L'\0');
    const int n = GetWindowTextW(ToHwnd(window), text.data(), static_cast<int>(text.size()));
    return CutText(FromWide(text.data(), static_cast<size_t>(n > 0 ? n : 0)), size > 0 ? size - 1 : 0);
}

std::u16string Win32WindowSeam::ControlTextOf(WindowHandle window, int size)
{
    std::vector<wchar_t> text(size > 0 ? size + 1 : 1, L'\0');
    DWORD_PTR result = 0;
    SendMessageTimeoutW(ToHwnd(window), WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()),
                        SMTO_BLOCK | SMTO_ABORTIFHUNG, kAddressTimeoutMs, &result);
    text.back() = L'\0';
    return CutText(reinterpret_cast<const char16_t*>(text.data()), size > 0 ? size - 1 : 0);
}

bool Win32WindowSeam::StylesOf(WindowHandle window, uint32_t& style, uint32_t& exStyle)
{
    WINDOWINFO info = {};
    info.cbSize = sizeof info;
    if (!GetWindowInfo(ToHwnd(window), &info))
        return false;
    style = info.dwStyle;
    exStyle = info.dwExStyle;
    return true;
}

std::string Win32WindowSeam::ProcessImageOf(WindowHandle window)
{
    DWORD pid = 0;
    GetWindowThreadProcessId(ToHwnd(window), &pid);
    HANDLE process = pid ? OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, pid) : nullptr;
    if (!process)
        return {};
    wchar_t path[MAX_PATH * 2];
    DWORD length = MAX_PATH * 2;
    const BOOL read = QueryFullProcessImageNameW(process, 0, path, &length);
    CloseHandle(process);
    return read ? ToUtf8(FromWide(path, length)) : std::string();
}

bool Win32WindowSeam::IsCloaked(WindowHandle window)
{
    // Asked of the window manager where it is there to ask (not before Windows 8, not under Wine).
    using GetAttribute = HRESULT(WINAPI*)(HWND, DWORD, PVOID, DWORD);
    static const GetAttribute getAttribute = [] {
        HMODULE dwm = LoadLibraryExW(L"dwmapi.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);  // never one beside us
        return dwm ? reinterpret_cast<GetAttribute>(
                         reinterpret_cast<void (*)()>(GetProcAddress(dwm, "DwmGetWindowAttribute")))
                   : nullptr;
    }();
    DWORD cloaked = 0;
    const DWORD kCloaked = 14;  // DWMWA_CLOAKED
    return getAttribute && SUCCEEDED(getAttribute(ToHwnd(window), kCloaked, &cloaked, sizeof cloaked)) && cloaked;
}

bool Win32WindowSeam::IsLeftButtonHeld()
{
    // The primary button, wherever the user has put it.
    return (GetAsyncKeyState(GetSystemMetrics(SM_SWAPBUTTON) ? VK_RBUTTON : VK_LBUTTON) & 0x8000) != 0;
}

std::vector<WindowHandle> Win32WindowSeam::DescendantsOf(WindowHandle window)
{
    std::vector<WindowHandle> found;
    EnumChildWindows(ToHwnd(window), CollectWindow, reinterpret_cast<LPARAM>(&found));
    return found;
}

WindowIdentity Win32WindowSeam::IdentityOf(WindowHandle window)
{
    WindowIdentity facts;
    HWND hwnd = ToHwnd(window);
    if (!IsWindow(hwnd))
        return facts;
    facts.alive = true;
    facts.topLevel = GetAncestor(hwnd, GA_PARENT) == GetDesktopWindow();
    facts.owned = GetWindow(hwnd, GW_OWNER) != nullptr;
    DWORD pid = 0;
    GetWindowThreadProcessId(hwnd, &pid);
    facts.ours = pid == GetCurrentProcessId();
    return facts;
}

bool Win32WindowSeam::IsAlive(WindowHandle window)
{
    return IsWindow(ToHwnd(window)) != FALSE;
}

bool Win32WindowSeam::IsVisible(WindowHandle window)
{
    return IsWindowVisible(ToHwnd(window)) != FALSE;
}

bool Win32WindowSeam::IsUnderRelay(WindowHandle window)
{
    HWND relay = m_relay;
    return relay && GetAncestor(ToHwnd(window), GA_PARENT) == relay;
}

std::vector<WindowHandle> Win32WindowSeam::TopLevelWindows()
{
    std::vector<WindowHandle> found;
    EnumWindows(CollectWindow, reinterpret_cast<LPARAM>(&found));
    return found;
}

std::vector<WindowHandle> Win32WindowSeam::HiddenWindows()
{
    std::vector<WindowHandle> found;
    if (HWND relay = m_relay)
        for (HWND child = GetWindow(relay, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
            found.push_back(FromHwnd(child));
    return found;
}

bool Win32WindowSeam::PlacementOf(WindowHandle window, NormalRect& normal, int& showCmd)
{
    WINDOWPLACEMENT placement = {};
    placement.length = sizeof placement;
    if (!GetWindowPlacement(ToHwnd(window), &placement))
        return false;
    const RECT& rc = placement.rcNormalPosition;
    normal = {rc.left, rc.top, rc.right, rc.bottom};
    showCmd = static_cast<int>(placement.showCmd);
    return true;
}

bool Win32WindowSeam::Answers(WindowHandle window)
{
    return WindowAnswers(ToHwnd(window), kAnswerTimeoutMs);
}

void Win32WindowSeam::ProbeAnswer(WindowHandle window, uint32_t cookie)
{
    SendMessageCallbackA(ToHwnd(window), WM_NULL, 0, 0, OnProbeAnswered, cookie);
}

void Win32WindowSeam::HideUnderRelay(WindowHandle window)
{
    SetParent(ToHwnd(window), m_relay);  // with no relay window yet, it stays on the desktop
}

void Win32WindowSeam::Release(WindowHandle window)
{
    SetParent(ToHwnd(window), nullptr);
}

void Win32WindowSeam::Show(WindowHandle window, int showCmd)
{
    ShowWindow(ToHwnd(window), showCmd);
}

void Win32WindowSeam::BringToTop(WindowHandle window)
{
    SetWindowPos(ToHwnd(window), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
}

void Win32WindowSeam::SetPlacement(WindowHandle window, const NormalRect& normal, int showCmd)
{
    WINDOWPLACEMENT placement = {};
    placement.length = sizeof placement;
    if (!GetWindowPlacement(ToHwnd(window), &placement))
        return;
    placement.rcNormalPosition = {normal.left, normal.top, normal.right, normal.bottom};
    placement.showCmd = static_cast<UINT>(showCmd);
    if (!SetWindowPlacement(ToHwnd(window), &placement))
        MoveAndShow(ToHwnd(window), placement.rcNormalPosition, showCmd);
}

void Win32WindowSeam::PostClose(WindowHandle window)
{
    PostMessageA(ToHwnd(window), WM_CLOSE, 0, 0);
}

void Win32WindowSeam::ReleaseHidden(WindowHandle window)
{
    // The keeper first, which shows it should Pelorus end before it is gone: out of its relay
    // window, no one else would. The keeper answers at once, or is given up on.
    DWORD_PTR result = 0;
    if (HWND relay = m_relay)
        SendMessageTimeoutW(relay, WM_RELAY_OUT_OF_SIGHT, reinterpret_cast<WPARAM>(ToHwnd(window)), 0,
                            SMTO_BLOCK | SMTO_ABORTIFHUNG, kAnswerTimeoutMs, &result);
    // Hidden while still a child of the hidden relay window, which shows nothing; re-parented
    // hidden, it comes to the desktop out of sight.
    ShowWindow(ToHwnd(window), SW_HIDE);
    SetParent(ToHwnd(window), nullptr);
}

void Win32WindowSeam::ShowAsync(WindowHandle window, int showCmd)
{
    ShowWindowAsync(ToHwnd(window), showCmd);
}
