#include "settings/filter_settings.h"

#include <algorithm>
#include <cctype>
#include <climits>

#include "settings/settings_model.h"
#include "win/unicode_text.h"

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

// The prefix's bytes the numbered key's reader gives back whole, on a character boundary.
std::string CodePageForm(const std::u16string& prefix, const CodePage& codePage)
{
    const std::string bytes = codePage.Encode(prefix);
    std::string form = CutAtCharBoundary(bytes, kPrefixBufferSize - 1, codePage.LeadByte());
    if (NeedsQuotes(form))
        form = CutAtCharBoundary(bytes, kPrefixBufferSize - 3, codePage.LeadByte());
    return form;
}

// Step 6 or 7 of OK: the prefixes, their numbered keys (with the exact ones where needed), the
// old keys beyond them, the count.
void WritePrefixes(ProfileStore& store, const char* stem, const std::u16string& text, const CodePage& codePage,
                   std::vector<std::u16string>& prefixes, int& count)
{
    prefixes = PrefixesFromBoxText(text);
    const int accepted = static_cast<int>(prefixes.size());
    const std::vector<int> exactKeys = NumberedKeysPresent(store, stem, INT_MAX, kExactPrefixSuffix);
    auto hasExactKey = [&](int n) { return std::find(exactKeys.begin(), exactKeys.end(), n) != exactKeys.end(); };
    for (int k = 1; k <= accepted; ++k) {
        const StoredPrefix stored = StorePrefix(prefixes[static_cast<size_t>(k - 1)], codePage);
        store.WriteString(NumberedKey(stem, k).c_str(), stored.value.c_str());
        const std::string exactKey = NumberedKey(stem, k, kExactPrefixSuffix);
        if (!stored.exact.empty())
            store.WriteString(exactKey.c_str(), stored.exact.c_str());
        else if (hasExactKey(k))
            store.WriteString(exactKey.c_str(), nullptr);
    }
    for (int n : NumberedKeysPresent(store, stem, count)) {
        if (n > accepted)
            store.WriteString(NumberedKey(stem, n).c_str(), nullptr);
    }
    for (int n : exactKeys) {
        if (n > accepted)
            store.WriteString(NumberedKey(stem, n, kExactPrefixSuffix).c_str(), nullptr);
    }
    WriteSetting(store, (std::string(stem) + "_NUM").c_str(), accepted);
    count = accepted;
}

}  // namespace

std::u16string PrefixBoxText(const std::vector<std::u16string>& prefixes)
{
    std::u16string text;
    for (const std::u16string& prefix : prefixes)
        text += prefix + u"\r\n";
    return text;
}

std::vector<std::u16string> PrefixesFromBoxText(const std::u16string& text)
{
    std::vector<std::u16string> prefixes;
    size_t start = 0;
    while (start <= text.size()) {
        size_t end = text.find(u"\r\n", start);
        if (end == std::u16string::npos)
            end = text.size();
        const std::u16string line = CutText(text.substr(start, end - start), kPrefixBufferSize - 1);
        if (!line.empty())
            prefixes.push_back(line);
        start = end + 2;
    }
    return prefixes;
}

StoredPrefix StorePrefix(const std::u16string& prefix, const CodePage& codePage)
{
    const std::string form = CodePageForm(prefix, codePage);
    return {PrefixProfileValue(form), codePage.Decode(form) == prefix ? std::string() : PercentEncode(prefix)};
}

std::u16string LoadPrefix(const std::string& value, const std::string& exact, const CodePage& codePage)
{
    std::u16string prefix;
    if (!exact.empty() && PercentDecode(exact, prefix) && !prefix.empty() && prefix.size() < kPrefixBufferSize &&
        CodePageForm(prefix, codePage) == value)
        return prefix;
    return codePage.Decode(value);
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
                                       const CodePage& codePage)
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
    WritePrefixes(store, "FILTER_URL", values.urlText, codePage, v.arrFilterUrl, v.nFilterUrlNum);
    WritePrefixes(store, "FILTER_TITLE", values.titleText, codePage, v.arrFilterTitle, v.nFilterTitleNum);
    return closeAllParked;
}
