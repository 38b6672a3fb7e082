#include "mainwnd/settings_command.h"

#include <cstring>

#include "capture/close_list.h"
#include "capture/hook_binding.h"
#include "settings/profile_store_win.h"
#include "settings/settings_sheet.h"
#include "settings/startup_link.h"

namespace {

// The shortcut starts this program whatever its command line held: the module's full path.
std::string ProgramPath()
{
    char path[MAX_PATH] = "";
    const DWORD n = GetModuleFileNameA(nullptr, path, MAX_PATH);
    return n > 0 && n < MAX_PATH ? std::string(path, n) : std::string();
}

// The value a Store step makes take effect, by the setting's key.
int& ValueOf(const SettingsCommand& command, const char* key)
{
    MainDialogSettings& dialog = command.dialog;
    struct Field {
        const char* key;
        int& value;
    } fields[] = {{"EXIT_BROWSER", g_bExitBrowser}, {"TARGET_B", g_nTargetBrowser},
                  {"ListMode", dialog.m_nListMode}, {"NewWindowMode", dialog.m_nNewWindowMode},
                  {"Size_Pos", dialog.m_bSizePos},  {kStartupLinkKey, g_bStartupLink},
                  {"ICONIC", dialog.m_bIconic},     {"FILTER", g_bFilter}};
    for (Field& field : fields)
        if (std::strcmp(field.key, key) == 0)
            return field.value;
    static int unknown;  // a key the plan does not make: nothing of the program's
    return unknown;
}

void CarryOut(const SettingsCommand& command, const SheetStep& step, ProfileStore& store)
{
    switch (step.action) {
    case SheetAction::Store:
        ValueOf(command, step.key) = step.value;
        break;
    case SheetAction::WriteSetting:
        WriteSetting(store, step.key, step.value);
        break;
    case SheetAction::ChangeTargetBrowsers: {
        const SweepList fresh = command.list.ApplyTargetBrowserChange(step.old, step.value);
        WatchWindows(fresh, step.value);
        AnnounceWindows(fresh, step.value);
        break;
    }
    case SheetAction::SetHookMask:
        if (g_pfnSetTargetBrowser)  // without the library there is no hook to tell
            g_pfnSetTargetBrowser(step.value, 1);
        break;
    case SheetAction::EnableUpdateSize:
        EnableWindow(command.updateSizeButton, step.value != 0);
        break;
    case SheetAction::CreateStartupLink:
        CreateStartupLink(ProgramPath(), "", "");
        break;
    case SheetAction::DeleteStartupLink:
        DeleteStartupLink(ProgramPath());
        break;
    case SheetAction::CloseAllParked:
        CloseAllParked();
        break;
    case SheetAction::MovePopupsToCloseList:
        command.list.MovePopupsToCloseList();
        break;
    }
}

}  // namespace

bool RunSettingsCommand(const SettingsCommand& command)
{
    MainDialogSettings& dialog = command.dialog;
    g_bStartupLink = IsStartupLinkRegistered(ProgramPath(), command.mainWindow) ? 1 : 0;
    const SheetValues inForce{dialog.m_nListMode, dialog.m_nNewWindowMode, dialog.m_bSizePos, g_bFilter,
                              g_bStartupLink,     dialog.m_bIconic,        g_bExitBrowser,    g_nTargetBrowser};
    SheetValues values = inForce;
    MySettingPropsheet sheet(command.mainWindow, command.filterHost);
    if (!sheet.Run(values))
        return false;
    Win32ProfileStore store;
    for (const SheetStep& step : PlanSheetApply(inForce, values))
        CarryOut(command, step, store);
    return true;
}
