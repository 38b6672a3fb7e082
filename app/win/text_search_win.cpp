#include "win/text_search_win.h"

#include <windows.h>

#include "win/wide_text_win.h"

namespace {

// Case, accents, width and kana ignored, in the user's own language's rules.
const DWORD kForgiving =
    FIND_FROMSTART | LINGUISTIC_IGNORECASE | LINGUISTIC_IGNOREDIACRITIC | NORM_IGNOREWIDTH | NORM_IGNOREKANATYPE;

}  // namespace

bool CLinguisticSearch::Find(const std::u16string& text, const std::u16string& word, size_t from, size_t& at,
                             size_t& length)
{
    if (word.empty() || from >= text.size())
        return false;
    const auto* source = reinterpret_cast<const wchar_t*>(text.data()) + from;
    int found = 0;
    const int index = FindNLSStringEx(LOCALE_NAME_USER_DEFAULT, kForgiving, source, static_cast<int>(text.size() - from),
                                      reinterpret_cast<const wchar_t*>(word.data()), static_cast<int>(word.size()),
                                      &found, nullptr, nullptr, 0);
    if (index < 0)
        return false;
    at = from + static_cast<size_t>(index);
    length = static_cast<size_t>(found);
    return true;
}
