// Pelorus.exe: the application. One copy per desktop; the main dialog runs modally and the
// process ends with it. Hidden browser windows live in the keeper's relay window, which gives
// them back however this process ends, a crash included.
#include <windows.h>
#include <commctrl.h>
#include <objbase.h>

#include "mainwnd/main_dialog.h"
#include "settings/profile_store_win.h"
#include "shell/about_dialog.h"
#include "ui/resources.h"

namespace {

void OpenAboutBox(HWND owner)
{
    CAboutDlg about;
    about.DoModal(owner);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, LPWSTR, int)
{
    if (FindWindowA(nullptr, "Pelorus_2"))
        return 0;  // another copy runs: end without a word and without touching it
    Win32ProfileStore store;  // the language first: every dialog and text is taken in it
    SetResourceLanguage(ChooseUiLanguage(LoadLanguageChoice(store), GetUserDefaultUILanguage()));
    INITCOMMONCONTROLSEX icc = {sizeof icc, ICC_LISTVIEW_CLASSES | ICC_TAB_CLASSES | ICC_UPDOWN_CLASS};
    InitCommonControlsEx(&icc);
    const bool com = SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED));  // for the start-up shortcut
    {
        CPelorusDlg dialog({OpenAboutBox});
        dialog.DoModal();
    }
    if (com)
        CoUninitialize();
    return 0;
}
