#include "ui/window_search.h"

#include <algorithm>

namespace {

bool IsSpace(char16_t c)
{
    return c == u' ' || c == u'\t' || c == u'\r' || c == u'\n' || c == 0x00A0 || c == 0x3000 ||
           (c >= 0x2000 && c <= 0x200B);
}

// What separates words in a title: white space and punctuation, in the scripts titles use.
bool IsWordBreak(char16_t c)
{
    if (c < 0x80)
        return !((c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z'));
    return IsSpace(c) || (c >= 0x2010 && c <= 0x206F) || (c >= 0x3001 && c <= 0x303F) || (c >= 0xFF01 && c <= 0xFF0F) ||
           (c >= 0xFF1A && c <= 0xFF20) || (c >= 0xFF3B && c <= 0xFF40) || (c >= 0xFF5B && c <= 0xFF65) ||
           c == 0x00B7 || c == 0x30FB;
}

// Whether WORD is in TEXT (AT_START: and somewhere at the start of a word of it).
bool Holds(const std::u16string& text, const std::u16string& word, TextSearch& search, bool& atStart)
{
    atStart = false;
    bool found = false;
    size_t at = 0, length = 0;
    for (size_t from = 0; from < text.size() && search.Find(text, word, from, at, length); from = at + 1) {
        found = true;
        if (at == 0 || IsWordBreak(text[at - 1])) {
            atStart = true;
            break;
        }
    }
    return found;
}

}  // namespace

std::vector<std::u16string> QueryWords(const std::u16string& query)
{
    std::vector<std::u16string> words;
    std::u16string word;
    for (char16_t c : query) {
        if (!IsSpace(c)) {
            word += c;
        } else if (!word.empty()) {
            words.push_back(word);
            word.clear();
        }
    }
    if (!word.empty())
        words.push_back(word);
    return words;
}

std::vector<int> FindRows(const std::vector<SearchRow>& rows, const std::u16string& query, TextSearch& search)
{
    const std::vector<std::u16string> words = QueryWords(query);
    struct Ranked {
        int row;
        bool atStarts;
    };
    std::vector<Ranked> found;
    for (size_t i = 0; i < rows.size(); ++i) {
        bool all = true, atStarts = true;
        for (const std::u16string& word : words) {
            bool atStart = false;
            if (!Holds(rows[i].title, word, search, atStart)) {
                all = false;
                break;
            }
            atStarts = atStarts && atStart;
        }
        if (all)
            found.push_back({static_cast<int>(i), atStarts});
    }
    std::stable_sort(found.begin(), found.end(), [&](const Ranked& a, const Ranked& b) {
        if (a.atStarts != b.atStarts)
            return a.atStarts;
        return rows[static_cast<size_t>(a.row)].lastShown > rows[static_cast<size_t>(b.row)].lastShown;
    });
    std::vector<int> order;
    order.reserve(found.size());
    for (const Ranked& r : found)
        order.push_back(r.row);
    return order;
}

const std::u16string& CTypeAhead::Type(char16_t c, uint32_t now)
{
    if (m_typed.empty() || now - m_last > kPauseMs)
        m_typed.clear();
    m_typed += c;
    m_last = now;
    return m_typed;
}

int FirstRowHolding(const std::vector<std::u16string>& titles, const std::u16string& typed, TextSearch& search)
{
    size_t at = 0, length = 0;
    for (size_t i = 0; i < titles.size(); ++i)
        if (!typed.empty() && search.Find(titles[i], typed, 0, at, length))
            return static_cast<int>(i);
    return -1;
}
