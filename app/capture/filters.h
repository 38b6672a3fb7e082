// The filters a new browser window passes before it is listed: the pop-up rule, the URL prefixes
// and the title prefixes, tried in that order, the first that matches deciding. The title is
// compared with the browser's own name cut off it; prefixes match unit by unit, case-sensitively.
#pragma once

#include <string>
#include <vector>

#include "capture/window_facts.h"
#include "settings/settings_model.h"

// Which rule filtered a window, kept with it in the Close list.
enum class FilterRule { None, Popup, Url, Title };

struct FilterMatch {
    FilterRule rule = FilterRule::None;
    std::u16string prefix;  // for a prefix rule, the prefix that matched
    explicit operator bool() const { return rule != FilterRule::None; }
    bool operator==(const FilterMatch& o) const { return rule == o.rule && prefix == o.prefix; }
};

// The title rule alone: the first prefix the normalised TITLE (cut to kTitleBufferSize - 1
// units) begins with.
FilterMatch MatchTitleFilter(const std::u16string& title, int type, const std::vector<std::u16string>& prefixes);
// The first rule, switched on in SETTINGS, that matches a new window; POPUP: it is recorded as one.
FilterMatch MatchNewWindowFilters(const WindowFacts& facts, int type, bool popup, const SettingsValues& settings);
