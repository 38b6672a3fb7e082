// Finding what a user typed in a window's title as the user expects: case, accents, full- and
// half-width forms and the two kana told apart by nothing. The platform's linguistic comparison
// does it (text_search_win.cpp), not a folding table of the program's own.
#pragma once

#include <cstddef>
#include <string>

class TextSearch {
public:
    virtual ~TextSearch() = default;
    // The first place at or after FROM where WORD is found in TEXT, and the length it takes there
    // (an accent or a width may make it longer or shorter than WORD); false when it is nowhere.
    virtual bool Find(const std::u16string& text, const std::u16string& word, size_t from, size_t& at,
                      size_t& length) = 0;
};
