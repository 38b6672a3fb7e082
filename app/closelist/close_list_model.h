// What the Close-list dialog shows and does, free of the platform. Its rows mirror the Close list
// from the moment it opens, oldest first; one parked window at a time can be released for a look
// and hidden again. Deleting asks a window to close, and one that refuses is never left hidden in
// no list (the Close list's own rule for windows asked to close).
#pragma once

#include <functional>
#include <vector>

#include "mainwnd/list_display.h"
#include "win/window_seam.h"

class CCloseListModel {
public:
    // ROWS is the dialog's list; SHOW_COUNT shows the number of windows caught so far.
    CCloseListModel(ListDisplay& rows, std::function<void(int)> showCount);

    void Open();
    // ROW is the row the list had selected, -1 for none.
    void Show(int row);
    void Hide();
    void Delete(int row);
    void DeleteAll();
    // The dialog ends: every parked window it released is hidden again.
    void Close();

    // Kept in step by the capture engine while the dialog is open.
    void AddParkedWindow(WindowHandle window, int type);
    void RemoveParkedWindow(WindowHandle window);
    void UpdateParkedWindowTitle(WindowHandle window);

    WindowHandle Shown() const { return m_shown; }
    int RowCount() const { return static_cast<int>(m_rows.size()); }

private:
    void RemoveRow(int row, WindowHandle window);
    void DropRow(int row, WindowHandle window);
    int FindRow(WindowHandle window) const;
    void HideAgain(WindowHandle window);

    ListDisplay& m_display;
    std::function<void(int)> m_showCount;
    std::vector<WindowHandle> m_rows;
    WindowHandle m_shown = 0;  // m_hwndShown: the parked window released for a look
};
