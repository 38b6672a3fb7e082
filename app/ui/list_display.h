// A list of browser windows as its owner keeps it in step: the main window's list with its
// entries, the Close-list dialog's with the Close list.
#pragma once

#include <string>

#include "win/window_seam.h"

class ListDisplay {
public:
    virtual ~ListDisplay() = default;
    virtual void InsertItem(int index, const std::u16string& title, WindowHandle window, int type) = 0;
    virtual void DeleteItem(int index) = 0;
    virtual void SelectItem(int index) = 0;  // -1: none
    // An unresponsive entry's title carries a mark.
    virtual void SetItemText(int index, const std::u16string& title, bool unresponsive) = 0;
    // The row's second column, where the list has one.
    virtual void SetItemDetail(int index, const std::u16string& detail) = 0;
};
