// Pelorus.exe: the application. For now it runs the small main window until it is closed.
#include <windows.h>

#include "mainwnd/main_window.h"

int WINAPI wWinMain(HINSTANCE hInstance, HINSTANCE, LPWSTR, int nShowCmd)
{
    if (!CreateMainWindow(hInstance, nShowCmd))
        return 1;
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return static_cast<int>(msg.wParam);
}
