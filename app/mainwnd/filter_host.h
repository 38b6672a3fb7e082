// The main window's side of the filter dialog: the browser window selected in its list, and the
// Close list.
#pragma once

#include <functional>

#include "capture/capture_state.h"
#include "mainwnd/list_controller.h"
#include "settings/filter_settings.h"

class CMainWindowFilterHost : public FilterDialogHost {
public:
    // TAKE_SELECTED: the index the list has selected, its selection cleared; -1 for none.
    CMainWindowFilterHost(WindowSeam& seam, CListController& list, CCaptureState& capture,
                          std::function<int()> takeSelected)
        : m_seam(seam), m_list(list), m_capture(capture), m_takeSelected(std::move(takeSelected))
    {
    }

    bool SelectedBrowserUrl(std::u16string& url) override;
    bool SelectedBrowserTitle(std::u16string& title) override;
    void CloseAllParked() override { m_capture.CloseAllParked(); }

private:
    const ListEntry* TakeSelected();

    WindowSeam& m_seam;
    CListController& m_list;
    CCaptureState& m_capture;
    std::function<int()> m_takeSelected;
};
