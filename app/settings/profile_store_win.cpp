#include "settings/profile_store_win.h"

#include <windows.h>
#include <shlobj.h>

#include "settings/settings_file.h"

namespace {

const char kSection[] = "Pelorus";
// Enough for any settings file a person writes; a larger section lists the keys that fit.
const DWORD kMaxKeyListSize = 1 << 22;

// The path in the ANSI code page, as the profile functions take it; its short form where the
// long one has characters the code page lacks; empty if neither will do.
std::string AnsiPath(const wchar_t* path)
{
    auto convert = [](const wchar_t* wide) {
        BOOL lossy = FALSE;
        const int size = WideCharToMultiByte(CP_ACP, 0, wide, -1, nullptr, 0, nullptr, &lossy);
        std::string ansi(size > 0 ? size : 1, '\0');
        if (size <= 0 || lossy || !WideCharToMultiByte(CP_ACP, 0, wide, -1, &ansi[0], size, nullptr, &lossy) ||
            lossy)
            return std::string();
        ansi.resize(size - 1);
        return ansi;
    };
    std::string ansi = convert(path);
    if (ansi.empty() && *path) {
        wchar_t shortPath[MAX_PATH];
        const DWORD length = GetShortPathNameW(path, shortPath, MAX_PATH);
        if (length > 0 && length < MAX_PATH)
            ansi = convert(shortPath);
    }
    return ansi;
}

std::string SpecialFolder(int csidl)
{
    wchar_t path[MAX_PATH] = L"";
    return SUCCEEDED(SHGetFolderPathW(nullptr, csidl, nullptr, SHGFP_TYPE_CURRENT, path)) ? AnsiPath(path) : "";
}

// Whether Pelorus.ini in the Windows directory can be written: opened for writing if it is there,
// else made and at once removed again, so that asking leaves nothing behind.
bool CanWrite(const std::string& file)
{
    HANDLE probe = CreateFileA(file.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                               nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (probe == INVALID_HANDLE_VALUE && GetLastError() == ERROR_FILE_NOT_FOUND)
        probe = CreateFileA(file.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                            FILE_ATTRIBUTE_TEMPORARY | FILE_FLAG_DELETE_ON_CLOSE, nullptr);
    if (probe == INVALID_HANDLE_VALUE)
        return false;
    CloseHandle(probe);
    return true;
}

}  // namespace

const std::string& SettingsFilePath()
{
    static const std::string path = [] {
        char windowsDir[MAX_PATH] = "";
        GetWindowsDirectoryA(windowsDir, MAX_PATH);
        const std::string appData = SpecialFolder(CSIDL_APPDATA);
        const SettingsFileChoice choice =
            ChooseSettingsFile(CanWrite(std::string(windowsDir) + "\\Pelorus.ini"), windowsDir, appData,
                               SpecialFolder(CSIDL_LOCAL_APPDATA), [](const std::string& file) {
                                   return GetFileAttributesA(file.c_str()) != INVALID_FILE_ATTRIBUTES;
                               });
        if (choice.path.find('\\') != std::string::npos)
            CreateDirectoryA((appData + "\\Pelorus").c_str(), nullptr);
        if (!choice.seedFrom.empty())
            CopyFileA(choice.seedFrom.c_str(), choice.path.c_str(), TRUE);
        return choice.path;
    }();
    return path;
}

Win32ProfileStore::Win32ProfileStore() : m_file(SettingsFilePath()) {}

int Win32ProfileStore::GetInt(const char* key, int fallback)
{
    return static_cast<int>(GetPrivateProfileIntA(kSection, key, fallback, m_file.c_str()));
}

int Win32ProfileStore::GetString(const char* key, char* buffer, int size)
{
    if (size <= 0)
        return 0;
    return static_cast<int>(
        GetPrivateProfileStringA(kSection, key, "", buffer, static_cast<DWORD>(size), m_file.c_str()));
}

void Win32ProfileStore::WriteString(const char* key, const char* value)
{
    WritePrivateProfileStringA(kSection, key, value, m_file.c_str());  // a failure leaves the file as it was
}

std::vector<std::string> Win32ProfileStore::KeyNames()
{
    // The key names come as a list of strings ending in an empty one; a list that did not fit
    // comes back cut at size - 2.
    std::vector<char> buffer(4096);
    DWORD length = 0;
    while (true) {
        length = GetPrivateProfileStringA(kSection, nullptr, "", buffer.data(), static_cast<DWORD>(buffer.size()),
                                          m_file.c_str());
        if (length + 2 < buffer.size() || buffer.size() >= kMaxKeyListSize)
            break;
        buffer.resize(buffer.size() * 4);
    }
    std::vector<std::string> names;
    for (DWORD i = 0; i < length && buffer[i];) {
        std::string name(&buffer[i]);
        i += static_cast<DWORD>(name.size()) + 1;
        names.push_back(std::move(name));
    }
    return names;
}
