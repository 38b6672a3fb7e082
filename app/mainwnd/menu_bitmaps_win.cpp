#include "mainwnd/menu_bitmaps.h"

#include "res/resource.h"

HBITMAP g_hbmMenuCheck;
HBITMAP g_ahbmBrowserType[kBrowserTypeCount];

void LoadMenuBitmaps()
{
    HINSTANCE instance = GetModuleHandleW(nullptr);
    g_hbmMenuCheck = LoadBitmapW(instance, MAKEINTRESOURCEW(IDB_MENU_CHECK));
    for (int t = 0; t < kBrowserTypeCount; ++t) {
        const int id = t == BROWSER_OPERA_OP ? IDB_BROWSER_OPERA : IDB_BROWSER_IE + t;
        g_ahbmBrowserType[t] = LoadBitmapW(instance, MAKEINTRESOURCEW(id));
    }
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
