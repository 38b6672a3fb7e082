#include "ui/ui_language.h"

#include <cctype>

namespace {
constexpr uint16_t kLangJapanese = 0x11;  // PRIMARYLANGID of every Japanese identifier
}

LanguageChoice LanguageChoiceFromText(const std::string& text)
{
    const auto blank = [](char c) { return std::isspace(static_cast<unsigned char>(c)) != 0; };
    size_t first = 0, last = text.size();
    while (first < last && blank(text[first]))
        ++first;
    while (last > first && blank(text[last - 1]))
        --last;
    std::string word;
    for (size_t i = first; i < last; ++i)
        word += static_cast<char>(std::tolower(static_cast<unsigned char>(text[i])));
    if (word == "en")
        return LanguageChoice::English;
    if (word == "ja")
        return LanguageChoice::Japanese;
    return LanguageChoice::Automatic;
}

const char* LanguageChoiceText(LanguageChoice choice)
{
    switch (choice) {
    case LanguageChoice::English:
        return "en";
    case LanguageChoice::Japanese:
        return "ja";
    default:
        return "auto";
    }
}

LanguageChoice LanguageChoiceFromIndex(int index)
{
    if (index == static_cast<int>(LanguageChoice::English))
        return LanguageChoice::English;
    if (index == static_cast<int>(LanguageChoice::Japanese))
        return LanguageChoice::Japanese;
    return LanguageChoice::Automatic;
}

UiLanguage ChooseUiLanguage(LanguageChoice choice, uint16_t userUiLanguage)
{
    if (choice == LanguageChoice::English)
        return UiLanguage::English;
    if (choice == LanguageChoice::Japanese)
        return UiLanguage::Japanese;
    return (userUiLanguage & 0x3FF) == kLangJapanese ? UiLanguage::Japanese : UiLanguage::English;
}

uint16_t ResourceLanguageId(UiLanguage language)
{
    // LANG_JAPANESE/SUBLANG_DEFAULT and LANG_ENGLISH/SUBLANG_ENGLISH_US, as the blocks are marked.
    return language == UiLanguage::Japanese ? 0x0411 : 0x0409;
}
