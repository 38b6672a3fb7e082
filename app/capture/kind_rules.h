// The browser-kind table (hooklib/browser_kinds.h) as the program reads it: which kind a window
// is, whether a window can be of the kind a notification says, each browser's own name in a
// title, and the inner window whose absence marks a pop-up.
#pragma once

#include <string>
#include <vector>

#include "capture/window_facts.h"
#include "hooklib/browser_kinds.h"

// Whether CLASS_NAME is the class of a kind in MASK (exactly, or beginning with a prefix class):
// a window of no such class is of a kind only by its title.
bool HasKindClass(const std::string& className, int mask);
// Whether a window of CLASS_NAME whose process runs IMAGE_PATH is of no family's program: it
// never is a browser of the family (an Electron program's window, of the Chromium class).
bool IsOfNoFamilyProgram(const std::string& className, const std::string& imagePath);
// Whether CLASS_NAME is a family's class: the program's image tells more.
bool IsFamilyClass(const std::string& className);
// Whether TITLE bears the name of one of the programs of CLASS_NAME's family: a browsing window
// does, and a window without it is no browsing window (yet).
bool BearsFamilyName(const std::string& className, const std::u16string& title);

// The kind an open top-level window is taken for, as the start-up sweep and the watcher take
// them; -1 for none. A kind with a class wins over a kind known by its title.
int ClassifyWindow(const NewWindowFacts& facts);

// The kind a shown top-level window is, as the hook would have recognised it when it was made
// and announced, or as today's browsers are told; -1 for none. The watcher's question. Kinds
// known by title alone are left to the hook, which saw the title the window was made with, and
// to the start-up: a title that merely names a browser is no sign of one in a running program.
int RecogniseWindow(const NewWindowFacts& facts);

// Whether a window can be of TYPE, as a notification says: its class; for a kind known by title,
// its name in the title; for a family, its program, its frame and its program's name in the title.
bool IsOfKind(const NewWindowFacts& facts, int type);

// Cuts the browser's own name off TITLE (in place); false when its marker is not there.
bool NormalizeTitle(std::u16string& title, int type);

// Whether DESCENDANT_CLASSES hold the inner window of TYPE's main window; true for a kind that
// has no such tell.
bool HasInnerWindow(int type, const std::vector<std::string>& descendantClasses);
