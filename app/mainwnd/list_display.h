// The list control as the browser-window list keeps it in step with its entries.
#pragma once

#include <string>

#include "win/window_seam.h"

constexpr int kListTitleSize = 1024;  // a title is listed with at most 1023 bytes

class ListDisplay {
public:
    virtual ~ListDisplay() = default;
    virtual void InsertItem(int index, const std::string& title, WindowHandle window, int type) = 0;
    virtual void DeleteItem(int index) = 0;
    virtual void SelectItem(int index) = 0;  // -1: none
    // An unresponsive entry's title carries a mark.
    virtual void SetItemText(int index, const std::string& title, bool unresponsive) = 0;
};
