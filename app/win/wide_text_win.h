// UTF-16 text between the platform-free code (std::u16string) and the W functions (wchar_t,
// the same 16-bit units on Windows).
#pragma once

#include <string>

static_assert(sizeof(wchar_t) == sizeof(char16_t), "Windows' wide characters are UTF-16 units");

inline const wchar_t* Wide(const std::u16string& text)
{
    return reinterpret_cast<const wchar_t*>(text.c_str());
}

inline std::u16string FromWide(const wchar_t* text, size_t length)
{
    return std::u16string(reinterpret_cast<const char16_t*>(text), length);
}

// A terminated text.
inline std::u16string FromWide(const wchar_t* text)
{
    return std::u16string(reinterpret_cast<const char16_t*>(text));
}

// TEXT's units for a W function to write into. No std::wstring in the program: it is the same
// text, and the library's copy of it would come along besides.
inline wchar_t* WideBuffer(std::u16string& text)
{
    return reinterpret_cast<wchar_t*>(&text[0]);
}
