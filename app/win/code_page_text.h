// Text in the system's code page, where a character may take two bytes: what cuts it must cut
// between characters, never inside one.
#pragma once

#include <cstddef>
#include <string>

// Marks the first byte of a double-byte character in the system's code page.
using LeadBytePredicate = bool (*)(unsigned char);

// TEXT's longest beginning of at most LIMIT bytes that ends between characters (a character
// across the limit is dropped whole). Without IS_LEAD_BYTE every byte is a character.
std::string CutAtCharBoundary(const std::string& text, size_t limit, LeadBytePredicate isLeadByte);

// The system's own answer, for the Win32 side to hand to the cuts above.
bool IsLeadByteOfCodePage(unsigned char byte);
