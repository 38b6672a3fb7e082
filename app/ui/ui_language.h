// The language of the program's own words: Japanese, as Pelorus has always spoken, where the
// user's interface language is Japanese, English elsewhere; the setting "Language" in
// Pelorus.ini ("ja" or "en") overrides that, and any other value leaves the choice automatic.
// Chosen once at start; a change of the setting takes effect at the next start.
#pragma once

#include <cstdint>
#include <string>

enum class UiLanguage { Japanese, English };

// The setting, numbered as the settings sheet lists it.
enum class LanguageChoice { Automatic = 0, English = 1, Japanese = 2 };

constexpr char kLanguageKey[] = "Language";

// "en" or "ja" in any case, blanks around allowed; anything else is Automatic.
LanguageChoice LanguageChoiceFromText(const std::string& text);
// What the file holds for CHOICE: "auto", "en" or "ja".
const char* LanguageChoiceText(LanguageChoice choice);
// A sheet's combo index back to a choice; an index with no item is Automatic.
LanguageChoice LanguageChoiceFromIndex(int index);
// USER_UI_LANGUAGE: the user's interface language identifier (GetUserDefaultUILanguage).
UiLanguage ChooseUiLanguage(LanguageChoice choice, uint16_t userUiLanguage);
// The resource language identifier of LANGUAGE's block in Pelorus.rc.
uint16_t ResourceLanguageId(UiLanguage language);
