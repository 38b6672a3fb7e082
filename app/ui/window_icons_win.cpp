#include "ui/window_icons_win.h"

#include <initializer_list>

#include "hooklib/browser_kinds.h"

namespace {

HICON ClassIcon(HWND window)
{
    return reinterpret_cast<HICON>(GetClassLongPtrA(window, GCLP_HICON));
}

struct IconChildSearch {
    const char* className;
    HWND found;
};

BOOL CALLBACK FindIconChildProc(HWND child, LPARAM param)
{
    auto* search = reinterpret_cast<IconChildSearch*>(param);
    char name[256] = "";
    GetClassNameA(child, name, 255);
    if (lstrcmpA(name, search->className) != 0)
        return TRUE;
    search->found = child;
    return FALSE;
}

// A window that does not answer at once is not waited for: its kind's icon does meanwhile.
const UINT kIconAnswerMs = 100;

}  // namespace

HICON OwnIcon(HWND window, int type)
{
    // ICON_SMALL2 would give a made-up icon for a window that has none: not its own.
    for (WPARAM which : {ICON_SMALL, ICON_BIG}) {
        DWORD_PTR icon = 0;
        if (SendMessageTimeoutW(window, WM_GETICON, which, 0, SMTO_BLOCK | SMTO_ABORTIFHUNG, kIconAnswerMs, &icon) &&
            icon)
            return reinterpret_cast<HICON>(icon);
    }
    if (HICON icon = reinterpret_cast<HICON>(GetClassLongPtrA(window, GCLP_HICONSM)))
        return icon;
    HICON icon = ClassIcon(window);
    const BrowserKind* kind = KindOf(type);
    if (!icon && kind && kind->iconChildClass) {
        IconChildSearch search{kind->iconChildClass, nullptr};
        EnumChildWindows(window, FindIconChildProc, reinterpret_cast<LPARAM>(&search));
        if (search.found)
            icon = ClassIcon(search.found);
    }
    return icon;
}

HICON MarkIcon(int resource)
{
    const int kMarkSize = 11, at = (kIconSize - kMarkSize) / 2;
    HBITMAP mark = LoadBitmapW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(resource));
    if (!mark)
        return nullptr;
    HDC screen = GetDC(nullptr);
    HDC from = CreateCompatibleDC(screen), to = CreateCompatibleDC(screen);
    HBITMAP color = CreateCompatibleBitmap(screen, kIconSize, kIconSize);
    HBITMAP mask = CreateBitmap(kIconSize, kIconSize, 1, 1, nullptr);
    HGDIOBJ oldTo = SelectObject(to, mask);
    PatBlt(to, 0, 0, kIconSize, kIconSize, WHITENESS);  // clear around the mark
    PatBlt(to, at, at, kMarkSize, kMarkSize, BLACKNESS);
    SelectObject(to, color);
    PatBlt(to, 0, 0, kIconSize, kIconSize, BLACKNESS);
    HGDIOBJ oldFrom = SelectObject(from, mark);
    BitBlt(to, at, at, kMarkSize, kMarkSize, from, 0, 0, SRCCOPY);
    SelectObject(from, oldFrom);
    SelectObject(to, oldTo);
    DeleteDC(from);
    DeleteDC(to);
    ReleaseDC(nullptr, screen);
    ICONINFO info = {TRUE, 0, 0, mask, color};
    HICON icon = CreateIconIndirect(&info);
    DeleteObject(mask);
    DeleteObject(color);
    DeleteObject(mark);
    return icon;
}
