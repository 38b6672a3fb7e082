// The main window's side of the filter dialog: the browser window selected in its list, and the
// Close list.
#pragma once

#include <functional>

#include "mainwnd/list_controller.h"
#include "settings/filter_settings.h"

class CMainWindowFilterHost : public FilterDialogHost {
public:
    // TAKE_SELECTED: the index the list has selected, its selection cleared; -1 for none.
    CMainWindowFilterHost(CListController& list, std::function<int()> takeSelected)
        : m_list(list), m_takeSelected(std::move(takeSelected))
    {
    }

    bool SelectedBrowserUrl(std::string& url) override;
    bool SelectedBrowserTitle(std::string& title) override;
    void CloseAllParked() override;

private:
    const ListEntry* TakeSelected();

    CListController& m_list;
    std::function<int()> m_takeSelected;
};
