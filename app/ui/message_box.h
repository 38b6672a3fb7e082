// The program's message box: an OK box with the exclamation icon, owned by the active window and
// captioned with the program's name (its file name without the extension).
#pragma once

void ShowProgramMessage(const wchar_t* text);
