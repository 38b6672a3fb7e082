// The program's own resources in the language chosen at start. Dialogs, property-sheet pages and
// strings are taken from that language's block by name: the system's own lookup follows the
// thread's interface language on Windows but the thread locale under Wine (where setting the
// former does nothing), and the thread locale is not ours to change for a language's sake.
// Icons and bitmaps are language-neutral and loaded as before.
#pragma once

#include <windows.h>

#include <string>

#include "ui/ui_language.h"

void SetResourceLanguage(UiLanguage language);
// Until set (a test program sets none), the user's interface language decides.
UiLanguage ResourceLanguage();
// String ID of the string table in that language; the system's pick where that block lacks it,
// "" where none has it. The text lives as long as the process.
const wchar_t* ResourceText(UINT id);
// The same, for the platform-free code.
std::u16string ResourceString(UINT id);
// Dialog template ID in that language; the system's pick where that block lacks it.
const DLGTEMPLATE* DialogTemplate(UINT id);
