#include "settings/settings_file.h"

namespace {

const char kFileName[] = "Pelorus.ini";

}  // namespace

SettingsFileChoice ChooseSettingsFile(bool windowsDirWritable, const std::string& windowsDir,
                                      const std::string& appData, const std::string& localAppData,
                                      const std::function<bool(const std::string&)>& exists)
{
    if (appData.empty())
        return {kFileName, ""};
    SettingsFileChoice choice{appData + "\\Pelorus\\" + kFileName, ""};
    if (exists(choice.path))
        return choice;
    if (windowsDirWritable)
        return {kFileName, ""};
    // The copy in use so far: the Windows directory's, or the private one that Windows made for
    // Pelorus while it ran without a manifest.
    const std::string windows = windowsDir + "\\" + kFileName;
    const std::string virtualStore =
        localAppData.empty() || windowsDir.size() < 2
            ? std::string()
            : localAppData + "\\VirtualStore" + windowsDir.substr(2) + "\\" + kFileName;  // no drive
    if (!virtualStore.empty() && exists(virtualStore))
        choice.seedFrom = virtualStore;
    else if (exists(windows))
        choice.seedFrom = windows;
    return choice;
}
