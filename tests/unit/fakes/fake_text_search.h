// A stand-in for the platform's linguistic search: case, one accent, full-width Latin and
// katakana folded by hand, enough for the matcher's own rules to be seen.
#pragma once

#include "app/win/text_search.h"

class FakeTextSearch : public TextSearch {
public:
    static char16_t Fold(char16_t c)
    {
        if (c >= u'A' && c <= u'Z')
            return static_cast<char16_t>(c + 32);
        if (c == 0x00E9 || c == 0x00C9)  // é, É
            return u'e';
        if (c >= 0xFF21 && c <= 0xFF5A)  // full-width Latin
            return Fold(static_cast<char16_t>(c - 0xFEE0));
        if (c >= 0x30A1 && c <= 0x30F6)  // katakana as hiragana
            return static_cast<char16_t>(c - 0x60);
        return c;
    }
    bool Find(const std::u16string& text, const std::u16string& word, size_t from, size_t& at, size_t& length) override
    {
        for (size_t i = from; !word.empty() && i + word.size() <= text.size(); ++i) {
            size_t k = 0;
            while (k < word.size() && Fold(text[i + k]) == Fold(word[k]))
                ++k;
            if (k == word.size()) {
                at = i;
                length = k;
                return true;
            }
        }
        return false;
    }
};
