#include "mainwnd/menu_bitmaps.h"

#include "res/resource.h"

HBITMAP g_hbmMenuCheck;
HBITMAP g_ahbmBrowserType[kBrowserTypeCount];

namespace {

// A bitmap of a menu check mark's size, drawn by DRAW(dc, screen, width, height) on a memory
// DC; null when DRAW fails.
template <class Draw>
HBITMAP DrawMenuMark(HWND window, Draw draw)
{
    HDC screen = GetDC(window);
    HDC to = CreateCompatibleDC(screen);
    const LONG size = GetMenuCheckMarkDimensions();
    const int width = LOWORD(size), height = HIWORD(size);
    HBITMAP mark = CreateCompatibleBitmap(screen, width, height);
    HGDIOBJ old = SelectObject(to, mark);
    const bool drawn = draw(to, screen, width, height);
    SelectObject(to, old);
    DeleteDC(to);
    ReleaseDC(window, screen);
    if (!drawn) {
        DeleteObject(mark);
        return nullptr;
    }
    return mark;
}

HBITMAP LoadScaled(HWND window, int resource)
{
    HBITMAP source = LoadBitmapW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(resource));
    if (!source)
        return nullptr;
    HBITMAP scaled = ScaleMenuBitmap(window, source);
    DeleteObject(source);
    return scaled;
}

}  // namespace

HBITMAP ScaleMenuBitmap(HWND window, HBITMAP source)
{
    return DrawMenuMark(window, [source](HDC to, HDC screen, int width, int height) {
        HDC from = CreateCompatibleDC(screen);
        HGDIOBJ old = SelectObject(from, source);
        StretchBlt(to, 0, 0, width, height, from, 0, 0, 11, 11, SRCCOPY);
        SelectObject(from, old);
        DeleteDC(from);
        return true;
    });
}

void LoadMenuBitmaps(HWND window)
{
    g_hbmMenuCheck = LoadScaled(window, IDB_MENU_CHECK);
    for (const BrowserKind& kind : kBrowserKinds)
        g_ahbmBrowserType[kind.type] = LoadScaled(window, kind.menuMark);
}

void FreeMenuBitmaps()
{
    DeleteObject(g_hbmMenuCheck);
    g_hbmMenuCheck = nullptr;
    for (HBITMAP& bitmap : g_ahbmBrowserType) {
        DeleteObject(bitmap);
        bitmap = nullptr;
    }
}

HBITMAP IconMenuBitmap(HWND window, HICON icon)
{
    return DrawMenuMark(window, [icon](HDC to, HDC, int width, int height) {
        RECT all = {0, 0, width, height};
        FillRect(to, &all, GetSysColorBrush(COLOR_MENU));
        return DrawIconEx(to, 0, 0, icon, width, height, 0, nullptr, DI_NORMAL) != FALSE;
    });
}
