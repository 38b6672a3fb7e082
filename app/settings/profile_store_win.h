// The settings file through the Win32 private-profile functions: section "Pelorus" of a file
// named without a directory, which the functions keep in the Windows directory.
#pragma once

#include <string>

#include "settings/profile_store.h"

class Win32ProfileStore : public ProfileStore {
public:
    explicit Win32ProfileStore(std::string fileName = "Pelorus.ini") : m_file(std::move(fileName)) {}

    int GetInt(const char* key, int fallback) override;
    int GetString(const char* key, char* buffer, int size) override;
    void WriteString(const char* key, const char* value) override;
    std::vector<std::string> KeyNames() override;

private:
    std::string m_file;
};
