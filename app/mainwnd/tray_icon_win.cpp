#include "mainwnd/tray_icon.h"

#include <shellapi.h>

#include <cstring>

#include "mainwnd/menu_bitmaps.h"
#include "res/resource.h"
#include "ui/resources.h"
#include "win/wide_text_win.h"
#include "win/assert.h"
#include "win/decimal_text.h"

namespace {

const wchar_t* LabelText(TrayLabel label)
{
    switch (label) {
    case TrayLabel::Find:
        return ResourceText(IDS_TRAY_FIND);
    case TrayLabel::UpdateSize:
        return ResourceText(IDS_TRAY_UPDATE_SIZE);
    case TrayLabel::Settings:
        return ResourceText(IDS_TRAY_SETTINGS);
    case TrayLabel::Restore:
        return ResourceText(IDS_TRAY_RESTORE);
    case TrayLabel::CloseList:
        return ResourceText(IDS_TRAY_CLOSE_LIST);
    case TrayLabel::Exit:
        return ResourceText(IDS_TRAY_EXIT);
    case TrayLabel::Show:
        return ResourceText(IDS_TRAY_SHOW);
    case TrayLabel::Delete:
        return ResourceText(IDS_TRAY_DELETE);
    case TrayLabel::CloseMenu:
        return ResourceText(IDS_TRAY_CLOSE_MENU);
    default:
        return L"";
    }
}

// The bitmaps made for one menu's window items, freed when it is gone.
struct MenuMarks {
    HWND owner;
    const std::function<HICON(WindowHandle)>& iconOf;
    std::vector<HBITMAP> made;

    HBITMAP MarkOf(const TrayMenuItem& item)
    {
        if (HICON icon = iconOf(item.window)) {
            HBITMAP mark = IconMenuBitmap(owner, icon);
            DestroyIcon(icon);
            if (mark) {
                made.push_back(mark);
                return mark;
            }
        }
        return g_ahbmBrowserType[item.mark];
    }
    ~MenuMarks()
    {
        for (HBITMAP bitmap : made)
            DeleteObject(bitmap);
    }
};

// A popup menu from its model; null when it cannot be made.
HMENU BuildMenu(const std::vector<TrayMenuItem>& items, MenuMarks& marks)
{
    HMENU menu = CreatePopupMenu();
    if (!menu)
        return nullptr;
    for (const TrayMenuItem& item : items) {
        const UINT state = (item.checked ? MF_CHECKED : 0) | (item.grayed ? MF_GRAYED : 0);
        if (item.kind == TrayMenuItem::Separator) {
            AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
        } else if (item.kind == TrayMenuItem::Popup) {
            HMENU submenu = item.submenu.empty() && item.grayed ? nullptr : BuildMenu(item.submenu, marks);
            if (submenu &&
                !AppendMenuW(menu, MF_POPUP | state, reinterpret_cast<UINT_PTR>(submenu), LabelText(item.label))) {
                DestroyMenu(submenu);
                submenu = nullptr;
            }
            if (!submenu)
                AppendMenuW(menu, MF_STRING | MF_GRAYED, 0, LabelText(item.label));  // without its submenu
        } else if (item.label == TrayLabel::Title) {  // a title's own "&" is escaped in the model
            AppendMenuW(menu, MF_STRING | state, item.command, Wide(item.title));
            const int position = GetMenuItemCount(menu) - 1;
            if (PELORUS_ASSERT(KindOf(item.mark)))  // a listed window's type was checked when it came
                SetMenuItemBitmaps(menu, position, MF_BYPOSITION, marks.MarkOf(item), g_hbmMenuCheck);
        } else if (!item.title.empty()) {  // a command with its key beside it
            const std::u16string text = FromWide(LabelText(item.label)) + u"\t" + item.title;
            AppendMenuW(menu, MF_STRING | state, item.command, Wide(text));
        } else {
            AppendMenuW(menu, MF_STRING | state, item.command, LabelText(item.label));
        }
    }
    return menu;
}

// The top right of the taskbar; where the shell cannot tell, the pointer.
POINT MenuPosition(HWND main)
{
    APPBARDATA bar = {};
    bar.cbSize = sizeof bar;
    bar.hWnd = main;
    POINT at = {};
    if (SHAppBarMessage(ABM_GETTASKBARPOS, &bar) && !IsRectEmpty(&bar.rc))
        at = {bar.rc.right, bar.rc.top};
    else
        GetCursorPos(&at);
    return at;
}

}  // namespace

BOOL CTrayIcon::TrayMessage(DWORD message, HICON icon, const char* tip)
{
    NOTIFYICONDATAA record = {};
    record.cbSize = NOTIFYICONDATAA_V1_SIZE;
    record.hWnd = m_main;
    record.uID = kTrayIconId;
    record.uFlags = NIF_MESSAGE;
    record.uCallbackMessage = WM_TRAYNOTIFY;
    if (icon) {
        record.hIcon = icon;
        record.uFlags |= NIF_ICON;
    }
    if (tip) {
        lstrcpynA(record.szTip, tip, 64);  // the first form's tip field, whatever the headers declare
        record.uFlags |= NIF_TIP;
    }
    return Shell_NotifyIconA(message, &record);
}

namespace {

std::string Tip(int count)
{
    return std::string("Pelorus (") + Decimal(count).text + ")";
}

}  // namespace

bool CTrayIcon::Put(DWORD message, int count)
{
    HICON icon = reinterpret_cast<HICON>(SendMessageW(m_main, WM_GETICON, ICON_SMALL, 0));
    m_count = count;
    return TrayMessage(message, icon, Tip(count).c_str()) != FALSE;
}

bool CTrayIcon::Add(int count)
{
    return Put(NIM_ADD, count);
}

// Some shells announce a restart that kept their icons (a display change): ours is still there.
bool CTrayIcon::Readd(int count)
{
    return Put(NIM_ADD, count) || Put(NIM_MODIFY, count);
}

void CTrayIcon::UpdateTip(int count)
{
    if (count != m_count) {
        m_count = count;
        TrayMessage(NIM_MODIFY, nullptr, Tip(count).c_str());
    }
}

int CTrayIcon::Track(const std::vector<TrayMenuItem>& items, const std::function<HICON(WindowHandle)>& iconOf,
                     Where where)
{
    if (items.empty() || m_tracking)
        return 0;
    MenuMarks marks{m_main, iconOf, {}};
    HMENU menu = BuildMenu(items, marks);
    if (!menu)
        return 0;
    m_shown = items;
    POINT at = {};
    if (where == AtTaskbar)
        at = MenuPosition(m_main);
    else
        GetCursorPos(&at);
    SetForegroundWindow(m_main);  // also while hidden, or the menu would not close when left
    m_tracking = true;
    // The choice is returned rather than posted as WM_COMMAND, which the main window takes as a
    // menu's only while it is in the tray.
    const int chosen = TrackPopupMenu(menu,
                                      (where == AtTaskbar ? TPM_CENTERALIGN : TPM_LEFTALIGN) | TPM_RIGHTBUTTON |
                                          TPM_RETURNCMD | TPM_NONOTIFY,
                                      at.x, at.y, 0, m_main, nullptr);
    m_tracking = false;
    PostMessageW(m_main, WM_NULL, 0, 0);
    DestroyMenu(menu);  // and its submenus with it
    return chosen;
}

