// The browser-window list's rules, free of the platform: where a new window goes and which entry
// is current afterwards, which entry becomes current when one is removed, how a window is placed
// in the fixed rectangle, how the fixed rectangle is taken, which open windows the start-up sweep
// captures, and the program's own path from its command line.
#pragma once

#include <cstddef>
#include <string>

#include "win/window_seam.h"

constexpr int kShowNormal = 1;     // SW_SHOWNORMAL
constexpr int kShowMaximized = 3;  // SW_SHOWMAXIMIZED

// A new window w arriving while the list has COUNT entries and CURRENT is the current index.
struct NewEntryPlan {
    bool keepCurrentShown;  // hide w; otherwise place w and hide the current entry's window
    int position;           // where w's entry is inserted
    int current;            // g_nCurrent once the entry is in
    bool select;            // the new entry becomes current and selected
};
NewEntryPlan PlanNewEntry(int count, int current, int listMode, int newWindowMode);

// Entry REMOVED was deleted; NEW_COUNT entries remain (-1: the count could not be read).
struct RemovalPlan {
    int current;           // g_nCurrent afterwards
    bool placeAndRelease;  // place and release the current entry's window (and select it)
};
RemovalPlan PlanRemoval(int current, int removed, int newCount);

// The fixed rectangle and whether it is in force.
struct FixedRect {
    int left = 0, top = 0, width = -1, height = -1;
};
// Placing a window whose normal rectangle is NORMAL. False: only show it with the show command
// (Size_Pos off, or no rectangle recorded). True: NORMAL is set to where it goes; a pop-up
// keeps its size and is only moved.
bool PlanPlacement(bool sizePos, const FixedRect& fixed, bool isPopup, NormalRect& normal);

// Taking the fixed rectangle from the current window's placement; false when nothing is taken.
// A window shown maximised makes later windows open maximised; any other state, normal.
bool TakeFixedRectangle(bool sizePos, int current, const NormalRect& normal, int placementShowCmd, FixedRect& fixed,
                        int& showCmd);

// The start-up sweep's classification of an open top-level window: its browser type, or -1.
int ClassifyOpenWindow(const std::string& className, const std::string& title, bool visible);

// Whether a window of CLASS_NAME titled TITLE can be a browser of TYPE, as the hook and the sweep
// recognise them: by class, and Netscape 4.x, whatever its class, by "Netscape" in its title.
bool IsBrowserOfType(const std::string& className, const std::string& title, int type);

// The program's own path, the first word of its command line (quoted or not). A path that does
// not fit in CAPACITY bytes (with its terminator) gives "": better no path than a wrong one.
std::string GetOwnPathFromCommandLine(const char* commandLine, size_t capacity);
