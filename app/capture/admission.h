// Whether a window a notification names is captured, and how: any program can post the
// notification, so it is a hint to look, not a fact. Decided once, from the notification and the
// window's facts, before anything is done to the window.
#pragma once

#include "capture/filters.h"
#include "capture/window_facts.h"
#include "settings/settings_model.h"

// Why a notified window is not captured; None: it is.
enum class Refusal {
    None,
    UnknownType,   // no kind has the type it was announced with
    NotTargeted,   // its kind is not a target browser
    AlreadyHeld,   // listed, parked, or asked to close already
    Gone,          // no such window (any more)
    NotTopLevel,   // a child: hidden under the relay window, or inside some window
    Owned,         // a dialog or a tool window of some program
    Ours,          // one of this program's windows
    NotOfItsKind,  // its class (or title) is not of the kind announced
};

// From the notification alone, before the window is read.
Refusal RefuseNotice(int type, int targetMask, bool held);

struct Admission {
    Refusal refusal = Refusal::None;
    bool popup = false;  // recorded in the pop-up table
    FilterMatch filter;  // parked in the Close list, by this rule
};

// From the window's facts. A pop-up is recorded whether filtering is on or not, while the pop-up
// table has room (POPUP_ROOM); a full table treats further pop-ups as ordinary windows.
Admission AdmitNewWindow(const NewWindowFacts& facts, int type, const SettingsValues& settings, bool popupRoom);
