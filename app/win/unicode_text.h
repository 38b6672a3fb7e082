// Text as windows hold it: UTF-16, kept so from the window to the screen and the settings file,
// so that no character outside the system's code page is lost on the way. The platform-free code
// holds it as std::u16string; the Win32 side hands it to the W functions as it stands.
#pragma once

#include <cstddef>
#include <string>

// UTF-8 text of the program's own (the kinds table's markers, say) as UTF-16; whatever is no
// UTF-8 in it ends it.
std::u16string Utf16Of(const char* utf8);

// TEXT's longest beginning of at most LIMIT units that does not split a surrogate pair.
std::u16string CutText(const std::u16string& text, size_t limit);

// TEXT's longest beginning that takes at most COLUMNS columns, a wide (East Asian) character
// two, any other one, never splitting a surrogate pair: the width the code page's bytes gave.
std::u16string CutToColumns(const std::u16string& text, size_t columns);

// FORMAT (a text of the program's own) with its "%s" replaced by TEXT; as it is without one.
std::u16string FillIn(std::u16string format, const std::u16string& text);

// UTF-8, and back. A lone surrogate is written as its own three bytes (as WTF-8 does) and read
// back, so that whatever a window or an edit box held comes back unit for unit.
std::string ToUtf8(const std::u16string& text);
// False where BYTES are no such text (the result then holds what came before the fault).
bool FromUtf8(const std::string& bytes, std::u16string& text);

// The UTF-8 bytes in printable ASCII, every byte outside '!'..'~' and "%", '"' and "'" written
// as %XX: text any reader of an ASCII file keeps whole, blanks at its ends included.
std::string PercentEncode(const std::u16string& text);
bool PercentDecode(const std::string& encoded, std::u16string& text);
