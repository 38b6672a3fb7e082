#include "capture/filters.h"

#include "capture/kind_rules.h"
#include "win/unicode_text.h"

namespace {

const std::u16string* FirstPrefixOf(const std::u16string& text, const std::vector<std::u16string>& prefixes)
{
    for (const std::u16string& prefix : prefixes)
        if (text.compare(0, prefix.size(), prefix) == 0)
            return &prefix;
    return nullptr;
}

}  // namespace

FilterMatch MatchTitleFilter(const std::u16string& title, int type, const std::vector<std::u16string>& prefixes)
{
    std::u16string text = CutText(title, kTitleBufferSize - 1);
    NormalizeTitle(text, type);
    if (const std::u16string* prefix = FirstPrefixOf(text, prefixes))
        return {FilterRule::Title, *prefix};
    return {};
}

FilterMatch MatchNewWindowFilters(const WindowFacts& facts, int type, bool popup, const SettingsValues& settings)
{
    if (settings.bFilterCheckPopup && popup)
        return {FilterRule::Popup, {}};
    if (settings.bFilterUseUrl && facts.hasAddress)
        if (const std::u16string* prefix = FirstPrefixOf(facts.address, settings.arrFilterUrl))
            return {FilterRule::Url, *prefix};
    // An empty title matches no prefix: the lists hold none empty.
    if (settings.bFilterUseTitle)
        return MatchTitleFilter(facts.title, type, settings.arrFilterTitle);
    return {};
}
