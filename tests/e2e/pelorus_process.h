// Pelorus.exe as the end-to-end tests start, find and end it.
#pragma once

#include <cstdio>
#include <string>

#include "hooklib/hook_protocol.h"
#include "kit/kit.h"

inline HWND RelayWindow()
{
    return FindWindowA(PELORUS_RELAY_CLASS, PELORUS_RELAY_TITLE);
}

// The main dialog, by the title that marks a running copy.
inline HWND MainWindowOf(DWORD pid)
{
    for (HWND hwnd : kit::FindTopWindows("", "Pelorus_2"))
        if (kit::WindowProcessId(hwnd) == pid)
            return hwnd;
    return nullptr;
}

// Started, and bound: the relay window shows last in binding.
inline bool StartPelorus(kit::ChildProcess& pelorus, const std::string& program)
{
    return pelorus.Start(program, "", false) &&
           kit::WaitUntil([] { return RelayWindow() && IsWindowVisible(RelayWindow()); });
}

// Ends Pelorus as a user does, by closing its main window; true if it exited with 0. Tests end
// it so rather than by killing it: under Wine a killed hook owner's hook stays installed.
inline bool ClosePelorus(kit::ChildProcess& pelorus)
{
    PostMessageA(MainWindowOf(pelorus.Id()), WM_CLOSE, 0, 0);
    return pelorus.WaitExit() && pelorus.ExitCode() == 0;
}

// Pelorus.ini as the program finds it: in the Windows directory.
inline std::string IniPath()
{
    char dir[MAX_PATH] = "";
    GetWindowsDirectoryA(dir, MAX_PATH);
    return std::string(dir) + "\\Pelorus.ini";
}

inline bool WriteIni(const std::string& text)
{
    FILE* file = std::fopen(IniPath().c_str(), "wb");
    if (!file)
        return false;
    bool ok = std::fwrite(text.data(), 1, text.size(), file) == text.size();
    return std::fclose(file) == 0 && ok;
}
