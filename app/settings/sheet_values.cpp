#include "settings/sheet_values.h"

#include <algorithm>
#include <cstring>

#include "win/assert.h"

SheetValues SheetValuesInForce(const SettingsValues& s, int startupLink)
{
    SheetValues values{s.nListMode, s.nNewWindowMode, s.bSizePos,     s.bFilter,       startupLink,
                       s.bIconic,   s.bExitBrowser,   s.nTargetBrowser, s.nLanguage};
    std::copy(std::begin(s.nHotkeys), std::end(s.nHotkeys), values.hotkeys);
    return values;
}

std::vector<BrowserBox> BrowserBoxes()
{
    std::vector<BrowserBox> boxes;
    for (const BrowserKind& kind : kBrowserKinds)
        if (std::none_of(boxes.begin(), boxes.end(), [&](const BrowserBox& box) { return box.id == kind.settingsBox; }))
            boxes.push_back({kind.settingsBox, kind.name});
    return boxes;
}

bool IsBoxChecked(int box, int mask)
{
    for (const BrowserKind& kind : kBrowserKinds)
        if (kind.settingsBox == box && (mask & TargetBit(kind.type)))
            return true;
    return false;
}

int StartupLinkFromBoxes(int inForce, bool addChecked, bool removeChecked)
{
    if (!inForce && addChecked)
        return 1;
    if (inForce && removeChecked)
        return 0;
    return inForce;
}

std::vector<SheetStep> PlanSheetApply(const SheetValues& inForce, const SheetValues& fromPages)
{
    std::vector<SheetStep> steps;
    auto step = [&](SheetAction action, const char* key = nullptr, int value = 0, int old = 0) {
        steps.push_back({action, key, value, old});
    };
    auto storeAndWrite = [&](const char* key, int value) {
        step(SheetAction::Store, key, value);
        step(SheetAction::WriteSetting, key, value);
    };
    auto switched = [](int now, int next) { return (now != 0) != (next != 0); };
    const SheetValues& now = inForce;
    const SheetValues& next = fromPages;
    if (switched(now.exitBrowser, next.exitBrowser))
        storeAndWrite("EXIT_BROWSER", next.exitBrowser);
    if (next.targetBrowser != now.targetBrowser) {
        step(SheetAction::ChangeTargetBrowsers, nullptr, next.targetBrowser, now.targetBrowser);
        step(SheetAction::Store, "TARGET_B", next.targetBrowser);
        step(SheetAction::SetHookMask, nullptr, next.targetBrowser);
        step(SheetAction::WriteSetting, "TARGET_B", next.targetBrowser);
    }
    if (next.listMode != now.listMode)
        storeAndWrite("ListMode", next.listMode);
    if (next.newWindowMode != now.newWindowMode)
        storeAndWrite("NewWindowMode", next.newWindowMode);
    if (switched(now.sizePos, next.sizePos)) {
        storeAndWrite("Size_Pos", next.sizePos);
        step(SheetAction::EnableUpdateSize, nullptr, next.sizePos != 0);
    }
    if (switched(now.startupLink, next.startupLink))
        step(next.startupLink ? SheetAction::CreateStartupLink : SheetAction::DeleteStartupLink);
    if (switched(now.iconic, next.iconic))
        storeAndWrite("ICONIC", next.iconic);
    if (switched(now.filter, next.filter)) {
        step(now.filter ? SheetAction::CloseAllParked : SheetAction::MovePopupsToCloseList);
        storeAndWrite("FILTER", next.filter);
    }
    if (next.language != now.language)
        step(SheetAction::SetLanguage, kLanguageKey, next.language);
    bool hotkeyChanged = false;
    for (int i = 0; i < kHotkeyCount; ++i) {
        if (next.hotkeys[i] != now.hotkeys[i]) {
            storeAndWrite(kHotkeySettings[i].key, next.hotkeys[i]);
            hotkeyChanged = true;
        }
    }
    if (hotkeyChanged)
        step(SheetAction::RegisterHotkeys);
    return steps;
}

// The settings a Store step may change, by their keys.
int* CSettingsModel::SheetValue(const char* key)
{
    static const struct {
        const char* key;
        int SettingsValues::*value;
    } kKeys[] = {{"EXIT_BROWSER", &SettingsValues::bExitBrowser},
                 {"TARGET_B", &SettingsValues::nTargetBrowser},
                 {"ListMode", &SettingsValues::nListMode},
                 {"NewWindowMode", &SettingsValues::nNewWindowMode},
                 {"Size_Pos", &SettingsValues::bSizePos},
                 {"ICONIC", &SettingsValues::bIconic},
                 {"FILTER", &SettingsValues::bFilter}};
    for (int i = 0; i < kHotkeyCount; ++i)
        if (std::strcmp(kHotkeySettings[i].key, key) == 0)
            return &m_values.nHotkeys[i];
    for (const auto& k : kKeys)
        if (std::strcmp(k.key, key) == 0)
            return &(m_values.*k.value);
    return nullptr;
}

void CSettingsModel::ApplySheet(ProfileStore& store, const std::vector<SheetStep>& steps, SheetEffects& effects)
{
    for (const SheetStep& step : steps) {
        switch (step.action) {
        case SheetAction::Store:
            if (int* value = SheetValue(step.key); PELORUS_ASSERT(value))
                *value = step.value;
            break;
        case SheetAction::WriteSetting:
            WriteSetting(store, step.key, step.value);
            break;
        case SheetAction::ChangeTargetBrowsers:
            effects.ChangeTargetBrowsers(step.old, step.value);
            break;
        case SheetAction::SetHookMask:
            effects.SetHookMask(step.value);
            break;
        case SheetAction::EnableUpdateSize:
            effects.EnableUpdateSize(step.value != 0);
            break;
        case SheetAction::CreateStartupLink:
            effects.CreateStartupLink();
            break;
        case SheetAction::DeleteStartupLink:
            effects.DeleteStartupLink();
            break;
        case SheetAction::CloseAllParked:
            effects.CloseAllParked();
            break;
        case SheetAction::MovePopupsToCloseList:
            // Filtering's own capacity, not the one left from when it was last on, decides how
            // many of them stay parked.
            m_nCloseListCapacity = FilteringCapacity();
            effects.MovePopupsToCloseList();
            break;
        case SheetAction::RegisterHotkeys:
            effects.RegisterHotkeys();
            break;
        case SheetAction::SetLanguage:
            m_values.nLanguage = static_cast<int>(LanguageChoiceFromIndex(step.value));
            store.WriteString(step.key, LanguageChoiceText(LanguageChoiceFromIndex(step.value)));
            break;
        }
    }
}
