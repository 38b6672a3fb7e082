#include "settings/startup_link.h"

#include <windows.h>
#include <shlobj.h>

#include "res/resource.h"
#include "ui/message_box.h"
#include "ui/resources.h"

namespace {

// The shell-link object's two interfaces, released (IPersistFile first) when it goes.
class LinkInterfaces {
public:
    LinkInterfaces()
    {
        if (SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                       reinterpret_cast<void**>(&m_link))))
            m_link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&m_file));
    }
    ~LinkInterfaces()
    {
        if (m_file)
            m_file->Release();
        if (m_link)
            m_link->Release();
    }
    LinkInterfaces(const LinkInterfaces&) = delete;
    LinkInterfaces& operator=(const LinkInterfaces&) = delete;

    bool ok() const { return m_link && m_file; }
    IShellLinkA* link() const { return m_link; }
    IPersistFile* file() const { return m_file; }

private:
    IShellLinkA* m_link = nullptr;
    IPersistFile* m_file = nullptr;
};

// A path in the code page as the shell link's file takes it: UTF-16, cut to a path's length.
struct WidePath {
    explicit WidePath(const std::string& text)
    {
        MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, units, static_cast<int>(kMaxPathBytes));
        units[kMaxPathBytes - 1] = L'\0';
    }
    wchar_t units[kMaxPathBytes] = L"";
};

bool SaveLink(const std::string& programPath, const std::string& workingDir, const std::string& arguments)
{
    std::string linkPath;
    if (!GetStartupLinkPath(programPath, linkPath))
        return false;
    LinkInterfaces shell;
    if (!shell.ok())
        return false;
    HRESULT hr = shell.link()->SetPath(programPath.c_str());
    if (!arguments.empty())
        hr = shell.link()->SetArguments(arguments.c_str());
    if (FAILED(hr) || FAILED(shell.link()->SetDescription("Link to Vantor")))
        return false;
    shell.link()->SetWorkingDirectory(workingDir.c_str());
    return SUCCEEDED(shell.file()->Save(WidePath(linkPath).units, TRUE));
}

}  // namespace

bool GetStartupFolder(std::string& folder)
{
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders", 0,
                      KEY_READ, &key) != ERROR_SUCCESS)
        return false;
    char value[512] = "";
    DWORD size = sizeof value - 1;
    DWORD type = 0;
    const LONG read = RegQueryValueExA(key, "Startup", nullptr, &type, reinterpret_cast<BYTE*>(value), &size);
    RegCloseKey(key);
    if (read != ERROR_SUCCESS)
        return false;
    value[size < sizeof value ? size : sizeof value - 1] = '\0';
    folder = value;
    return true;
}

bool GetStartupLinkPath(const std::string& programPath, std::string& linkPath)
{
    std::string folder;
    return GetStartupFolder(folder) && LinkPathIn(folder, programPath, linkPath);
}

bool IsStartupLinkRegistered(const std::string& programPath, void* owner)
{
    std::string linkPath;
    if (!GetStartupLinkPath(programPath, linkPath))
        return false;
    LinkInterfaces shell;
    if (!shell.ok() || FAILED(shell.file()->Load(WidePath(linkPath).units, STGM_READ)) ||
        FAILED(shell.link()->Resolve(static_cast<HWND>(owner), SLR_ANY_MATCH)))
        return false;
    char target[kMaxPathBytes] = "";
    WIN32_FIND_DATAA found = {};
    return SUCCEEDED(shell.link()->GetPath(target, sizeof target, &found, SLGP_SHORTPATH));
}

void CreateStartupLink(const std::string& programPath, const std::string& workingDir, const std::string& arguments)
{
    if (!SaveLink(programPath, workingDir, arguments))
        ShowProgramMessage(ResourceText(IDS_STARTUP_LINK_FAILED));
}

bool DeleteStartupLink(const std::string& programPath)
{
    std::string linkPath;
    return GetStartupLinkPath(programPath, linkPath) && DeleteFileA(linkPath.c_str());
}
