// CSwitcherDlg: the switcher, template 150. A topmost box in the middle of the screen the mouse
// is on, opened by its key: typing filters the listed windows below it (the platform-free
// matcher, ui/window_search.h), Up and Down choose, Enter shows the choice as the list would,
// and Escape or a click elsewhere leaves everything as it was. The rows are the list's, read
// anew whenever it changes while the switcher is open.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <vector>

#include "mainwnd/list_controller.h"
#include "res/resource.h"
#include "ui/dialog.h"
#include "win/text_search.h"

// What the switcher reads of the main window's list.
class SwitcherHost {
public:
    virtual ~SwitcherHost() = default;
    virtual const std::vector<ListEntry>& Entries() = 0;
    // The list's icons, and the image of a window's row.
    virtual HIMAGELIST Images() = 0;
    virtual int ImageOf(WindowHandle window, int type) = 0;
};

class CSwitcherDlg : public CDialog {
public:
    CSwitcherDlg(SwitcherHost& host, TextSearch& search) : CDialog(IDD_SWITCHER), m_host(host), m_search(search)
    {
    }

    // The window chosen with Enter, once the switcher has ended; 0 for none.
    WindowHandle Chosen() const { return m_chosen; }
    // The list may have changed: windows gone leave, new titles are shown and matched anew.
    void Refresh();
    // Its key again while it is open: it comes to the front.
    void Raise();

protected:
    // Message handlers
    INT_PTR HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;
    void OnActivate(WPARAM state);

    // Helpers
    void Filter();
    static LRESULT CALLBACK QueryProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                      DWORD_PTR list);

private:
    struct Seen {
        WindowHandle window;
        std::u16string title;
        bool unresponsive;
        bool operator==(const Seen& o) const
        {
            return window == o.window && title == o.title && unresponsive == o.unresponsive;
        }
    };

    // Data members
    SwitcherHost& m_host;
    TextSearch& m_search;
    HWND m_query = nullptr;
    HWND m_list = nullptr;
    HWND m_status = nullptr;
    std::vector<Seen> m_seen;          // the list as the rows were made from it
    std::vector<WindowHandle> m_rows;  // the windows shown, in order
    WindowHandle m_chosen = 0;
};
