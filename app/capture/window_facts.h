// What the program reads of a window a notification names: read once, at the seam, before
// anything is decided about the window.
#pragma once

#include <cstdint>
#include <string>

#include "win/window_seam.h"

constexpr int kUrlBufferSize = 1024;    // an address is read with at most 1023 UTF-16 units
constexpr int kTitleBufferSize = 2048;  // a title, as the filters read it, with at most 2047
constexpr int kListTitleSize = 1024;    // a title, as a list shows it, with at most 1023

struct NewWindowFacts {
    WindowFacts identity;   // alive, top-level, owned, of this process, its class
    std::u16string title;      // as the filters read it
    std::u16string listTitle;  // as the list shows it
    bool visible = false;
    bool styleKnown = false;
    uint32_t style = 0;
    uint32_t exStyle = 0;
    // Read only for the kinds that are told by them (a family of today's browsers).
    std::string processImage;
    bool cloaked = false;
    bool innerWindow = true;  // the inner window of its kind is there (or its kind has none)
    bool hasAddress = false;  // an address box: its first "Edit" descendant
    std::u16string address;
};

// The facts of WINDOW, announced as of TYPE (-1: of whichever kind its class tells); the address
// only when WANT_ADDRESS (it is read from another process, and may wait for it a moment).
NewWindowFacts GatherFacts(WindowSeam& seam, WindowHandle window, int type, bool wantAddress);

// The address shown in a browser window: the text of its first "Edit" descendant, cut to
// kUrlBufferSize - 1 units. False, with URL empty, when it has none.
bool ReadBrowserUrl(WindowSeam& seam, WindowHandle window, std::u16string& url);
