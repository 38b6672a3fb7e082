// Pelorus.exe, for now a placeholder window: it proves the resource pipeline (Japanese text
// from a UTF-8 .rc shown with the W functions) until the main dialog replaces it.
#include <windows.h>

#include "res/resource.h"

namespace {

const wchar_t kClassName[] = L"PelorusPlaceholder";

LRESULT CALLBACK PlaceholderWndProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    default:
        return DefWindowProcW(hWnd, message, wParam, lParam);
    }
}

HWND CreatePlaceholder(HINSTANCE hInstance, int nShowCmd)
{
    WNDCLASSW wc = {};
    wc.lpfnWndProc = PlaceholderWndProc;
    wc.hInstance = hInstance;
    wc.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));  // IDC_ARROW
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = kClassName;
    if (!RegisterClassW(&wc))
        return nullptr;

    HWND hWnd = CreateWindowExW(0, kClassName, L"Pelorus", WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU,
                                CW_USEDEFAULT, CW_USEDEFAULT, 420, 120, nullptr, nullptr, hInstance, nullptr);
    if (!hWnd)
        return nullptr;

    wchar_t text[256] = L"";
    LoadStringW(hInstance, IDS_PLACEHOLDER_TEXT, text, 256);
    HWND hLabel = CreateWindowExW(0, L"STATIC", text, WS_CHILD | WS_VISIBLE, 12, 20, 390, 40, hWnd, nullptr,
                                  hInstance, nullptr);
    SendMessageW(hLabel, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
    ShowWindow(hWnd, nShowCmd);
    return hWnd;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE hInstance, HINSTANCE, LPWSTR, int nShowCmd)
{
    if (!CreatePlaceholder(hInstance, nShowCmd))
        return 1;
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return static_cast<int>(msg.wParam);
}
