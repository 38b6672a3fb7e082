// The settings file through the Win32 private-profile functions: section "Pelorus" of Pelorus.ini,
// which the functions keep in the Windows directory when it is named without a directory.
#pragma once

#include <string>

#include "settings/profile_store.h"

class Win32ProfileStore : public ProfileStore {
public:
    // The program's own settings file (SettingsFilePath), or FILE_NAME.
    Win32ProfileStore();
    explicit Win32ProfileStore(std::string fileName) : m_file(std::move(fileName)) {}

    int GetInt(const char* key, int fallback) override;
    int GetString(const char* key, char* buffer, int size) override;
    void WriteString(const char* key, const char* value) override;
    std::vector<std::string> KeyNames() override;

private:
    std::string m_file;
};

// "Pelorus.ini" (in the Windows directory) where a file can be made there; else the user's
// application data, chosen once a run (see settings_file.h).
const std::string& SettingsFilePath();
