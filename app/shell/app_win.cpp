// Pelorus.exe: the application. One copy per desktop; the main dialog runs modally and the
// process ends with it, once the relay window has given back every window it still holds.
#include <windows.h>
#include <commctrl.h>
#include <objbase.h>

#include "capture/relay_window.h"
#include "closelist/close_list_dialog.h"
#include "mainwnd/main_dialog.h"
#include "shell/about_dialog.h"

namespace {

// A crash must not take the user's browser windows with it: hidden ones are children of the
// relay window, which dies with this process.
LONG WINAPI ReleaseWindowsOnCrash(EXCEPTION_POINTERS*)
{
    ReleaseHiddenWindows();
    return EXCEPTION_CONTINUE_SEARCH;
}

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
    INITCOMMONCONTROLSEX icc = {sizeof icc, ICC_LISTVIEW_CLASSES | ICC_TAB_CLASSES | ICC_UPDOWN_CLASS};
    InitCommonControlsEx(&icc);
    SetUnhandledExceptionFilter(ReleaseWindowsOnCrash);
    const bool com = SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED));  // for the start-up shortcut
    {
        CPelorusDlg dialog({OpenAboutBox, RunCloseListDialog});
        dialog.DoModal();
    }
    if (com)
        CoUninitialize();
    // A window that did not answer is still under the relay window; it dies with this process.
    WaitForRelayThread();
    return 0;
}
