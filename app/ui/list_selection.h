// The selection rules of the browser-window list, over any rows that have a selected state.
#pragma once

#include "hooklib/browser_kinds.h"

class SelectableRows {
public:
    virtual ~SelectableRows() = default;
    virtual int RowCount() = 0;
    virtual bool IsSelected(int row) = 0;
    virtual void ClearSelected(int row) = 0;  // the selected and the drop-highlight state
    virtual void SetSelected(int row) = 0;    // only the selected state; the focus stays
    virtual void Redraw(int row) = 0;
};

// Makes ROW the selected one: the first selected row loses its selection, unless it is ROW
// (then nothing changes). A row that does not exist ends with nothing selected.
void SelectRow(SelectableRows& rows, int row);

// Clears the first selected row's selection and returns its index; -1 when none is selected.
int TakeSelectedRow(SelectableRows& rows);

// Which browser types have had their icon taken: each type's icon comes from the first window of
// that type the list shows, found or not.
class BrowserIconSlots {
public:
    // True once for each valid type: the caller takes that window's icon now.
    bool TakeFirst(int type)
    {
        if (type < 0 || type >= kBrowserTypeCount || m_loaded[type])
            return false;
        m_loaded[type] = true;
        return true;
    }

private:
    bool m_loaded[kBrowserTypeCount] = {};
};
