#include "mainwnd/tray_menus.h"

#include <algorithm>

#include "win/unicode_text.h"

namespace {

constexpr size_t kLongestItemText = 35;  // columns; a longer text is cut
constexpr size_t kCutItemText = 34;

TrayMenuItem Labelled(TrayLabel label, int command, bool grayed = false)
{
    TrayMenuItem item;
    item.label = label;
    item.command = command;
    item.grayed = grayed;
    return item;
}

TrayMenuItem Separator()
{
    TrayMenuItem item;
    item.kind = TrayMenuItem::Separator;
    return item;
}

// The window of the item with COMMAND, searched through the submenus; 0 for none.
WindowHandle WindowOfCommand(const std::vector<TrayMenuItem>& menu, int command)
{
    for (const TrayMenuItem& item : menu) {
        if (item.kind == TrayMenuItem::Command && item.command == command)
            return item.window;
        if (const WindowHandle window = WindowOfCommand(item.submenu, command))
            return window;
    }
    return 0;
}

// One item per listed window, the first kTrayMenuWindows only, commands from BASE.
std::vector<TrayMenuItem> WindowItems(const TrayMenuState& state, int base)
{
    std::vector<TrayMenuItem> items;
    const int count = std::min(static_cast<int>(state.entries->size()), kTrayMenuWindows);
    for (int i = 0; i < count; ++i) {
        const ListEntry& entry = (*state.entries)[static_cast<size_t>(i)];
        TrayMenuItem item;
        item.title = TrayItemText(entry.title);
        item.command = base + i;
        item.checked = i == state.current;
        item.mark = entry.type;
        item.window = entry.window;
        items.push_back(item);
    }
    return items;
}

}  // namespace

std::u16string TrayItemText(const std::u16string& title)
{
    std::u16string text = u" " + title;
    if (CutToColumns(text, kLongestItemText).size() < text.size())
        text = CutToColumns(text, kCutItemText) + u" \u2026";
    // A menu takes "&" for a shortcut mark: a title's own is doubled, so that it shows as written.
    std::u16string escaped;
    for (char16_t c : text) {
        escaped += c;
        if (c == u'&')
            escaped += u'&';
    }
    return escaped;
}

std::vector<TrayMenuItem> WindowMenu(const TrayMenuState& state)
{
    if (state.current < 0)
        return {};
    std::vector<TrayMenuItem> menu = WindowItems(state, ID_TRAY_SHOW_BASE);
    menu.push_back(Separator());
    menu.push_back(Labelled(TrayLabel::CloseMenu, ID_TRAY_CLOSEMENU));
    return menu;
}

std::vector<TrayMenuItem> WindowSubmenu(const TrayMenuState& state, bool forDelete)
{
    return WindowItems(state, forDelete ? ID_TRAY_DELETE_BASE : ID_TRAY_SHOW_BASE);
}

std::vector<TrayMenuItem> CommandMenu(const TrayMenuState& state)
{
    auto popup = [&](TrayLabel label, bool forDelete) {
        TrayMenuItem item = Labelled(label, 0, state.current < 0);
        item.kind = TrayMenuItem::Popup;
        if (state.current >= 0)
            item.submenu = WindowSubmenu(state, forDelete);
        return item;
    };
    TrayMenuItem find = Labelled(TrayLabel::Find, ID_TRAY_FIND);
    find.title = state.findKey;
    return {find,
            Labelled(TrayLabel::UpdateSize, ID_TRAY_UPDATESIZE),
            Labelled(TrayLabel::Settings, ID_TRAY_SETTINGS, state.settingsOpen),
            Labelled(TrayLabel::Restore, ID_TRAY_RESTORE),
            Labelled(TrayLabel::CloseList, ID_TRAY_CLOSELIST, !state.closeListEnabled),
            Labelled(TrayLabel::Exit, ID_TRAY_EXIT),
            Separator(),
            popup(TrayLabel::Show, false),
            Separator(),
            popup(TrayLabel::Delete, true),
            Separator(),
            Labelled(TrayLabel::CloseMenu, ID_TRAY_CLOSEMENU)};
}

TrayCommand DecodeTrayCommand(int id)
{
    if (id >= ID_TRAY_DELETE_BASE && id < ID_TRAY_DELETE_BASE + kTrayMenuWindows)
        return {TrayCommand::Delete, id - ID_TRAY_DELETE_BASE};
    if (id >= ID_TRAY_SHOW_BASE && id < ID_TRAY_DELETE_BASE)
        return {TrayCommand::Show, id - ID_TRAY_SHOW_BASE};
    switch (id) {
    case ID_TRAY_SETTINGS:
        return {TrayCommand::Settings};
    case ID_TRAY_RESTORE:
        return {TrayCommand::Restore};
    case ID_TRAY_EXIT:
        return {TrayCommand::Exit};
    case ID_TRAY_CLOSEMENU:
        return {TrayCommand::CloseMenu};
    case ID_TRAY_UPDATESIZE:
        return {TrayCommand::UpdateSize};
    case ID_TRAY_CLOSELIST:
        return {TrayCommand::CloseList};
    case ID_TRAY_FIND:
        return {TrayCommand::Find};
    default:
        return {};
    }
}

TrayCommand ResolveTrayCommand(const std::vector<TrayMenuItem>& menu, int id, const std::vector<ListEntry>& entries)
{
    TrayCommand command = DecodeTrayCommand(id);
    if (command.kind == TrayCommand::Show || command.kind == TrayCommand::Delete) {
        const WindowHandle window = WindowOfCommand(menu, id);
        const auto found = std::find_if(entries.begin(), entries.end(),
                                        [window](const ListEntry& entry) { return window && entry.window == window; });
        command.entry = found == entries.end() ? -1 : static_cast<int>(found - entries.begin());
    }
    return command;
}
