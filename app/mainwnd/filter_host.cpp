#include "mainwnd/filter_host.h"

#include "capture/close_list.h"
#include "capture/filters.h"

const ListEntry* CMainWindowFilterHost::TakeSelected()
{
    const int index = m_takeSelected();
    return index >= 0 && index < m_list.Count() ? &m_list.Entry(index) : nullptr;
}

bool CMainWindowFilterHost::SelectedBrowserUrl(std::string& url)
{
    const ListEntry* entry = TakeSelected();
    return entry && ReadBrowserUrl(entry->window, url);
}

bool CMainWindowFilterHost::SelectedBrowserTitle(std::string& title)
{
    const ListEntry* entry = TakeSelected();
    if (!entry)
        return false;
    title = Seam().TitleOf(entry->window, kTitleBufferSize);
    if (title.empty())
        return false;
    NormalizeTitle(title, entry->type);
    return true;
}

void CMainWindowFilterHost::CloseAllParked()
{
    ::CloseAllParked();
}
