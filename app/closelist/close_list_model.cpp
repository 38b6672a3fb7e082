#include "closelist/close_list_model.h"

#include "capture/close_list.h"
#include "capture/popup_table.h"
#include "capture/responsive.h"

CCloseListModel::CCloseListModel(ListDisplay& rows, std::function<void(int)> showCount)
    : m_display(rows), m_showCount(std::move(showCount))
{
}

void CCloseListModel::Open()
{
    const int capacity = ClampCloseListCapacity(g_nCloseListCapacity);
    for (int i = 0; i < capacity && g_ahwndParked[i]; ++i) {
        m_rows.push_back(g_ahwndParked[i]);
        m_display.InsertItem(i, Seam().TitleOf(g_ahwndParked[i], kListTitleSize), g_ahwndParked[i], g_anParkedType[i]);
    }
    m_shown = 0;
    m_showCount(g_nParkedTotal);
}

void CCloseListModel::Show(int row)
{
    if (row < 0 || row >= RowCount())
        return;
    Hide();
    const WindowHandle window = m_rows[static_cast<size_t>(row)];
    if (!IsResponsive(window))
        return;  // it cannot be shown now; it stays hidden, in the list
    Seam().Release(window);
    m_shown = window;
}

void CCloseListModel::Hide()
{
    // Only while it is still parked: one that has left the Close list meanwhile (deleted or
    // evicted, and refusing to close) would be hidden in no list.
    if (m_shown && IsParked(m_shown))
        HideAgain(m_shown);
    m_shown = 0;
}

void CCloseListModel::Delete(int row)
{
    if (row < 0 || row >= RowCount())
        return;
    const WindowHandle window = m_rows[static_cast<size_t>(row)];
    RemoveRow(row, window);
    AskToClose(window);
}

void CCloseListModel::DeleteAll()
{
    while (!m_rows.empty()) {
        m_rows.pop_back();
        m_display.DeleteItem(RowCount());
    }
    CloseAllParked();
}

void CCloseListModel::Close()
{
    const int capacity = ClampCloseListCapacity(g_nCloseListCapacity);
    for (int i = 0; i < capacity; ++i)
        if (g_ahwndParked[i] && !Seam().IsUnderRelay(g_ahwndParked[i]))
            HideAgain(g_ahwndParked[i]);
    m_shown = 0;
}

void CCloseListModel::AddParkedWindow(WindowHandle window, int type)
{
    m_rows.push_back(window);
    m_display.InsertItem(RowCount() - 1, Seam().TitleOf(window, kListTitleSize), window, type);
    m_showCount(g_nParkedTotal);
}

// The Close list has let the window go already: only its row goes.
void CCloseListModel::RemoveParkedWindow(WindowHandle window)
{
    const int row = FindRow(window);
    if (row >= 0)
        DropRow(row, window);
}

void CCloseListModel::UpdateParkedWindowTitle(WindowHandle window)
{
    const int row = FindRow(window);
    if (row >= 0)
        m_display.SetItemText(row, Seam().TitleOf(window, kListTitleSize), false);
}

void CCloseListModel::RemoveRow(int row, WindowHandle window)
{
    DropRow(row, window);
    RemovePopup(window);
    RemoveParked(window);
}

void CCloseListModel::DropRow(int row, WindowHandle window)
{
    m_rows.erase(m_rows.begin() + row);
    m_display.DeleteItem(row);
    if (m_shown == window)
        m_shown = 0;
}

int CCloseListModel::FindRow(WindowHandle window) const
{
    for (int i = 0; i < RowCount(); ++i)
        if (m_rows[static_cast<size_t>(i)] == window)
            return i;
    return -1;
}

// Needs the window's thread: one that does not answer stays as it is (and parked, it is hidden
// once it answers).
void CCloseListModel::HideAgain(WindowHandle window)
{
    if (IsResponsive(window))
        Seam().HideUnderRelay(window);
}
