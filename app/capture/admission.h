// Whether a window a notification names is captured, and how: any program can post the
// notification, so it is a hint to look, not a fact. Decided once, from the notification and the
// window's facts, before anything is done to the window.
#pragma once

#include "capture/filters.h"
#include "capture/kind_rules.h"
#include "capture/window_facts.h"
#include "settings/settings_model.h"

// From the notification alone, before the window is read.
Refusal RefuseNotice(int type, int targetMask, bool held);

struct Admission {
    Refusal refusal = Refusal::None;
    bool popup = false;  // recorded in the pop-up table
    FilterMatch filter;  // parked in the Close list, by this rule
};

// From the window's facts: those FACTS hold already, and what else the decision asks, read
// through READER (null: FACTS hold everything). A pop-up is recorded whether filtering is on or
// not, while the pop-up table has room (POPUP_ROOM); a full table treats further pop-ups as
// ordinary windows.
Admission AdmitNewWindow(WindowFacts& facts, int type, const SettingsValues& settings, bool popupRoom,
                         const FactReader* reader = nullptr);
