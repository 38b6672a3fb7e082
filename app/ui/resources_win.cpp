#include "ui/resources.h"

#include "win/wide_text_win.h"

#include <map>
#include <string>
#include <utility>

namespace {

bool g_languageSet = false;
UiLanguage g_language = UiLanguage::English;

// TYPE: RT_STRING (6) or RT_DIALOG (5), named in their wide form (the A headers give them narrow).
const void* FindResourceData(LPCWSTR type, LPCWSTR name)
{
    HMODULE module = GetModuleHandleW(nullptr);
    HRSRC found = FindResourceExW(module, type, name, ResourceLanguageId(ResourceLanguage()));
    if (!found)
        found = FindResourceW(module, name, type);
    HGLOBAL loaded = found ? LoadResource(module, found) : nullptr;
    return loaded ? LockResource(loaded) : nullptr;
}

// A string table block holds sixteen strings, each its length in characters and then the
// characters, unterminated; an empty one is a length of 0.
std::u16string StringFromTable(UINT id)
{
    const auto* entry = static_cast<const WCHAR*>(FindResourceData(MAKEINTRESOURCEW(6), MAKEINTRESOURCEW(id / 16 + 1)));
    if (!entry)
        return u"";
    for (UINT skip = id % 16; skip > 0; --skip)
        entry += 1 + *entry;
    return FromWide(entry + 1, *entry);
}

}  // namespace

void SetResourceLanguage(UiLanguage language)
{
    g_language = language;
    g_languageSet = true;
}

UiLanguage ResourceLanguage()
{
    return g_languageSet ? g_language : ChooseUiLanguage(LanguageChoice::Automatic, GetUserDefaultUILanguage());
}

const wchar_t* ResourceText(UINT id)
{
    // Node-based: a text once given stays where it is while others are added.
    static std::map<std::pair<UiLanguage, UINT>, std::u16string> texts;
    const auto key = std::make_pair(ResourceLanguage(), id);
    auto found = texts.find(key);
    if (found == texts.end())
        found = texts.emplace(key, StringFromTable(id)).first;
    return Wide(found->second);
}

std::u16string ResourceString(UINT id)
{
    const wchar_t* text = ResourceText(id);
    return FromWide(text, wcslen(text));
}

const DLGTEMPLATE* DialogTemplate(UINT id)
{
    return static_cast<const DLGTEMPLATE*>(FindResourceData(MAKEINTRESOURCEW(5), MAKEINTRESOURCEW(id)));
}
