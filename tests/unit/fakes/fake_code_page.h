// A code page for the tests, double-byte as the program's home one is: ASCII and the Latin-1
// letters a byte each; a lead byte 0x81 to 0x9F and the next byte a character, standing for one
// of the ideographs from U+4E00; anything else becomes "?", as the system makes it.
#pragma once

#include <string>

#include "app/win/code_page_text.h"

class FakeCodePage : public CodePage {
public:
    static bool IsLead(unsigned char c) { return c >= 0x81 && c <= 0x9F; }

    std::u16string Decode(const std::string& bytes) const override
    {
        std::u16string text;
        for (size_t i = 0; i < bytes.size(); ++i) {
            const unsigned char c = static_cast<unsigned char>(bytes[i]);
            if (IsLead(c) && i + 1 < bytes.size())
                text += static_cast<char16_t>(0x4E00 + ((c - 0x81) << 8 | static_cast<unsigned char>(bytes[++i])));
            else
                text += static_cast<char16_t>(c);
        }
        return text;
    }
    std::string Encode(const std::u16string& text) const override
    {
        std::string bytes;
        for (char16_t c : text) {
            if (c < 0x81 || (c >= 0xA0 && c <= 0xFF)) {
                bytes += static_cast<char>(c);
            } else if (c >= 0x4E00 && c < 0x4E00 + (0x1F << 8)) {
                bytes += static_cast<char>(0x81 + ((c - 0x4E00) >> 8));
                bytes += static_cast<char>((c - 0x4E00) & 0xFF);
            } else {
                bytes += '?';
            }
        }
        return bytes;
    }
    LeadBytePredicate LeadByte() const override { return IsLead; }
};
