// Where Pelorus.ini lives. By name alone the profile functions keep it in the Windows directory,
// where Pelorus has always kept it; but a program with a manifest (and every 64-bit program) is
// not redirected to a private copy when it may not write there, as a standard user on a Windows
// with user account control may not. Then it lives in the user's application data instead, first
// filled from the copy that was in use so far, so that no setting is lost on the way; and once it
// lives there it stays there, whatever the rights of a later run.
#pragma once

#include <functional>
#include <string>

struct SettingsFileChoice {
    std::string path;      // for the profile functions: the bare name means the Windows directory
    std::string seedFrom;  // a file to copy to PATH first, or empty
};

// WINDOWS_DIR_WRITABLE: the Windows directory's Pelorus.ini can be written (or made). APP_DATA,
// LOCAL_APP_DATA: the user's folders, empty where unknown or not namable in the ANSI code page
// (the profile functions' paths). EXISTS tells whether a file is there.
SettingsFileChoice ChooseSettingsFile(bool windowsDirWritable, const std::string& windowsDir,
                                      const std::string& appData, const std::string& localAppData,
                                      const std::function<bool(const std::string&)>& exists);
