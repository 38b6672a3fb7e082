// The platform's linguistic search, as a user expects it when finding a window by typing.
#pragma once

#include "win/text_search.h"

class CLinguisticSearch : public TextSearch {
public:
    bool Find(const std::u16string& text, const std::u16string& word, size_t from, size_t& at,
              size_t& length) override;
};
