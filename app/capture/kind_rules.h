// The browser-kind table (hooklib/browser_kinds.h) as the program reads it: the one answer to "is
// this a browser window, and of which kind", each browser's own name in a title, and the inner
// window whose absence marks a pop-up.
#pragma once

#include <string>
#include <vector>

#include "capture/window_facts.h"
#include "hooklib/browser_kinds.h"
#include "hooklib/hook_protocol.h"

// Why a window is not taken for a browser window (of the kind a notice says); None: it is.
enum class Refusal {
    None,
    UnknownType,   // no kind has the type it was announced with
    NotTargeted,   // its kind is not a target browser
    AlreadyHeld,   // listed, parked, or asked to close already
    OfNoKind,      // its class is no kind's (of those asked for): nothing more was read
    Gone,          // no such window (any more)
    NotTopLevel,   // a child: hidden under the relay window, or inside some window
    Owned,         // a dialog or a tool window of some program
    Ours,          // one of this program's windows
    NotShown,      // hidden, or cloaked: it may be shown later
    OtherProgram,  // of a family's class in a program of no family, and so never a browser
    NotOfItsKind,  // not (yet) of its kind, or of the kind announced: its title, its frame
};

// Where the callers truly differ.
struct RecogniseAs {
    // A notice's type: whether the window can be of it. -1: which kind it is.
    int announced = -1;
    // An open window, as the start-up sweep finds it: the open windows' title tests (kinds known
    // by title alone among them), rather than the title each kind is announced with.
    bool openWindow = false;
    // Only a window shown now: the watcher's, which looks again when a window is shown.
    bool shownOnly = false;
    // The kinds looked for (by their mask bits), when no notice names one.
    int targets = ~0;
};

struct Recognition {
    int type = -1;
    Refusal refusal = Refusal::NotOfItsKind;
    explicit operator bool() const { return type >= 0; }
};

// The one answer, for the sweep, the watcher and every notice alike. What it asks of FACTS and
// they do not hold yet is read through READER, the cheapest questions first; without a reader,
// FACTS must hold all it asks. The hook's own recognition, in the hook library, only hints.
Recognition Recognise(WindowFacts& facts, const RecogniseAs& as, const FactReader* reader = nullptr);

// The first kind of TARGETS whose class CLASS_NAME is (exactly, or beginning with a prefix class).
const BrowserKind* KindWithClass(const std::string& className, int targets = ~0);

// Cuts the browser's own name off TITLE (in place); false when its marker is not there.
bool NormalizeTitle(std::u16string& title, int type);

// Whether DESCENDANT_CLASSES hold the inner window of TYPE's main window; true for a kind that
// has no such tell.
bool HasInnerWindow(int type, const std::vector<std::string>& descendantClasses);
