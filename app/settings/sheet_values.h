// The settings sheet's values, free of the platform: what its pages show and give back, and what
// OK then does, in its order, with the values that changed.
#pragma once

#include <vector>

#include "hooklib/browser_kinds.h"
#include "settings/settings_model.h"

// Every value the sheet edits; copied in before it runs and out after OK. A page never shown
// gives back what it was given.
struct SheetValues {
    int listMode = 0;  // first page
    int newWindowMode = 0;
    int sizePos = 0;
    int filter = 0;
    int startupLink = 0;  // second page: whether the start-up shortcut exists / should exist
    int iconic = 0;
    int exitBrowser = 0;
    int targetBrowser = 0;  // third page
    int language = 0;                // second page: a LanguageChoice, in force from the next start
    int hotkeys[kHotkeyCount] = {};  // fourth page
};

// The values in force, as the sheet is opened with them; STARTUP_LINK: whether the shortcut exists.
SheetValues SheetValuesInForce(const SettingsValues& settings, int startupLink);

// The target-browser page's boxes in table order, each labelled with the name of the first kind
// it targets (kinds that share a box are set together).
struct BrowserBox {
    int id;
    int name;
};
std::vector<BrowserBox> BrowserBoxes();
// Whether BOX shows checked for MASK: any kind it targets is in the mask.
bool IsBoxChecked(int box, int mask);
// The mask the checked boxes make: every kind of each box; bits without a box are dropped.
template <class IsChecked>
int MaskFromBoxes(IsChecked isChecked);
// The start-up page's answer: the state in force changes only through the box that is not greyed.
int StartupLinkFromBoxes(int inForce, bool addChecked, bool removeChecked);

enum class SheetAction {
    Store,                 // key, value: the value takes effect (the key names the setting)
    WriteSetting,          // key, value
    ChangeTargetBrowsers,  // value: the new mask, old: the old one (the list gives up and takes in)
    SetHookMask,           // value: the new mask, for the hook library
    EnableUpdateSize,      // value: whether "サイズ情報更新" is enabled
    CreateStartupLink,     // the link itself is the record: no setting holds it
    DeleteStartupLink,
    CloseAllParked,         // filtering switched off
    MovePopupsToCloseList,  // filtering switched on
    SetLanguage,            // key, value: the LanguageChoice kept for the next start
    RegisterHotkeys,        // after a key changed: every key registered again
};

struct SheetStep {
    SheetAction action;
    const char* key;
    int value;
    int old;
};

// OK: the steps for every value that changed, in the sheet's order, each value taking effect
// before the next step; nothing when nothing changed. A switch counts as changed only when it is
// turned on or off: a hand-edited 2 left as it is stays 2.
std::vector<SheetStep> PlanSheetApply(const SheetValues& inForce, const SheetValues& fromPages);

// What OK's steps do outside the settings, in the rooms the settings do not know.
class SheetEffects {
public:
    virtual ~SheetEffects() = default;
    virtual void ChangeTargetBrowsers(int oldMask, int newMask) = 0;
    virtual void SetHookMask(int mask) = 0;
    virtual void EnableUpdateSize(bool enabled) = 0;
    virtual void CreateStartupLink() = 0;
    virtual void DeleteStartupLink() = 0;
    virtual void CloseAllParked() = 0;
    virtual void MovePopupsToCloseList() = 0;
    virtual void RegisterHotkeys() = 0;
};

template <class IsChecked>
int MaskFromBoxes(IsChecked isChecked)
{
    int mask = 0;
    for (const BrowserKind& kind : kBrowserKinds)
        if (isChecked(kind.settingsBox))
            mask |= TargetBit(kind.type);
    return mask;
}
