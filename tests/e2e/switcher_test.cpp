// The switcher in the real Pelorus.exe: opened by its key (posted as the system posts it), typed
// into and chosen from by keyboard, with the main window open and in the tray, over titles in
// several scripts; and the platform's comparison it finds with.
#include <gtest/gtest.h>

#include "kit/kit.h"
#include "mainwnd/tray_icon.h"
#include "pelorus_fixture.h"
#include "settings/hotkeys.h"
#include "win/text_search_win.h"

namespace {

using kit::TestBrowser;

class Switcher : public PelorusTest {
protected:
    // The switcher's box, once its key has opened it.
    HWND Open()
    {
        PostMessageW(main_, WM_HOTKEY, static_cast<WPARAM>(Hotkey::Find), 0);
        HWND box = nullptr;
        kit::WaitUntil([&] {
            for (HWND top : kit::FindTopWindows("#32770", ""))
                if (top != main_ && IsWindowVisible(top) && (box = GetDlgItem(top, IDC_SWITCHER_QUERY)))
                    return true;
            return false;
        });
        return box;
    }
    static void Type(HWND box, const std::u16string& text)
    {
        for (char16_t c : text)
            PostMessageW(box, WM_CHAR, c, 0);
    }
    static bool Ends(HWND box, WPARAM key)
    {
        HWND dialog = GetParent(box);
        PostMessageW(box, WM_KEYDOWN, key, 0);
        return kit::WaitUntil([&] { return !IsWindow(dialog); });
    }
};

TEST(LinguisticSearch, IgnoresCaseAccentsWidthAndKana)
{
    CLinguisticSearch search;
    size_t at = 0, length = 0;
    EXPECT_TRUE(search.Find(u"Caf\u00E9 - Edge", u"CAFE", 0, at, length) && at == 0) << "case and accent";
    EXPECT_TRUE(search.Find(u"\uFF21\uFF22\uFF23 news", u"abc", 0, at, length)) << "full width";
    EXPECT_TRUE(search.Find(u"\u4ECA\u65E5\u306E\u30CB\u30E5\u30FC\u30B9", u"\u306B\u3085\u30FC\u3059", 0, at, length) &&
                at == 3)
        << "hiragana for katakana";
    EXPECT_FALSE(search.Find(u"Weather", u"news", 0, at, length));
}

TEST_F(Switcher, FindsAWindowByTypingInAnyScriptAndEscapeChangesNothing)
{
    TestBrowser browser;
    ASSERT_TRUE(browser.started());
    Start("[Pelorus]\r\nTARGET_B=1\r\n");
    std::vector<HWND> w;
    for (const char* title : {"Caf\xC3\xA9 - Microsoft Internet Explorer",
                              "\xE3\x83\x8B\xE3\x83\xA5\xE3\x83\xBC\xE3\x82\xB9",  // ニュース
                              "\xE5\xA4\xA9\xE6\xB0\x97 forecast",  // the fake reads commands in the code page: no 0x97 before a quote
                              "\xD0\x9D\xD0\xBE\xD0\xB2\xD0\xBE\xD1\x81\xD1\x82\xD0\xB8 ru",
                              "News digest", "Weather"})
        w.push_back(browser.Open(std::string("class=IEFrame utf8 \"title=") + title + "\""));
    ASSERT_TRUE(WaitForCount(6));
    ASSERT_TRUE(kit::WaitUntil([&] { return Shown(w[5]); }));
    auto only = [&](HWND shown) {
        return kit::WaitUntil([&] {
            for (HWND each : w)
                if ((each == shown) != Shown(each))
                    return false;
            return true;
        });
    };

    HWND box = Open();
    ASSERT_TRUE(box);
    Type(box, u"cafe");
    EXPECT_TRUE(Ends(box, VK_RETURN));
    EXPECT_TRUE(only(w[0])) << "Caf\u00E9, typed without its accent";

    ASSERT_TRUE(box = Open());
    Type(box, u"\u306B\u3085\u30FC\u3059");  // にゅーす
    EXPECT_TRUE(Ends(box, VK_RETURN));
    EXPECT_TRUE(only(w[1])) << "the katakana title, typed in hiragana";

    ASSERT_TRUE(box = Open());
    Type(box, u"zzz");
    PostMessageW(box, WM_KEYDOWN, VK_RETURN, 0);  // nothing matches: Enter does nothing
    Type(box, u"\b\b\bnews");
    EXPECT_TRUE(Ends(box, VK_ESCAPE));
    EXPECT_TRUE(only(w[1])) << "Escape changes nothing";

    PostMessageW(main_, WM_SYSCOMMAND, SC_MINIMIZE, 0);
    ASSERT_TRUE(kit::WaitUntil([&] { return !IsWindowVisible(main_); }));
    ASSERT_TRUE(box = Open());
    Type(box, u"WEA");
    EXPECT_TRUE(Ends(box, VK_RETURN));
    EXPECT_TRUE(only(w[5])) << "from the tray alike";
    EXPECT_FALSE(IsWindowVisible(main_)) << "Pelorus stays in the tray";

    // In the list itself, typing selects the first row that holds what was typed.
    PostMessageW(main_, WM_COMMAND, ID_TRAY_RESTORE, 0);
    ASSERT_TRUE(kit::WaitUntil([&] { return IsWindowVisible(main_); }));
    Type(list_, u"dig");
    EXPECT_TRUE(kit::WaitUntil([&] { return SelectedIndex() == 4; })) << "News digest";
    PostMessageW(list_, WM_KEYDOWN, VK_RETURN, 0);
    EXPECT_TRUE(only(w[4])) << "and Enter shows it";
}

}  // namespace
