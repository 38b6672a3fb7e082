#include "win/code_page_text.h"

std::string CutAtCharBoundary(const std::string& text, size_t limit, LeadBytePredicate isLeadByte)
{
    size_t end = 0;
    while (end < text.size()) {
        const size_t width = isLeadByte && isLeadByte(static_cast<unsigned char>(text[end])) ? 2 : 1;
        if (end + width > limit)
            break;
        end += width;
    }
    return text.substr(0, end);
}
