// The filters a new browser window passes before it is listed: the pop-up rule, the URL prefixes
// and the title prefixes, tried in that order. The title is compared with the browser's own name
// cut off it.
#pragma once

#include <string>

#include "win/window_seam.h"

constexpr int kUrlBufferSize = 1024;
constexpr int kTitleBufferSize = 2048;

// Which rule filtered a window; the Close-list dialog shows it.
enum class FilterRule { None, Popup, Url, Title };

// The address shown in a browser window: the text of its first "Edit" descendant, cut to
// kUrlBufferSize - 1 bytes. False, with URL empty, when it has none.
bool ReadBrowserUrl(WindowHandle window, std::string& url);
// Cuts the browser's own name off TITLE (in place); false when its marker is not there.
bool NormalizeTitle(std::string& title, int type);
// Whether the normalised title (TITLE, or the window's own when null) begins with a title prefix.
bool MatchTitleFilter(WindowHandle window, int type, const char* title);
// The first rule that matches the window, as the filter settings stand.
FilterRule MatchNewWindowFilter(WindowHandle window, int type);
// Parks WINDOW when a rule matches.
bool FilterNewWindow(WindowHandle window, int type);
