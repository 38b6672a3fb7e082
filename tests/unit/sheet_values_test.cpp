// The settings sheet's values: the browser boxes and the mask, the start-up boxes, and what OK
// does, in its order, with what changed.
#include <gtest/gtest.h>

#include <string>

#include "app/settings/sheet_values.h"
#include "tests/unit/fakes/fake_code_page.h"
#include "tests/unit/fakes/memory_profile_store.h"

namespace {

using Strings = std::vector<std::string>;

Strings Plan(const SheetValues& inForce, const SheetValues& fromPages)
{
    static const char* const kNames[] = {"store",       "write",       "change targets", "hook mask",    "update size",
                                         "create link", "delete link", "close parked",   "move pop-ups", "language",
                                         "hotkeys"};
    Strings steps;
    for (const SheetStep& s : PlanSheetApply(inForce, fromPages)) {
        std::string text = kNames[static_cast<int>(s.action)];
        if (s.key)
            text += std::string(" ") + s.key;
        if (s.action <= SheetAction::EnableUpdateSize)
            text += "=" + std::to_string(s.value);
        if (s.action == SheetAction::ChangeTargetBrowsers)
            text += " from " + std::to_string(s.old);
        steps.push_back(text);
    }
    return steps;
}

TEST(SettingsSheet, OkWithoutAChangeDoesNothingAndOneChangeWritesOneKey)
{
    SheetValues inForce;
    inForce.targetBrowser = 0x01;
    inForce.sizePos = 1;
    EXPECT_TRUE(Plan(inForce, inForce).empty()) << "a page never shown gives back what it was given";
    SheetValues changed = inForce;
    changed.listMode = 2;
    EXPECT_EQ((Strings{"store ListMode=2", "write ListMode=2"}), Plan(inForce, changed));
    SheetValues handEdited = inForce;
    handEdited.sizePos = 2;  // given back as 1 by its box: still on, no change
    EXPECT_TRUE(Plan(handEdited, inForce).empty());
}

TEST(SettingsSheet, EveryChangeInTheSheetsOrder)
{
    SheetValues inForce;
    inForce.targetBrowser = 0x01;
    inForce.filter = 1;
    SheetValues next{1, 1, 1, 0, 1, 1, 1, 0x03};
    EXPECT_EQ(
        (Strings{"store EXIT_BROWSER=1", "write EXIT_BROWSER=1", "change targets=3 from 1", "store TARGET_B=3",
                 "hook mask=3", "write TARGET_B=3", "store ListMode=1", "write ListMode=1", "store NewWindowMode=1",
                 "write NewWindowMode=1", "store Size_Pos=1", "write Size_Pos=1", "update size=1", "create link",
                 "store ICONIC=1", "write ICONIC=1", "close parked", "store FILTER=0", "write FILTER=0"}),
        Plan(inForce, next))
        << "each value takes effect before the next step";
    EXPECT_EQ((Strings{"store Size_Pos=0", "write Size_Pos=0", "update size=0", "delete link", "move pop-ups",
                       "store FILTER=1", "write FILTER=1"}),
              Plan(next, SheetValues{1, 1, 0, 1, 0, 1, 1, 0x03}));
}

// The mask the target-browser page gives back for MASK once its tab has been shown.
int ShownAndLeft(int mask)
{
    return MaskFromBoxes([mask](int box) { return IsBoxChecked(box, mask); });
}

TEST(SettingsSheet, BrowserBoxesSetBothOperaBitsAndDropBitsWithoutABox)
{
    EXPECT_EQ(0x28, ShownAndLeft(0x08)) << "Opera alone from the file";
    EXPECT_EQ(0x01, ShownAndLeft(0x01 | (1 << kBrowserTypeCount)));
    EXPECT_EQ(0x3F, ShownAndLeft(0x3F));
    EXPECT_EQ(0x10, ShownAndLeft(0x10)) << "Mozilla has a box of its own";
    EXPECT_EQ(0, MaskFromBoxes([](int) { return false; }));
    EXPECT_EQ(0x7F, ShownAndLeft(0x7F)) << "the Chromium family has its own too";
    EXPECT_EQ(6u, BrowserBoxes().size()) << "both Opera kinds share one";
    SheetValues inForce;
    inForce.targetBrowser = 0x08;
    SheetValues shown = inForce;
    shown.targetBrowser = ShownAndLeft(0x08);  // the tab was shown: OK stores 0x28
    EXPECT_EQ((Strings{"change targets=40 from 8", "store TARGET_B=40", "hook mask=40", "write TARGET_B=40"}),
              Plan(inForce, shown));
}

// What OK asks of the rest of the program, and the Close list's capacity when pop-ups move.
struct RecordedEffects : SheetEffects {
    void ChangeTargetBrowsers(int, int) override { done.push_back("targets"); }
    void SetHookMask(int) override { done.push_back("hook"); }
    void EnableUpdateSize(bool) override { done.push_back("update size"); }
    void CreateStartupLink() override { done.push_back("create link"); }
    void DeleteStartupLink() override {}
    void CloseAllParked() override {}
    void MovePopupsToCloseList() override
    {
        done.push_back("move, capacity " + std::to_string((*settings).CloseListCapacity()));
    }
    void RegisterHotkeys() override { done.push_back("hotkeys"); }
    const CSettingsModel* settings;
    Strings done;
};

TEST(SettingsSheet, OkStoresEachChangedValueAndDoesWhatItAsksOfTheProgram)
{
    MemoryProfileStore store;
    store.entries = {{"FILTER_CLOSE", "0"}, {"MAX_PENDING_NUM", "6"}};
    CSettingsModel settings;
    StoredPosition position;
    settings.Load(store, position, FakeCodePage());
    RecordedEffects effects;
    effects.settings = &settings;
    SheetValues pages{3, 1, 0, 1, 1, 1, 1, 0x10};
    pages.hotkeys[static_cast<int>(Hotkey::WindowMenu)] = 0x0645;  // Ctrl+Alt+E; the others none
    settings.ApplySheet(store, PlanSheetApply(SheetValuesInForce(settings.Values(), 0), pages), effects);
    const SettingsValues& v = settings.Values();
    EXPECT_EQ((std::vector<int>{3, 1, 0, 1, 1, 1, 0x10, 0, 0, 0x0645, 0, 0}),
              (std::vector<int>{v.nListMode, v.nNewWindowMode, v.bSizePos, v.bFilter, v.bIconic, v.bExitBrowser,
                                v.nTargetBrowser, v.nHotkeys[0], v.nHotkeys[1], v.nHotkeys[2], v.nHotkeys[3], v.nHotkeys[4]}));
    EXPECT_EQ((Strings{"targets", "hook", "update size", "create link", "move, capacity 6", "hotkeys"}), effects.done)
        << "the pop-ups are parked under filtering's own capacity; the keys registered again once";
    settings.Load(store, position, FakeCodePage());
    EXPECT_EQ(0, settings.Values().nHotkeys[0]) << "a key cleared stays cleared";
    EXPECT_EQ(0x0645, settings.Values().nHotkeys[2]);
}

TEST(SettingsSheet, LanguageIsKeptAsTheFileSaysItForTheNextStart)
{
    for (const auto& [choice, text] : {std::pair{LanguageChoice::English, "en"}, {LanguageChoice::Japanese, "ja"},
                                       {LanguageChoice::Automatic, "auto"}}) {
        MemoryProfileStore store;
        store.entries = {{kLanguageKey, choice == LanguageChoice::Automatic ? "ja" : ""}};
        CSettingsModel settings;
        StoredPosition position;
        settings.Load(store, position, FakeCodePage());
        SheetValues values = SheetValuesInForce(settings.Values(), 0);
        values.language = static_cast<int>(choice);
        RecordedEffects effects;
        settings.ApplySheet(store, PlanSheetApply(SheetValuesInForce(settings.Values(), 0), values), effects);
        EXPECT_EQ((std::vector<MemoryProfileStore::Write>{{kLanguageKey, std::string(text)}}), store.writes);
        EXPECT_EQ(static_cast<int>(choice), settings.Values().nLanguage);
    }
}

TEST(SettingsSheet, StartupShortcutChangesOnlyThroughTheBoxNotGreyed)
{
    EXPECT_EQ(1, StartupLinkFromBoxes(0, true, true));
    EXPECT_EQ(0, StartupLinkFromBoxes(0, false, true));
    EXPECT_EQ(0, StartupLinkFromBoxes(1, true, true));
    EXPECT_EQ(1, StartupLinkFromBoxes(1, true, false));
}

}  // namespace
