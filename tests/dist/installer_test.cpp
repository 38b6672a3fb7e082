// The 64-bit installer as a user meets it, in a fresh Wine prefix: installed silently, the
// installed Pelorus captures a browser window, and the silent uninstaller ends it politely (the
// window is given back), removes the files, the shortcut and its entry in "Apps & features", and
// leaves the settings file alone. The hook library may still be loaded in a browser that ran the
// hook (Wine keeps it until the process ends): it is moved aside, to go at the next restart, as
// a file in use does on Windows. The installer's path comes in PELORUS_INSTALLER.
#include <windows.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include <cstdlib>

#include "kit/kit.h"
#include "pelorus_process.h"
#include "pelorus_version.h"

namespace {

const char kUninstallKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Pelorus";

std::string Folder(int csidl)
{
    char path[MAX_PATH] = "";
    SHGetFolderPathA(nullptr, csidl, nullptr, SHGFP_TYPE_CURRENT, path);
    return path;
}

bool Exists(const std::string& path)
{
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

// The value NAME of the uninstall entry in the 64-bit registry, or nothing if there is no entry.
bool UninstallValue(const char* name, std::string& value)
{
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, kUninstallKey, 0, KEY_READ | KEY_WOW64_64KEY, &key) != ERROR_SUCCESS)
        return false;
    char buffer[MAX_PATH] = "";
    DWORD size = sizeof buffer;
    const bool found = RegQueryValueExA(key, name, nullptr, nullptr, reinterpret_cast<BYTE*>(buffer), &size) == 0;
    RegCloseKey(key);
    value = found ? buffer : "";
    return true;
}

TEST(Installer, InstallsRunsAndUninstallsLeavingTheSettings)
{
    const char* installer = std::getenv("PELORUS_INSTALLER");
    ASSERT_TRUE(installer && Exists(installer)) << "PELORUS_INSTALLER names the x64 installer";
    const std::string dir = Folder(CSIDL_PROGRAM_FILES) + "\\Pelorus";
    const std::string shortcut = Folder(CSIDL_COMMON_PROGRAMS) + "\\Pelorus.lnk";

    kit::ChildProcess setup;
    ASSERT_TRUE(setup.Start(installer, "/S", false));
    ASSERT_TRUE(setup.WaitExit(60000));
    EXPECT_EQ(0u, setup.ExitCode());
    for (const char* file : {"Pelorus.exe", "PelorusKeeper.exe", "PelorusLib.dll", "readme.txt", "uninstall.exe"})
        EXPECT_TRUE(Exists(dir + "\\" + file)) << file;
    EXPECT_TRUE(Exists(shortcut));
    std::string value;
    ASSERT_TRUE(UninstallValue("DisplayVersion", value)) << "registered under Apps & features";
    EXPECT_EQ(PELORUS_VERSION_STRING, value);
    ASSERT_TRUE(UninstallValue("QuietUninstallString", value));
    EXPECT_EQ("\"" + dir + "\\uninstall.exe\" /S", value);

    ASSERT_TRUE(WriteIni("[Pelorus]\r\nTARGET_B=1\r\nMINE=kept\r\n"));
    kit::TestBrowser browser;
    ASSERT_TRUE(browser.started());
    kit::ChildProcess pelorus;
    ASSERT_TRUE(StartPelorus(pelorus, dir + "\\Pelorus.exe"));
    HWND a = browser.Open("class=IEFrame title=A"), b = browser.Open("class=IEFrame title=B");
    ASSERT_TRUE(kit::WaitUntil([&] { return kit::ParentOf(a) == RelayWindow() && kit::IsTopLevel(b); }))
        << "the installed Pelorus captures";

    kit::ChildProcess uninstaller;
    ASSERT_TRUE(uninstaller.Start(dir + "\\uninstall.exe", "/S", false));
    EXPECT_TRUE(pelorus.WaitExit(30000)) << "asked to close";
    EXPECT_EQ(0u, pelorus.ExitCode()) << "and closed as a user closes it";
    EXPECT_TRUE(kit::WaitUntil([&] { return kit::IsTopLevel(a) && IsWindowVisible(a); })) << "A given back";
    // The uninstaller runs on from a copy of itself, so the files are waited for.
    EXPECT_TRUE(kit::WaitUntil([&] { return !Exists(dir + "\\uninstall.exe"); }, 30000));
    for (const char* file : {"Pelorus.exe", "PelorusKeeper.exe", "PelorusLib.dll", "readme.txt"})
        EXPECT_FALSE(Exists(dir + "\\" + file)) << file;
    EXPECT_TRUE(kit::WaitUntil([&] { return !UninstallValue("DisplayVersion", value); }, 30000))
        << "the entry removed";
    EXPECT_FALSE(Exists(shortcut));
    EXPECT_EQ("kept", kit::ReadProfileString(IniPath(), "Pelorus", "MINE", "")) << "the settings left alone";
}

}  // namespace
