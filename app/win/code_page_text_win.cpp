#include "win/code_page_text.h"

#include <windows.h>

#include "win/wide_text_win.h"

namespace {

bool IsLeadByteOfCodePage(unsigned char byte)
{
    return IsDBCSLeadByte(byte) != FALSE;
}

}  // namespace

std::u16string SystemCodePage::Decode(const std::string& bytes) const
{
    const int n = MultiByteToWideChar(CP_ACP, 0, bytes.data(), static_cast<int>(bytes.size()), nullptr, 0);
    std::u16string text(static_cast<size_t>(n > 0 ? n : 0), u'\0');
    if (n > 0)
        MultiByteToWideChar(CP_ACP, 0, bytes.data(), static_cast<int>(bytes.size()), WideBuffer(text), n);
    return text;
}

std::string SystemCodePage::Encode(const std::u16string& text) const
{
    const int size = static_cast<int>(text.size());
    const int n = WideCharToMultiByte(CP_ACP, 0, Wide(text), size, nullptr, 0, nullptr, nullptr);
    std::string bytes(static_cast<size_t>(n > 0 ? n : 0), '\0');
    if (n > 0)
        WideCharToMultiByte(CP_ACP, 0, Wide(text), size, &bytes[0], n, nullptr, nullptr);
    return bytes;
}

LeadBytePredicate SystemCodePage::LeadByte() const
{
    return IsLeadByteOfCodePage;
}
