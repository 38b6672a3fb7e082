#include "closelist/close_list_model.h"

#include <algorithm>

#include "capture/window_facts.h"
#include "win/unicode_text.h"

std::u16string ReasonText(const FilterMatch& reason, const ReasonWords& words)
{
    if (reason.rule == FilterRule::Popup)
        return words.popup;
    if (reason.rule != FilterRule::Url && reason.rule != FilterRule::Title)
        return u"";
    return FillIn(reason.rule == FilterRule::Url ? words.url : words.title, reason.prefix);
}

CCloseListModel::CCloseListModel(ListDisplay& rows, std::function<void(int)> showCount, const CloseListParts& parts,
                                 ReasonWords words)
    : m_display(rows), m_showCount(std::move(showCount)), m_parts(parts), m_words(std::move(words))
{
}

void CCloseListModel::Open()
{
    const std::vector<ParkedWindow>& parked = List().Parked();
    const size_t shown =
        std::min(parked.size(), static_cast<size_t>(ClampCloseListCapacity(m_parts.settings.CloseListCapacity())));
    for (size_t i = 0; i < shown; ++i)
        AddRow(parked[i]);
    m_shown = 0;
    m_showCount(List().Total());
}

void CCloseListModel::Show(int row)
{
    if (row < 0 || row >= RowCount())
        return;
    Hide();
    const WindowHandle window = m_rows[static_cast<size_t>(row)].window;
    if (m_parts.mover.Release(window))  // one that does not answer stays hidden, in the list
        m_shown = window;
}

void CCloseListModel::Hide()
{
    // Only while it is still parked: one that has left the Close list meanwhile (deleted or
    // evicted, and refusing to close) would be hidden in no list.
    if (m_shown && List().Contains(m_shown))
        m_parts.mover.Hide(m_shown);
    m_shown = 0;
}

void CCloseListModel::Delete(int row)
{
    if (row < 0 || row >= RowCount())
        return;
    const WindowHandle window = m_rows[static_cast<size_t>(row)].window;
    DropRow(row, window);
    m_parts.capture.CloseParked(window);
}

void CCloseListModel::DeleteAll()
{
    while (!m_rows.empty()) {
        m_rows.pop_back();
        m_display.DeleteItem(RowCount());
    }
    m_parts.capture.CloseAllParked();
}

void CCloseListModel::Close()
{
    for (const ParkedWindow& parked : List().Parked())
        if (!m_parts.seam.IsUnderRelay(parked.window))
            m_parts.mover.Hide(parked.window);
    m_shown = 0;
}

void CCloseListModel::AddParkedWindow(const ParkedWindow& parked)
{
    AddRow(parked);
    m_showCount(List().Total());
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
        m_display.SetItemText(row, m_parts.seam.TitleOf(window, kListTitleSize), false);
}

void CCloseListModel::AddRow(const ParkedWindow& parked)
{
    m_rows.push_back(parked);
    m_display.InsertItem(RowCount() - 1, m_parts.seam.TitleOf(parked.window, kListTitleSize), parked.window,
                         parked.type);
    m_display.SetItemDetail(RowCount() - 1, ReasonText(parked.reason, m_words));
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
        if (m_rows[static_cast<size_t>(i)].window == window)
            return i;
    return -1;
}
