#include "mainwnd/main_window.h"

#include "capture/hook_binding.h"
#include "res/resource.h"
#include "settings/profile_store_win.h"
#include "settings/settings_model.h"

HWND g_hMainWnd;

namespace {

MainDialogSettings g_mainSettings;  // the main dialog's members, until the dialog holds them

void OnCreate(HWND hWnd)
{
    g_hMainWnd = hWnd;
    Win32ProfileStore store;
    StoredPosition position;
    LoadSettings(store, g_mainSettings, position);
    PostMessageW(hWnd, WM_HOOK_NOTIFY, HN_STARTUP, 0);
}

void OnStartup()
{
    StartRelayWindow();
    WaitForRelayWindow();
}

// Order matters: the library stops reporting first, the relay window (and with it the hook
// and the library) goes last; the geometry is written after.
void OnDestroy(HWND hWnd)
{
    DisableHookLibrary();
    CloseRelayWindow();
    WINDOWPLACEMENT placement = {};
    placement.length = sizeof placement;
    GetWindowPlacement(hWnd, &placement);
    Win32ProfileStore store;
    SaveGeometry(store, placement.rcNormalPosition.left, placement.rcNormalPosition.top);
    PostQuitMessage(0);
}

LRESULT CALLBACK MainWndProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CREATE:
        OnCreate(hWnd);
        return 0;
    case WM_HOOK_NOTIFY:
        if (wParam == HN_STARTUP)
            OnStartup();
        return 0;
    case WM_DESTROY:
        OnDestroy(hWnd);
        return 0;
    default:
        return DefWindowProcW(hWnd, message, wParam, lParam);
    }
}

}  // namespace

HWND CreateMainWindow(HINSTANCE hInstance, int nShowCmd)
{
    WNDCLASSW wc = {};
    wc.lpfnWndProc = MainWndProc;
    wc.hInstance = hInstance;
    wc.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));  // IDC_ARROW
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = PELORUS_MAIN_CLASS;
    if (!RegisterClassW(&wc))
        return nullptr;

    HWND hWnd = CreateWindowExW(0, PELORUS_MAIN_CLASS, L"Pelorus", WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU,
                                CW_USEDEFAULT, CW_USEDEFAULT, 420, 120, nullptr, nullptr, hInstance, nullptr);
    if (!hWnd)
        return nullptr;

    wchar_t text[256] = L"";
    LoadStringW(hInstance, IDS_PLACEHOLDER_TEXT, text, 256);
    HWND hLabel =
        CreateWindowExW(0, L"STATIC", text, WS_CHILD | WS_VISIBLE, 12, 20, 390, 40, hWnd, nullptr, hInstance, nullptr);
    SendMessageW(hLabel, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
    ShowWindow(hWnd, nShowCmd);
    return hWnd;
}
