#include "capture/filters.h"

#include "capture/kind_rules.h"

namespace {

const std::string* FirstPrefixOf(const std::string& text, const std::vector<std::string>& prefixes)
{
    for (const std::string& prefix : prefixes)
        if (text.compare(0, prefix.size(), prefix) == 0)
            return &prefix;
    return nullptr;
}

}  // namespace

FilterMatch MatchTitleFilter(const std::string& title, int type, const std::vector<std::string>& prefixes)
{
    std::string text = title.substr(0, kTitleBufferSize - 1);
    NormalizeTitle(text, type);
    if (const std::string* prefix = FirstPrefixOf(text, prefixes))
        return {FilterRule::Title, *prefix};
    return {};
}

FilterMatch MatchNewWindowFilters(const NewWindowFacts& facts, int type, bool popup, const SettingsValues& settings)
{
    if (settings.bFilterCheckPopup && popup)
        return {FilterRule::Popup, {}};
    if (settings.bFilterUseUrl && facts.hasAddress)
        if (const std::string* prefix = FirstPrefixOf(facts.address, settings.arrFilterUrl))
            return {FilterRule::Url, *prefix};
    // An empty title matches no prefix: the lists hold none empty.
    if (settings.bFilterUseTitle)
        return MatchTitleFilter(facts.title, type, settings.arrFilterTitle);
    return {};
}
