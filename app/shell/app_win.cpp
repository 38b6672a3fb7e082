// Pelorus.exe: the application. One copy per desktop; the main dialog runs modally and the
// process ends with it.
#include <windows.h>
#include <commctrl.h>

#include "mainwnd/main_dialog.h"

namespace {

// A crash must not take the user's browser windows with it: hidden ones are children of the
// relay window, which dies with this process.
LONG WINAPI ReleaseWindowsOnCrash(EXCEPTION_POINTERS*)
{
    if (CPelorusDlg* dialog = CPelorusDlg::Instance())
        dialog->ReleaseAllWindows();
    return EXCEPTION_CONTINUE_SEARCH;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, LPWSTR, int)
{
    if (FindWindowA(nullptr, "Pelorus_2"))
        return 0;  // another copy runs: end without a word and without touching it
    INITCOMMONCONTROLSEX icc = {sizeof icc, ICC_LISTVIEW_CLASSES};
    InitCommonControlsEx(&icc);
    SetUnhandledExceptionFilter(ReleaseWindowsOnCrash);
    CPelorusDlg dialog;
    dialog.DoModal();
    return 0;
}
