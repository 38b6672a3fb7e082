// Where settings are kept: one section of a private-profile (INI) file. The program uses the
// Win32 profile functions on "Pelorus.ini"; the unit tests use a store in memory.
#pragma once

#include <string>
#include <vector>

class ProfileStore {
public:
    virtual ~ProfileStore() = default;
    // The key's value as an integer, as GetPrivateProfileInt reads it; FALLBACK when missing.
    virtual int GetInt(const char* key, int fallback) = 0;
    // The key's value into BUFFER of SIZE characters, cut to SIZE - 1; "" when missing. Returns
    // the length copied.
    virtual int GetString(const char* key, char* buffer, int size) = 0;
    // Writes the key; a null VALUE deletes it.
    virtual void WriteString(const char* key, const char* value) = 0;
    // The names of the keys the section holds, in file order.
    virtual std::vector<std::string> KeyNames() = 0;
};
