// The settings sheet's values, free of the platform: what its pages show and give back, and what
// OK then does, in its order, with the values that changed.
#pragma once

#include <vector>

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
};

// The target-browser page's boxes; one box stands for both Opera types.
struct BrowserBoxes {
    bool ie = false, netscape4 = false, netscape6 = false, opera = false, mozilla = false;
};
BrowserBoxes BoxesFromMask(int mask);
// Opera sets both its bits (0x28); bits without a box are dropped.
int MaskFromBoxes(const BrowserBoxes& boxes);
// The start-up page's answer: the state in force changes only through the box that is not greyed.
int StartupLinkFromBoxes(int inForce, bool addChecked, bool removeChecked);

enum class SheetAction {
    Store,                 // key, value: the value takes effect (the key names the setting)
    WriteSetting,          // key, value
    ChangeTargetBrowsers,  // value: the new mask, old: the old one (the list gives up and takes in)
    SetHookMask,           // value: the new mask, for the hook library
    EnableUpdateSize,      // value: whether "サイズ情報更新" is enabled
    CreateStartupLink,
    DeleteStartupLink,
    CloseAllParked,         // filtering switched off
    MovePopupsToCloseList,  // filtering switched on
};

// The Store key of the start-up shortcut's state, which the settings file does not hold.
constexpr const char* kStartupLinkKey = "(startup link)";

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
