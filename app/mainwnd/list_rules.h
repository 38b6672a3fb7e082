// The browser-window list's rules of position, free of the platform: where a new window goes and
// which entry is current afterwards, and which entry becomes current when one is removed.
#pragma once

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
