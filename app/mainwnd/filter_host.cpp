#include "mainwnd/filter_host.h"

#include "capture/kind_rules.h"
#include "capture/window_facts.h"

const ListEntry* CMainWindowFilterHost::TakeSelected()
{
    const int index = m_takeSelected();
    return index >= 0 && index < m_list.Count() ? &m_list.Entries()[static_cast<size_t>(index)] : nullptr;
}

bool CMainWindowFilterHost::SelectedBrowserUrl(std::u16string& url)
{
    const ListEntry* entry = TakeSelected();
    return entry && ReadBrowserUrl(m_seam, entry->window, url);
}

bool CMainWindowFilterHost::SelectedBrowserTitle(std::u16string& title)
{
    const ListEntry* entry = TakeSelected();
    if (!entry)
        return false;
    title = m_seam.TitleOf(entry->window, kTitleBufferSize);
    if (title.empty())
        return false;
    NormalizeTitle(title, entry->type);
    return true;
}
