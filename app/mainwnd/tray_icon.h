// The tray icon: its record for the shell, its tip, and its menus turned from their models into
// menus and shown at the taskbar, the main window their owner.
#pragma once

#include <windows.h>

#include <functional>
#include <vector>

#include "mainwnd/tray_menus.h"

constexpr UINT WM_TRAYNOTIFY = WM_APP + 5;
constexpr UINT kTrayIconId = 1000;

class CTrayIcon {
public:
    void Attach(HWND main) { m_main = main; }
    // Shell_NotifyIconA with the first, 88-byte form of the record; ICON and TIP may be null.
    BOOL TrayMessage(DWORD message, HICON icon, const char* tip);
    // The icon added with the tip "Pelorus (COUNT)" and the main window's small icon; false when
    // the shell refused it.
    bool Add(int count);
    // The tip follows the count (only when it changed).
    void UpdateTip(int count);
    void Remove() { TrayMessage(NIM_DELETE, nullptr, nullptr); }
    // The icon again after the shell restarted: added, or kept where the shell still has it.
    bool Readd(int count);
    // Shows MENU (none when empty) and returns the command chosen, 0 for none: the caller carries
    // it out whatever state the main window is in. ICON_OF gives a copy of a window item's own
    // icon (destroyed here), its mark; its kind's mark where it has none.
    // Shown at the taskbar (the icon's menus), or at the mouse pointer (a key's).
    enum Where { AtTaskbar, AtPointer };
    int Track(const std::vector<TrayMenuItem>& menu, const std::function<HICON(WindowHandle)>& iconOf,
               Where where = AtTaskbar);
    // The menu shown last, by which its command is understood.
    const std::vector<TrayMenuItem>& Shown() const { return m_shown; }

private:
    // The icon and the tip "Pelorus (COUNT)" with MESSAGE (NIM_ADD or NIM_MODIFY).
    bool Put(DWORD message, int count);

    HWND m_main = nullptr;
    int m_count = -1;        // the count the tip shows
    bool m_tracking = false;  // a menu is open: a key's would replace what its commands mean
    std::vector<TrayMenuItem> m_shown;
};
