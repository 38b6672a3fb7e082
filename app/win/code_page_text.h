// Text in the system's code page, where a character may take two bytes: what cuts it must cut
// between characters, never inside one. The settings file is kept in it, as it always was.
#pragma once

#include <cstddef>
#include <string>

// Marks the first byte of a double-byte character in the system's code page.
using LeadBytePredicate = bool (*)(unsigned char);

// TEXT's longest beginning of at most LIMIT bytes that ends between characters (a character
// across the limit is dropped whole). Without IS_LEAD_BYTE every byte is a character.
std::string CutAtCharBoundary(const std::string& text, size_t limit, LeadBytePredicate isLeadByte);

// The system's code page, between its bytes and UTF-16.
class CodePage {
public:
    virtual ~CodePage() = default;
    virtual std::u16string Decode(const std::string& bytes) const = 0;
    // The nearest the code page comes to TEXT: a character it lacks is replaced as the system
    // replaces it when a program reads a title in the code page.
    virtual std::string Encode(const std::u16string& text) const = 0;
    virtual LeadBytePredicate LeadByte() const = 0;
};

// The system's own.
class SystemCodePage : public CodePage {
public:
    std::u16string Decode(const std::string& bytes) const override;
    std::string Encode(const std::u16string& text) const override;
    LeadBytePredicate LeadByte() const override;
};
