// The interface language: the user's, Japanese or else English, unless the setting names one;
// the setting as the file holds it.
#include <gtest/gtest.h>

#include "app/settings/settings_model.h"
#include "app/ui/ui_language.h"
#include "tests/unit/fakes/memory_profile_store.h"

namespace {

TEST(UiLanguage, JapaneseForAJapaneseUserEnglishForAnyOtherUnlessTheSettingSays)
{
    EXPECT_EQ(UiLanguage::Japanese, ChooseUiLanguage(LanguageChoice::Automatic, 0x0411));
    EXPECT_EQ(UiLanguage::English, ChooseUiLanguage(LanguageChoice::Automatic, 0x0409));
    EXPECT_EQ(UiLanguage::English, ChooseUiLanguage(LanguageChoice::Automatic, 0x0412)) << "Korean";
    EXPECT_EQ(UiLanguage::Japanese, ChooseUiLanguage(LanguageChoice::Automatic, 0x0011)) << "any Japanese sublanguage";
    EXPECT_EQ(UiLanguage::English, ChooseUiLanguage(LanguageChoice::English, 0x0411));
    EXPECT_EQ(UiLanguage::Japanese, ChooseUiLanguage(LanguageChoice::Japanese, 0x0409));
}

TEST(UiLanguage, FileSaysEnOrJaAndAnythingElseIsAutomatic)
{
    const std::pair<const char*, LanguageChoice> cases[] = {
        {"en", LanguageChoice::English},     {" JA ", LanguageChoice::Japanese},   {"auto", LanguageChoice::Automatic},
        {"english", LanguageChoice::Automatic}, {"", LanguageChoice::Automatic}, {"e n", LanguageChoice::Automatic}};
    for (const auto& [text, choice] : cases) {
        MemoryProfileStore store;
        store.Set(kLanguageKey, text);
        EXPECT_EQ(choice, LoadLanguageChoice(store)) << '"' << text << '"';
    }
    MemoryProfileStore none;
    EXPECT_EQ(LanguageChoice::Automatic, LoadLanguageChoice(none));
}

}  // namespace
