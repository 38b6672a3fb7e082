#include "settings/filter_settings.h"

#include <cctype>
#include <cstdio>

#include "settings/settings_model.h"

namespace {

bool NeedsQuotes(const std::string& prefix)
{
    // Bytes above 0x7F may be blanks of the code page (a full-width space), or part of one: a
    // double-byte character at the end shows in its first byte.
    auto unsafe = [](unsigned char c) { return c <= ' ' || c >= 0x80 || c == '"' || c == '\''; };
    const size_t n = prefix.size();
    return n > 0 &&
           (unsafe(prefix[0]) || unsafe(prefix[n - 1]) || (n > 1 && static_cast<unsigned char>(prefix[n - 2]) >= 0x80));
}

// Step 6 or 7 of OK: the prefixes, their numbered keys, the old keys beyond them, the count.
void WritePrefixes(ProfileStore& store, const char* stem, const std::string& text, LeadBytePredicate isLeadByte,
                   std::vector<std::string>& prefixes, int& count)
{
    prefixes = PrefixesFromBoxText(text, isLeadByte);
    const int accepted = static_cast<int>(prefixes.size());
    char key[64];
    for (int k = 1; k <= accepted; ++k) {
        std::snprintf(key, sizeof key, "%s%d", stem, k);
        store.WriteString(key, PrefixProfileValue(prefixes[static_cast<size_t>(k - 1)]).c_str());
    }
    for (int n : NumberedKeysPresent(store, stem, count)) {
        if (n > accepted) {
            std::snprintf(key, sizeof key, "%s%d", stem, n);
            store.WriteString(key, nullptr);
        }
    }
    std::snprintf(key, sizeof key, "%s_NUM", stem);
    WriteSetting(store, key, accepted);
    count = accepted;
}

}  // namespace

std::string PrefixBoxText(const std::vector<std::string>& prefixes)
{
    std::string text;
    for (const std::string& prefix : prefixes)
        text += prefix + "\r\n";
    return text;
}

std::vector<std::string> PrefixesFromBoxText(const std::string& text, LeadBytePredicate isLeadByte)
{
    std::vector<std::string> prefixes;
    size_t start = 0;
    while (start <= text.size()) {
        size_t end = text.find("\r\n", start);
        if (end == std::string::npos)
            end = text.size();
        const std::string whole = text.substr(start, end - start);
        std::string line = CutAtCharBoundary(whole, kPrefixBufferSize - 1, isLeadByte);
        if (NeedsQuotes(line))
            line = CutAtCharBoundary(whole, kPrefixBufferSize - 3, isLeadByte);
        if (!line.empty())
            prefixes.push_back(line);
        start = end + 2;
    }
    return prefixes;
}

std::string PrefixProfileValue(const std::string& prefix)
{
    return NeedsQuotes(prefix) ? '"' + prefix + '"' : prefix;
}

int ParseCloseListSize(const std::string& text)
{
    size_t i = 0;
    while (i < text.size() && std::isspace(static_cast<unsigned char>(text[i])))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+'))
        negative = text[i++] == '-';
    long long value = 0;
    for (; i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])) && value <= kCloseListSlots; ++i)
        value = value * 10 + (text[i] - '0');
    return ClampCloseListCapacity(static_cast<int>(negative ? -value : value));
}

bool CSettingsModel::ApplyFilterDialog(ProfileStore& store, const FilterDialogValues& values,
                                       LeadBytePredicate isLeadByte)
{
    SettingsValues& v = m_values;
    bool closeAllParked = false;
    if (v.bFilterClose != values.filterCloseOld) {    // as stored: a hand-edited 2 is corrected
        closeAllParked = values.filterCloseOld == 0;  // park mode left: nothing waits any longer
        WriteSetting(store, "FILTER_CLOSE", v.bFilterClose ? 1 : 0);
    }
    WriteSetting(store, "FILTER_CHECK_POPUP", v.bFilterCheckPopup ? 1 : 0);

    const int size = ParseCloseListSize(values.sizeText);
    if (size != v.nMaxPendingNum) {
        v.nMaxPendingNum = size;
        WriteSetting(store, "MAX_PENDING_NUM", size);
        // Park mode throughout, with fewer slots than the list now uses: it is emptied.
        if (v.bFilter && size < m_nCloseListCapacity && !values.filterCloseOld && !v.bFilterClose)
            closeAllParked = true;
    }
    if (static_cast<int>(values.useUrl) != v.bFilterUseUrl) {
        v.bFilterUseUrl = values.useUrl;
        WriteSetting(store, "FILTER_USE_URL", v.bFilterUseUrl);
    }
    if (static_cast<int>(values.useTitle) != v.bFilterUseTitle) {
        v.bFilterUseTitle = values.useTitle;
        WriteSetting(store, "FILTER_USE_TITLE", v.bFilterUseTitle);
    }
    WritePrefixes(store, "FILTER_URL", values.urlText, isLeadByte, v.arrFilterUrl, v.nFilterUrlNum);
    WritePrefixes(store, "FILTER_TITLE", values.titleText, isLeadByte, v.arrFilterTitle, v.nFilterTitleNum);
    return closeAllParked;
}
