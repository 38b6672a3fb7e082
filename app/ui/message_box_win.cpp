#include "ui/message_box.h"

#include <windows.h>

// The caption: the program's file name without its folder and extension.
void ShowProgramMessage(const wchar_t* text)
{
    wchar_t path[MAX_PATH] = L"";
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    path[MAX_PATH - 1] = L'\0';
    wchar_t* name = path;
    for (wchar_t* c = path; *c; ++c)
        if (*c == L'\\' || *c == L'/')
            name = c + 1;
    wchar_t* dot = nullptr;
    for (wchar_t* c = name; *c; ++c)
        if (*c == L'.')
            dot = c;
    if (dot)
        *dot = L'\0';
    MessageBoxW(GetActiveWindow(), text, name, MB_OK | MB_ICONEXCLAMATION);
}
