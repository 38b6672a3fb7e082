#include "mainwnd/settings_command.h"

#include "capture/hook_binding.h"
#include "mainwnd/hotkeys_win.h"
#include "settings/profile_store_win.h"
#include "settings/settings_sheet.h"
#include "settings/sheet_values.h"
#include "settings/startup_link.h"

namespace {

// The shortcut starts this program whatever its command line held: the module's full path.
std::string ProgramPath()
{
    char path[MAX_PATH] = "";
    const DWORD n = GetModuleFileNameA(nullptr, path, MAX_PATH);
    return n > 0 && n < MAX_PATH ? std::string(path, n) : std::string();
}

class Effects : public SheetEffects {
public:
    explicit Effects(const SettingsCommand& command) : m_command(command) {}

    void ChangeTargetBrowsers(int oldMask, int newMask) override
    {
        const SweepList fresh = m_command.list.ApplyTargetBrowserChange(oldMask, newMask);
        WatchWindows(fresh, newMask);
        AnnounceWindows(fresh, newMask);
    }
    void SetHookMask(int mask) override { SetHookLibraryMask(mask); }
    void EnableUpdateSize(bool enabled) override { EnableWindow(m_command.updateSizeButton, enabled); }
    void CreateStartupLink() override { ::CreateStartupLink(ProgramPath(), "", ""); }
    void DeleteStartupLink() override { ::DeleteStartupLink(ProgramPath()); }
    void CloseAllParked() override { m_command.capture.CloseAllParked(); }
    void MovePopupsToCloseList() override { m_command.list.MovePopupsToCloseList(); }
    void RegisterHotkeys() override { PostMessageW(m_command.mainWindow, WM_HOTKEYS_CHANGED, 0, 0); }

private:
    const SettingsCommand& m_command;
};

}  // namespace

bool RunSettingsCommand(const SettingsCommand& command)
{
    const int startupLink = IsStartupLinkRegistered(ProgramPath(), command.mainWindow) ? 1 : 0;
    const SheetValues inForce = SheetValuesInForce(command.settings.Values(), startupLink);
    SheetValues values = inForce;
    MySettingPropsheet sheet(command.mainWindow, command.settings, command.filterHost);
    if (!sheet.Run(values))
        return false;
    Win32ProfileStore store;
    Effects effects(command);
    command.settings.ApplySheet(store, PlanSheetApply(inForce, values), effects);
    return true;
}
