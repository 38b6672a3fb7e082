#include "ui/list_selection.h"

void SelectRow(SelectableRows& rows, int row)
{
    const int count = rows.RowCount();
    for (int i = 0; i < count; ++i) {
        if (rows.IsSelected(i)) {
            if (i == row)
                return;
            rows.ClearSelected(i);
            break;
        }
    }
    if (row >= 0 && row < count) {
        rows.SetSelected(row);
        rows.Redraw(row);
    }
}

int TakeSelectedRow(SelectableRows& rows)
{
    const int count = rows.RowCount();
    for (int i = 0; i < count; ++i) {
        if (rows.IsSelected(i)) {
            rows.ClearSelected(i);
            return i;
        }
    }
    return -1;
}
