// The settings sheet in the real Pelorus.exe, driven as a user would: from the "設定" button, through
// its three tabs, left with OK; and what each change does to the windows, Pelorus.ini and the
// start-up shortcut.
#include <gtest/gtest.h>

#include <shlobj.h>

#include "kit/kit.h"
#include "pelorus_fixture.h"
#include "res/resource.h"
#include "settings/startup_link.h"

namespace {

using kit::TestBrowser;

// Text as the program's own (UTF-16) reaches a reader of the ANSI code page.
std::string Ansi(const wchar_t* text)
{
    char bytes[256] = "";
    WideCharToMultiByte(CP_ACP, 0, text, -1, bytes, sizeof bytes, nullptr, nullptr);
    return bytes;
}

class SettingsSheet : public PelorusTest {
protected:
    // The settings are written just after the sheet closes.
    bool WaitForKey(const char* key, const std::string& value)
    {
        return kit::WaitUntil([&] { return kit::ReadProfileString(IniPath(), "Pelorus", key) == value; });
    }
    // Opens the sheet (CAPTION) with the "設定" button and shows tab TAB; returns that tab's page.
    HWND OpenAt(int tab, const wchar_t* caption = L"Pelorus\u8A2D\u5B9A")
    {
        PostMessageW(main_, WM_COMMAND, MAKEWPARAM(IDC_BTN_SETTINGS, BN_CLICKED),
                     reinterpret_cast<LPARAM>(GetDlgItem(main_, IDC_BTN_SETTINGS)));
        HWND page = nullptr;  // once the sheet is made, with its pages
        kit::WaitUntil([&] {
            sheet_ = FindWindowW(nullptr, caption);
            if (sheet_ && SendMessageW(sheet_, PSM_SETCURSEL, tab, 0))
                page = reinterpret_cast<HWND>(SendMessageW(sheet_, PSM_GETCURRENTPAGEHWND, 0, 0));
            return page != nullptr;
        });
        return page;
    }
    void Check(HWND page, int box, bool on) { SendDlgItemMessageW(page, box, BM_SETCHECK, on ? BST_CHECKED : 0, 0); }
    bool PressOk()
    {
        PostMessageW(sheet_, PSM_PRESSBUTTON, PSBTN_OK, 0);
        return kit::WaitUntil([&] { return !IsWindow(sheet_); });
    }

    HWND sheet_ = nullptr;
};

TEST_F(SettingsSheet, EachTabsChangeIsCarriedOutAndSavedAndNothingElse)
{
    TestBrowser browser;
    ASSERT_TRUE(browser.started());
    Start("[Pelorus]\r\nTARGET_B=1\r\nFILTER_CHECK_POPUP=1\r\n");
    HWND a = browser.Open("class=IEFrame title=A");
    HWND popup = browser.Open("class=IEFrame title=Popup style=popup|caption|sysmenu");
    HWND opera = browser.Open("class=OpWindow \"title=Opera - [x]\" child=OUIWINDOW");
    ASSERT_TRUE(WaitForCount(2));
    const std::string before = kit::FileBytes(IniPath());

    ASSERT_TRUE(OpenAt(0));
    HWND tabs = FindWindowExW(sheet_, nullptr, WC_TABCONTROLW, nullptr);
    EXPECT_EQ(4, SendMessageW(tabs, TCM_GETITEMCOUNT, 0, 0));
    ASSERT_TRUE(PressOk());
    EXPECT_EQ(before, kit::FileBytes(IniPath())) << "OK without a change writes nothing";

    Check(OpenAt(0), IDC_PAGE_FILTER, true);  // フィルタを使用
    ASSERT_TRUE(PressOk());
    EXPECT_TRUE(kit::WaitUntil([&] { return ListedWindows() == std::vector<HWND>{a}; })) << "the pop-up is parked";
    EXPECT_TRUE(kit::WaitUntil([&] { return Hidden(popup) && Shown(a); })) << "A, the entry before it, is shown";
    EXPECT_TRUE(WaitForKey("FILTER", "1"));

    HWND page = OpenAt(2);
    Check(page, IDC_BROWSER_IE, false);  // no browser at all
    PostMessageW(sheet_, PSM_PRESSBUTTON, PSBTN_OK, 0);
    HWND box = nullptr;
    ASSERT_TRUE(kit::WaitUntil([&] { return (box = FindWindowW(L"#32770", L"Pelorus")) != nullptr; }));
    EXPECT_EQ(Ansi(L"\u30D6\u30E9\u30A6\u30B6\u304C\u9078\u629E\u3055\u308C\u3066\u3044\u307E\u305B\u3093"),
              kit::ControlText(GetDlgItem(box, 0xFFFF)));
    PostMessageW(box, WM_COMMAND, IDOK, 0);
    EXPECT_TRUE(kit::WaitUntil([&] { return !IsWindow(sheet_) && Items().empty(); }));
    EXPECT_TRUE(Shown(a)) << "given back to the desktop";
    EXPECT_TRUE(WaitForKey("TARGET_B", "0"));

    Check(OpenAt(2), IDC_BROWSER_OPERA, true);  // Opera: its open window is taken in
    ASSERT_TRUE(PressOk());
    EXPECT_TRUE(kit::WaitUntil([&] { return ListedWindows() == std::vector<HWND>{opera}; }));
    EXPECT_TRUE(WaitForKey("TARGET_B", "40"));
}

TEST_F(SettingsSheet, StartupShortcutIsCreatedAndRemovedFromTheStartupTab)
{
    Start();
    std::string link;
    ASSERT_TRUE(GetStartupLinkPath(kit::ProgramDirectory() + "\\Pelorus.exe", link));
    DeleteFileA(link.c_str());

    Check(OpenAt(1), IDC_START_ADD_LINK, true);  // スタートアップに登録する
    ASSERT_TRUE(PressOk());
    ASSERT_TRUE(kit::WaitUntil([&] { return GetFileAttributesA(link.c_str()) != INVALID_FILE_ATTRIBUTES; })) << link;
    ASSERT_EQ(S_OK, CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED));
    IShellLinkA* shell = nullptr;
    IPersistFile* file = nullptr;
    ASSERT_TRUE(SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                           reinterpret_cast<void**>(&shell))));
    ASSERT_TRUE(SUCCEEDED(shell->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file))));
    wchar_t wide[MAX_PATH];
    MultiByteToWideChar(CP_ACP, 0, link.c_str(), -1, wide, MAX_PATH);
    EXPECT_TRUE(SUCCEEDED(file->Load(wide, STGM_READ))) << link;
    char target[MAX_PATH] = "", description[MAX_PATH] = "";
    shell->GetPath(target, MAX_PATH, nullptr, 0);
    shell->GetDescription(description, MAX_PATH);
    EXPECT_EQ(0, lstrcmpiA(target, (kit::ProgramDirectory() + "\\Pelorus.exe").c_str())) << target;
    EXPECT_STREQ("Link to Vantor", description);
    file->Release();
    shell->Release();
    CoUninitialize();

    HWND page = OpenAt(1);
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(page, IDC_START_ADD_LINK))) << "the state in force, greyed";
    Check(page, IDC_START_REMOVE_LINK, true);  // スタートアップから削除する
    ASSERT_TRUE(PressOk());
    EXPECT_TRUE(kit::WaitUntil([&] { return GetFileAttributesA(link.c_str()) == INVALID_FILE_ATTRIBUTES; }));
}

// Japanese for a Japanese user (the suite's locale), English for any other (the 1252 run), until
// the start-up page chooses the other language, which speaks from the next start.
TEST_F(SettingsSheet, InterfaceSpeaksTheUsersLanguageUntilTheStartupPageChoosesTheOther)
{
    struct Words {
        const wchar_t *button, *sheet, *filterBox;
        const char* setting;
    };
    const Words japanese{L"\u8A2D\u5B9A", L"Pelorus\u8A2D\u5B9A", L"\u30D5\u30A3\u30EB\u30BF\u3092\u4F7F\u7528", "ja"};
    const Words english{L"&Settings", L"Pelorus Settings", L"Use filters", "en"};
    const bool japaneseUser = PRIMARYLANGID(GetUserDefaultUILanguage()) == LANG_JAPANESE;
    const Words& first = japaneseUser ? japanese : english;
    const Words& other = japaneseUser ? english : japanese;
    auto text = [](HWND control) {
        wchar_t words[64] = L"";
        SendMessageW(control, WM_GETTEXT, 64, reinterpret_cast<LPARAM>(words));
        return std::wstring(words);
    };
    Start();
    EXPECT_EQ(first.button, text(GetDlgItem(main_, IDC_BTN_SETTINGS)));
    HWND page = OpenAt(1, first.sheet);
    ASSERT_TRUE(page);
    SendDlgItemMessageW(page, IDC_START_LANGUAGE, CB_SETCURSEL, japaneseUser ? 1 : 2, 0);  // English, 日本語
    ASSERT_TRUE(PressOk());
    EXPECT_TRUE(WaitForKey("Language", other.setting));
    EXPECT_EQ(first.button, text(GetDlgItem(main_, IDC_BTN_SETTINGS))) << "until the next start";

    ASSERT_TRUE(ClosePelorus(pelorus_));
    ASSERT_TRUE(StartPelorus(pelorus_, kit::ProgramDirectory() + "\\Pelorus.exe"));
    ASSERT_NO_FATAL_FAILURE(FindMainWindow());
    EXPECT_EQ(other.button, text(GetDlgItem(main_, IDC_BTN_SETTINGS)));
    page = OpenAt(0, other.sheet);
    ASSERT_TRUE(page) << "the sheet's caption and pages in the other language too";
    EXPECT_EQ(other.filterBox, text(GetDlgItem(page, IDC_PAGE_FILTER)));
    PostMessageW(sheet_, PSM_PRESSBUTTON, PSBTN_CANCEL, 0);
    EXPECT_TRUE(kit::WaitUntil([&] { return !IsWindow(sheet_); }));
}

}  // namespace
