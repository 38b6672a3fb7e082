#include "win/unicode_text.h"

namespace {

bool IsHighSurrogate(char16_t unit)
{
    return unit >= 0xD800 && unit <= 0xDBFF;
}

bool IsLowSurrogate(char16_t unit)
{
    return unit >= 0xDC00 && unit <= 0xDFFF;
}

int HexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

// Characters shown two columns wide: the East Asian wide and full-width ranges (half-width
// katakana excepted, as in the code pages), and the emoji and ideographs beyond the BMP.
bool IsWide(char32_t c)
{
    return (c >= 0x1100 && c <= 0x115F) || (c >= 0x2E80 && c <= 0xA4CF && c != 0x303F) || (c >= 0xAC00 && c <= 0xD7A3) ||
           (c >= 0xF900 && c <= 0xFAFF) || (c >= 0xFE30 && c <= 0xFE4F) || (c >= 0xFF00 && c <= 0xFF60) ||
           (c >= 0xFFE0 && c <= 0xFFE6) || (c >= 0x1F300 && c <= 0x1FAFF) || (c >= 0x20000 && c <= 0x3FFFD);
}

}  // namespace

std::u16string CutToColumns(const std::u16string& text, size_t columns)
{
    size_t end = 0, used = 0;
    while (end < text.size()) {
        char32_t c = text[end];
        size_t units = 1;
        if (IsHighSurrogate(text[end]) && end + 1 < text.size() && IsLowSurrogate(text[end + 1])) {
            c = 0x10000 + ((c - 0xD800) << 10) + (text[end + 1] - 0xDC00);
            units = 2;
        }
        const size_t width = IsWide(c) ? 2 : 1;
        if (used + width > columns)
            break;
        used += width;
        end += units;
    }
    return text.substr(0, end);
}

std::u16string FillIn(std::u16string format, const std::u16string& text)
{
    const size_t at = format.find(u"%s");
    return at == std::u16string::npos ? format : format.replace(at, 2, text);
}

std::u16string Utf16Of(const char* utf8)
{
    std::u16string text;
    FromUtf8(utf8, text);
    return text;
}

std::u16string CutText(const std::u16string& text, size_t limit)
{
    if (text.size() <= limit)
        return text;
    // A pair across the limit goes whole.
    const size_t end = limit > 0 && IsHighSurrogate(text[limit - 1]) && IsLowSurrogate(text[limit]) ? limit - 1 : limit;
    return text.substr(0, end);
}

std::string ToUtf8(const std::u16string& text)
{
    std::string bytes;
    for (size_t i = 0; i < text.size(); ++i) {
        char32_t c = text[i];
        if (IsHighSurrogate(text[i]) && i + 1 < text.size() && IsLowSurrogate(text[i + 1]))
            c = 0x10000 + ((c - 0xD800) << 10) + (text[++i] - 0xDC00);
        if (c < 0x80) {
            bytes += static_cast<char>(c);
        } else if (c < 0x800) {
            bytes += static_cast<char>(0xC0 | (c >> 6));
            bytes += static_cast<char>(0x80 | (c & 0x3F));
        } else if (c < 0x10000) {
            bytes += static_cast<char>(0xE0 | (c >> 12));
            bytes += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            bytes += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            bytes += static_cast<char>(0xF0 | (c >> 18));
            bytes += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
            bytes += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            bytes += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return bytes;
}

bool FromUtf8(const std::string& bytes, std::u16string& text)
{
    text.clear();
    for (size_t i = 0; i < bytes.size();) {
        const unsigned char lead = static_cast<unsigned char>(bytes[i]);
        const int more = lead < 0x80 ? 0 : lead >= 0xC2 && lead < 0xE0 ? 1 : lead >= 0xE0 && lead < 0xF0 ? 2
                                                                          : lead >= 0xF0 && lead < 0xF5 ? 3 : -1;
        if (more < 0 || bytes.size() - i <= static_cast<size_t>(more))
            return false;
        char32_t c = more == 0 ? lead : lead & (0x3F >> more);
        for (int k = 1; k <= more; ++k) {
            const unsigned char next = static_cast<unsigned char>(bytes[i + static_cast<size_t>(k)]);
            if ((next & 0xC0) != 0x80)
                return false;
            c = (c << 6) | (next & 0x3F);
        }
        // The shortest form only, and nothing beyond Unicode.
        static const char32_t kLeast[] = {0, 0x80, 0x800, 0x10000};
        if (c < kLeast[more] || c > 0x10FFFF)
            return false;
        if (c >= 0x10000) {
            text += static_cast<char16_t>(0xD800 + ((c - 0x10000) >> 10));
            text += static_cast<char16_t>(0xDC00 + ((c - 0x10000) & 0x3FF));
        } else {
            text += static_cast<char16_t>(c);
        }
        i += static_cast<size_t>(more) + 1;
    }
    return true;
}

std::string PercentEncode(const std::u16string& text)
{
    static const char kHex[] = "0123456789ABCDEF";
    std::string encoded;
    for (char byte : ToUtf8(text)) {
        const unsigned char c = static_cast<unsigned char>(byte);
        if (c > ' ' && c < 0x7F && c != '%' && c != '"' && c != '\'') {
            encoded += byte;
        } else {
            encoded += '%';
            encoded += kHex[c >> 4];
            encoded += kHex[c & 0x0F];
        }
    }
    return encoded;
}

bool PercentDecode(const std::string& encoded, std::u16string& text)
{
    std::string bytes;
    for (size_t i = 0; i < encoded.size(); ++i) {
        if (encoded[i] != '%') {
            bytes += encoded[i];
            continue;
        }
        const int high = i + 2 < encoded.size() ? HexValue(encoded[i + 1]) : -1;
        const int low = high >= 0 ? HexValue(encoded[i + 2]) : -1;
        if (low < 0) {
            text.clear();
            return false;
        }
        bytes += static_cast<char>(high << 4 | low);
        i += 2;
    }
    return FromUtf8(bytes, text);
}
