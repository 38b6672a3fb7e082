// Finding a window by typing, free of the platform: the switcher's rows that match what was
// typed, ranked, and the list's type-to-find. The comparison itself is the platform's (TextSearch).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "win/text_search.h"

// What was typed, in words: split at white space of any script.
std::vector<std::u16string> QueryWords(const std::u16string& query);

struct SearchRow {
    std::u16string title;
    uint32_t lastShown = 0;  // the larger, the more recently shown
};

// The indexes of ROWS whose titles hold every word of QUERY, in any order: first those in which
// every word begins a word of the title, then the others, the most recently shown first within
// each. An empty query matches every row.
std::vector<int> FindRows(const std::vector<SearchRow>& rows, const std::u16string& query, TextSearch& search);

// Type-to-find in a list, as Explorer's lists do it: keys typed within a second of each other
// make one text, and the first row whose title holds it is selected.
class CTypeAhead {
public:
    static constexpr uint32_t kPauseMs = 1000;
    // The text typed so far, with C typed at NOW (milliseconds).
    const std::u16string& Type(char16_t c, uint32_t now);

private:
    std::u16string m_typed;
    uint32_t m_last = 0;
};

// The first of TITLES that holds TYPED; -1 for none.
int FirstRowHolding(const std::vector<std::u16string>& titles, const std::u16string& typed, TextSearch& search);
