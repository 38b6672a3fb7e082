// The tray icon's two menus, free of the platform: the window menu (left button) that switches to
// a window, and the command menu (right button) with the program's commands and the two submenus
// that show or delete a window. Built on the spot from the list; the Win32 side only turns a
// model into menus.
#pragma once

#include <string>
#include <vector>

#include "mainwnd/list_controller.h"

constexpr int ID_TRAY_SETTINGS = 32774;
constexpr int ID_TRAY_RESTORE = 32775;
constexpr int ID_TRAY_EXIT = 32776;
constexpr int ID_TRAY_CLOSEMENU = 32777;
constexpr int ID_TRAY_UPDATESIZE = 32778;
constexpr int ID_TRAY_CLOSELIST = 32779;
constexpr int ID_TRAY_SHOW_BASE = 32780;
constexpr int ID_TRAY_DELETE_BASE = 32813;
// The show range has room for this many windows before it would run into the delete range: the
// menus list at most so many, so that a show command can never read as a delete.
constexpr int kTrayMenuWindows = ID_TRAY_DELETE_BASE - ID_TRAY_SHOW_BASE;
constexpr int ID_TRAY_FIND = 32773;  // before the others, apart from both ranges

// The program's own item texts, by which the Win32 side finds their (Unicode) words.
enum class TrayLabel { Title, Find, UpdateSize, Settings, Restore, CloseList, Exit, Show, Delete, CloseMenu };

struct TrayMenuItem {
    enum Kind { Command, Separator, Popup } kind = Command;
    TrayLabel label = TrayLabel::Title;
    std::u16string title;  // a window's item text (label Title); the key that does the same (Find)
    int command = 0;
    bool checked = false;
    bool grayed = false;
    int mark = -1;            // a window item's browser type: its mark when not checked (the tick when checked)
    WindowHandle window = 0;  // a window item's window
    std::vector<TrayMenuItem> submenu;
};

// " " and the entry's title; wider than 35 columns (a wide character takes two, as it took two
// bytes in the code page), cut to at most 34 and " …" appended; a title's "&" doubled, to show
// as written.
std::u16string TrayItemText(const std::u16string& title);

struct TrayMenuState {
    const std::vector<ListEntry>* entries;
    int current;
    bool settingsOpen;
    bool closeListEnabled;
    std::u16string findKey;  // the name of the key that finds a window; empty for none
};

// Empty when there is no current entry: no menu is shown.
std::vector<TrayMenuItem> WindowMenu(const TrayMenuState& state);
std::vector<TrayMenuItem> CommandMenu(const TrayMenuState& state);
std::vector<TrayMenuItem> WindowSubmenu(const TrayMenuState& state, bool forDelete);

// A chosen tray command: what it asks, and of which entry.
struct TrayCommand {
    enum Kind { None, Delete, Show, Settings, Restore, Exit, CloseMenu, UpdateSize, CloseList, Find } kind = None;
    int entry = -1;
};
TrayCommand DecodeTrayCommand(int id);
// The command ID chosen from MENU, its entry found again by its window in ENTRIES: the list may
// have changed while the menu was open. A window no longer listed leaves the entry -1.
TrayCommand ResolveTrayCommand(const std::vector<TrayMenuItem>& menu, int id, const std::vector<ListEntry>& entries);
