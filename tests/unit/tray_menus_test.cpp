// The tray's menus as models: what each holds for a given list and state, the item texts' cut,
// and the commands, which never reach from one range into the other.
#include <gtest/gtest.h>

#include "app/mainwnd/tray_menus.h"
#include "app/win/unicode_text.h"
#include "hooklib/browser_kinds.h"

namespace {

const std::u16string kEllipsis = u" \u2026";

class TrayMenus : public ::testing::Test {
protected:
    TrayMenuState State(int current) { return {&entries, current, false, true, {}}; }
    void Add(const std::string& title, int type)
    {
        entries.push_back({0x100u + entries.size(), type, Utf16Of(title.c_str()), false, false});
    }
    std::vector<ListEntry> entries;
};

TEST_F(TrayMenus, EmptyListShowsNoWindowMenuAndGreysShowAndDelete)
{
    EXPECT_TRUE(WindowMenu(State(-1)).empty());
    const std::vector<TrayMenuItem> menu = CommandMenu(State(-1));
    ASSERT_EQ(12u, menu.size());
    EXPECT_EQ(TrayLabel::Find, menu[0].label);
    EXPECT_EQ(TrayLabel::Show, menu[7].label);
    EXPECT_TRUE(menu[7].grayed && menu[7].submenu.empty());
    EXPECT_TRUE(menu[9].grayed && menu[9].submenu.empty());
    EXPECT_FALSE(menu[0].grayed || menu[1].grayed || menu[2].grayed || menu[3].grayed || menu[4].grayed ||
                 menu[5].grayed);
    TrayMenuState sheetOpen = State(-1);
    sheetOpen.settingsOpen = true;
    sheetOpen.closeListEnabled = false;
    EXPECT_TRUE(CommandMenu(sheetOpen)[2].grayed) << "設定 while the sheet is open";
    EXPECT_TRUE(CommandMenu(sheetOpen)[4].grayed) << "Closeリスト while filtered windows are closed";
    sheetOpen.findKey = u"Ctrl+Alt+Space";
    EXPECT_EQ(u"Ctrl+Alt+Space", CommandMenu(sheetOpen)[0].title) << "the key beside it";
    EXPECT_EQ(TrayCommand::Find, DecodeTrayCommand(CommandMenu(sheetOpen)[0].command).kind);
}

TEST_F(TrayMenus, CurrentWindowIsTickedOthersCarryTheirBrowsersMark)
{
    Add("IE", BROWSER_IE);
    Add("Opera", BROWSER_OPERA_OP);
    Add("Mozilla", BROWSER_MOZILLA);
    const std::vector<TrayMenuItem> menu = WindowMenu(State(1));
    ASSERT_EQ(5u, menu.size()) << "three windows, a separator, メニュー閉じる";
    EXPECT_EQ(u" Opera", menu[1].title);
    EXPECT_TRUE(menu[1].checked && !menu[0].checked && !menu[2].checked);
    EXPECT_EQ(ID_TRAY_SHOW_BASE + 2, menu[2].command);
    EXPECT_EQ(BROWSER_MOZILLA, menu[2].mark);
    EXPECT_EQ(KindOf(BROWSER_OPERA_OUI)->menuMark, KindOf(BROWSER_OPERA_OP)->menuMark) << "one Op mark for both";
    const std::vector<TrayMenuItem> commands = CommandMenu(State(1));
    ASSERT_EQ(3u, commands[9].submenu.size());
    EXPECT_EQ(ID_TRAY_DELETE_BASE + 1, commands[9].submenu[1].command);
    EXPECT_TRUE(commands[9].submenu[1].checked);
}

// As wide as the code page's bytes made them: a wide character takes two of the 35 columns.
TEST_F(TrayMenus, LongTitlesAreCutByColumnsOnACharacterBoundary)
{
    const std::u16string a34(34, u'a');
    EXPECT_EQ(u" " + a34, TrayItemText(a34)) << "35 columns";
    EXPECT_EQ(u" " + std::u16string(33, u'a') + kEllipsis, TrayItemText(std::u16string(35, u'a')));
    // The item text's 34th and 35th columns are one Japanese character (日): it is not halved.
    const std::u16string title = std::u16string(32, u'a') + u"\u65E5\u672C";
    EXPECT_EQ(u" " + std::u16string(32, u'a') + kEllipsis, TrayItemText(title));
    // Nor an emoji, one character in two units.
    EXPECT_EQ(u" " + std::u16string(32, u'a') + kEllipsis, TrayItemText(std::u16string(32, u'a') + u"\U0001F600b"));
    EXPECT_EQ(u" Q&&A Caf\u00E9 \u2615 \uD55C", TrayItemText(u"Q&A Caf\u00E9 \u2615 \uD55C"))
        << "a title's & shows as written, every character as it is";
}

TEST_F(TrayMenus, ShowCommandsNeverReachTheDeleteRange)
{
    for (int i = 0; i < 44; ++i)
        Add("W" + std::to_string(i), BROWSER_IE);
    const std::vector<TrayMenuItem> menu = WindowMenu(State(40));
    EXPECT_EQ(static_cast<size_t>(kTrayMenuWindows) + 2, menu.size());
    const std::vector<TrayMenuItem> commands = CommandMenu(State(40));
    for (const TrayMenuItem& item : commands[7].submenu)
        EXPECT_LT(item.command, ID_TRAY_DELETE_BASE);
    for (const TrayMenuItem& item : commands[9].submenu)
        EXPECT_LT(item.command, ID_TRAY_DELETE_BASE + kTrayMenuWindows);
    EXPECT_EQ(TrayCommand::Show, DecodeTrayCommand(ID_TRAY_DELETE_BASE - 1).kind);
    EXPECT_EQ(32, DecodeTrayCommand(ID_TRAY_DELETE_BASE - 1).entry);
    EXPECT_EQ(TrayCommand::Delete, DecodeTrayCommand(ID_TRAY_DELETE_BASE).kind);
    EXPECT_EQ(TrayCommand::None, DecodeTrayCommand(ID_TRAY_DELETE_BASE + kTrayMenuWindows).kind);
    EXPECT_EQ(TrayCommand::Exit, DecodeTrayCommand(ID_TRAY_EXIT).kind);
    EXPECT_EQ(TrayCommand::None, DecodeTrayCommand(1005).kind);
}

// The menu holds while it is open; the list does not: a window opens at the top, another goes.
TEST_F(TrayMenus, CommandsFindTheirWindowAgainAfterTheListChanged)
{
    Add("A", BROWSER_IE);
    Add("B", BROWSER_IE);
    Add("C", BROWSER_IE);
    const std::vector<TrayMenuItem> menu = CommandMenu(State(0));
    entries.erase(entries.begin() + 1);
    entries.insert(entries.begin(), {0x999u, BROWSER_IE, u"N", false, false});  // now N, A, C
    EXPECT_EQ(1, ResolveTrayCommand(menu, ID_TRAY_SHOW_BASE + 0, entries).entry) << "A moved down";
    EXPECT_EQ(2, ResolveTrayCommand(menu, ID_TRAY_DELETE_BASE + 2, entries).entry) << "C stayed";
    const TrayCommand gone = ResolveTrayCommand(menu, ID_TRAY_DELETE_BASE + 1, entries);
    EXPECT_EQ(TrayCommand::Delete, gone.kind);
    EXPECT_EQ(-1, gone.entry) << "B is gone: nothing else is closed in its place";
    EXPECT_EQ(-1, ResolveTrayCommand({}, ID_TRAY_SHOW_BASE, entries).entry) << "no menu was shown";
    EXPECT_EQ(TrayCommand::Exit, ResolveTrayCommand(menu, ID_TRAY_EXIT, entries).kind);
}

}  // namespace
