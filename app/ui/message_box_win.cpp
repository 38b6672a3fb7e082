#include "ui/message_box.h"

#include <windows.h>

#include <string>

void ShowProgramMessage(const wchar_t* text)
{
    wchar_t path[MAX_PATH] = L"";
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring name = path;
    name = name.substr(name.find_last_of(L"\\/") + 1);
    name = name.substr(0, name.rfind(L'.'));
    MessageBoxW(GetActiveWindow(), text, name.c_str(), MB_OK | MB_ICONEXCLAMATION);
}
