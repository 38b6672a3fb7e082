// dialog_preview.exe: opens Pelorus's dialogs for a look (and the screenshots in docs/).
//   dialog_preview.exe filter      the filter settings dialog over the settings in Pelorus.ini
//   dialog_preview.exe closelist   clicks "Closeリスト" in the running Pelorus
// The filter dialog is opened from the settings sheet, which is not built yet; here it runs with
// no browser selected and with nothing parked to close.
#include <windows.h>
#include <commctrl.h>

#include <cstring>

#include "res/resource.h"
#include "settings/filter_dialog.h"
#include "settings/profile_store_win.h"
#include "settings/settings_model.h"

namespace {

class NoMainWindow : public FilterDialogHost {
    bool SelectedBrowserUrl(std::string&) override { return false; }
    bool SelectedBrowserTitle(std::string&) override { return false; }
    void CloseAllParked() override {}
};

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR commandLine, int)
{
    INITCOMMONCONTROLSEX icc = {sizeof icc, ICC_UPDOWN_CLASS | ICC_LISTVIEW_CLASSES};
    InitCommonControlsEx(&icc);
    if (std::strcmp(commandLine, "closelist") == 0) {
        HWND main = FindWindowA(nullptr, "Pelorus_2");
        HWND button = GetDlgItem(main, IDC_BTN_CLOSE_LIST);
        return main && PostMessageW(main, WM_COMMAND, MAKEWPARAM(IDC_BTN_CLOSE_LIST, BN_CLICKED),
                                    reinterpret_cast<LPARAM>(button))
                   ? 0
                   : 1;
    }
    if (std::strcmp(commandLine, "filter") != 0)
        return 2;
    Win32ProfileStore store;
    MainDialogSettings settings;
    StoredPosition position;
    LoadSettings(store, settings, position);
    NoMainWindow host;
    CFilterDlg dialog(host);
    dialog.DoModal();
    return 0;
}
