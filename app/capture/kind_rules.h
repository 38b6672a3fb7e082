// The browser-kind table (hooklib/browser_kinds.h) as the program reads it: which kind an open
// window is, whether a window can be of the kind a notification says, each browser's own name in
// a title, and the inner window whose absence marks a pop-up.
#pragma once

#include <string>
#include <vector>

#include "hooklib/browser_kinds.h"

// The start-up sweep's kind for an open top-level window; -1 for none. A kind with a class wins
// over a kind known by its title.
int ClassifyOpenWindow(const std::string& className, const std::string& title, bool visible);

// Whether a window of CLASS_NAME titled TITLE can be of TYPE: its class, or for a kind known by
// title, its name in the title.
bool IsBrowserOfType(const std::string& className, const std::string& title, int type);

// Cuts the browser's own name off TITLE (in place); false when its marker is not there.
bool NormalizeTitle(std::string& title, int type);

// Whether DESCENDANT_CLASSES hold the inner window of TYPE's main window; true for a kind that
// has no such tell.
bool HasInnerWindow(int type, const std::vector<std::string>& descendantClasses);
