// dialog_preview.exe: opens Pelorus's dialogs for a look (and the screenshots in docs/).
//   dialog_preview.exe filter      the filter settings dialog over the settings in Pelorus.ini
//   dialog_preview.exe closelist   clicks "Closeリスト" in the running Pelorus
//   dialog_preview.exe settings    clicks "設定" in the running Pelorus
//   dialog_preview.exe tab N       shows tab N (0 to 3) of the open settings sheet
//   dialog_preview.exe dismiss     cancels whichever of those dialogs (or the About box) is open
//   dialog_preview.exe minimize    minimises the running Pelorus (into the tray)
//   dialog_preview.exe exit        closes the running Pelorus, as its close box does
//   dialog_preview.exe traymenu left|right   the tray icon's callback for a click
//   dialog_preview.exe menuescape  closes the open menu, as Escape does
//   dialog_preview.exe find TEXT   opens the running Pelorus's switcher by its key and types TEXT
//   dialog_preview.exe windows     lists every top-level window
//   dialog_preview.exe rect [menu]  the foreground window's (or the open menu's) rectangle, as
//                                  an ImageMagick crop, WxH+X+Y
// The filter dialog is opened from the settings sheet, which is not built yet; here it runs with
// no browser selected and with nothing parked to close.
#include <windows.h>
#include <commctrl.h>

#include <cstdlib>
#include <cstdio>
#include <cstring>

#include "res/resource.h"
#include "settings/filter_dialog.h"
#include "settings/profile_store_win.h"
#include "settings/settings_model.h"
#include "ui/resources.h"

namespace {

class NoMainWindow : public FilterDialogHost {
    bool SelectedBrowserUrl(std::u16string&) override { return false; }
    bool SelectedBrowserTitle(std::u16string&) override { return false; }
    void CloseAllParked() override {}
};

BOOL CALLBACK PrintWindow(HWND hwnd, LPARAM)
{
    char name[256] = "", title[256] = "";
    GetClassNameA(hwnd, name, sizeof name);
    GetWindowTextA(hwnd, title, sizeof title);
    RECT rc = {};
    GetWindowRect(hwnd, &rc);
    std::printf("%p %s \"%s\" %s (%ld,%ld)-(%ld,%ld)\n", static_cast<void*>(hwnd), name, title,
                IsWindowVisible(hwnd) ? "visible" : "hidden", rc.left, rc.top, rc.right, rc.bottom);
    return TRUE;
}

BOOL CALLBACK FindShownMenu(HWND hwnd, LPARAM found)
{
    char name[16] = "";
    GetClassNameA(hwnd, name, sizeof name);
    if (std::strcmp(name, "#32768") != 0 || !IsWindowVisible(hwnd))
        return TRUE;
    *reinterpret_cast<HWND*>(found) = hwnd;
    return FALSE;
}

int PrintCrop(bool menu)
{
    HWND window = GetForegroundWindow();
    if (menu) {
        window = nullptr;
        EnumWindows(FindShownMenu, reinterpret_cast<LPARAM>(&window));
    }
    RECT rc = {};
    if (!window || !GetWindowRect(window, &rc))
        return 1;
    std::printf("%ldx%ld+%ld+%ld\n", rc.right - rc.left, rc.bottom - rc.top, rc.left, rc.top);
    return 0;
}

bool ClickInPelorus(int button)
{
    HWND main = FindWindowA(nullptr, "Pelorus_2");
    return main && PostMessageW(main, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED),
                                reinterpret_cast<LPARAM>(GetDlgItem(main, button)));
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR commandLine, int)
{
    INITCOMMONCONTROLSEX icc = {sizeof icc, ICC_UPDOWN_CLASS | ICC_LISTVIEW_CLASSES};
    InitCommonControlsEx(&icc);
    if (std::strcmp(commandLine, "closelist") == 0)
        return ClickInPelorus(IDC_BTN_CLOSE_LIST) ? 0 : 1;
    if (std::strcmp(commandLine, "settings") == 0)
        return ClickInPelorus(IDC_BTN_SETTINGS) ? 0 : 1;
    if (std::strcmp(commandLine, "windows") == 0) {  // every top-level window, for a look at the desktop
        EnumWindows(PrintWindow, 0);
        return 0;
    }
    if (std::strcmp(commandLine, "menuescape") == 0) {
        HWND menu = nullptr;
        EnumWindows(FindShownMenu, reinterpret_cast<LPARAM>(&menu));
        return menu && PostMessageW(menu, WM_KEYDOWN, VK_ESCAPE, 0) ? 0 : 1;
    }
    if (std::strncmp(commandLine, "find ", 5) == 0) {  // the switcher on its key, TEXT typed into it
        HWND main = FindWindowA(nullptr, "Pelorus_2");
        if (!main || !PostMessageW(main, WM_HOTKEY, 4, 0))  // Hotkey::Find
            return 1;
        HWND box = nullptr;
        for (int i = 0; i < 100 && !box; ++i, Sleep(50))
            if (HWND dialog = GetForegroundWindow())
                box = GetDlgItem(dialog, IDC_SWITCHER_QUERY);
        const wchar_t* text = wcsstr(GetCommandLineW(), L"find ");  // in Unicode, whatever the code page
        for (const wchar_t* c = text ? text + 5 : L""; box && *c; ++c)
            PostMessageW(box, WM_CHAR, *c, 0);
        return box ? 0 : 1;
    }
    if (std::strncmp(commandLine, "rect", 4) == 0)
        return PrintCrop(std::strcmp(commandLine, "rect menu") == 0);
    if (std::strncmp(commandLine, "traymenu ", 9) == 0) {
        HWND main = FindWindowA(nullptr, "Pelorus_2");
        const LPARAM click = std::strcmp(commandLine + 9, "right") == 0 ? WM_RBUTTONDOWN : WM_LBUTTONDOWN;
        return main && PostMessageW(main, WM_APP + 5, 1000, click) ? 0 : 1;
    }
    if (std::strcmp(commandLine, "minimize") == 0) {
        HWND main = FindWindowA(nullptr, "Pelorus_2");
        return main && PostMessageW(main, WM_SYSCOMMAND, SC_MINIMIZE, 0) ? 0 : 1;
    }
    if (std::strcmp(commandLine, "exit") == 0) {
        HWND main = FindWindowA(nullptr, "Pelorus_2");
        return main && PostMessageW(main, WM_CLOSE, 0, 0) ? 0 : 1;
    }
    HWND sheet = FindWindowW(nullptr, L"Pelorus\u8A2D\u5B9A");
    if (!sheet)
        sheet = FindWindowW(nullptr, L"Pelorus Settings");
    if (std::strncmp(commandLine, "tab ", 4) == 0)
        return sheet && PostMessageW(sheet, PSM_SETCURSEL, std::atoi(commandLine + 4), 0) ? 0 : 1;
    if (std::strcmp(commandLine, "dismiss") == 0) {
        if (sheet)
            PostMessageW(sheet, PSM_PRESSBUTTON, PSBTN_CANCEL, 0);
        for (const wchar_t* caption :
             {L"\u30D5\u30A3\u30EB\u30BF\u8A2D\u5B9A", L"Pelorus_2(Close\u30EA\u30B9\u30C8\uFF09", L"Filter Settings",
              L"Parked windows (Close list)", L"Pelorus\u306E\uFF8A\uFF9E\uFF70\uFF7C\uFF9E\uFF6E\uFF9D\u60C5\u5831", L"About Pelorus"})
            if (HWND dialog = FindWindowW(nullptr, caption))
                PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
        return 0;
    }
    if (std::strcmp(commandLine, "filter") != 0)
        return 2;
    Win32ProfileStore store;
    SetResourceLanguage(ChooseUiLanguage(LoadLanguageChoice(store), GetUserDefaultUILanguage()));
    CSettingsModel settings;
    StoredPosition position;
    settings.Load(store, position, SystemCodePage());
    NoMainWindow host;
    CFilterDlg dialog(settings, host);
    dialog.DoModal();
    return 0;
}
