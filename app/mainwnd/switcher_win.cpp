#include "mainwnd/switcher.h"

#include "ui/resources.h"
#include "ui/window_search.h"
#include "win/unicode_text.h"
#include "win/wide_text_win.h"

namespace {

// A title of any length is shown cut, and never in the middle of a character.
constexpr size_t kShownTitle = 260;

}  // namespace

INT_PTR CSwitcherDlg::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_ACTIVATE:
        OnActivate(wParam);
        return FALSE;
    case WM_COMMAND:
        if (LOWORD(wParam) == IDC_SWITCHER_QUERY && HIWORD(wParam) == EN_CHANGE) {
            Filter();  // typed or pasted alike
            return TRUE;
        }
        return CDialog::HandleMessage(message, wParam, lParam);
    case WM_NOTIFY:
        if (reinterpret_cast<const NMHDR*>(lParam)->idFrom == IDC_SWITCHER_LIST &&
            reinterpret_cast<const NMHDR*>(lParam)->code == NM_DBLCLK)
            OnOK();  // a double click chooses, as Enter does
        return TRUE;
    default:
        return CDialog::HandleMessage(message, wParam, lParam);
    }
}

BOOL CSwitcherDlg::OnInitDialog()
{
    m_query = GetDlgItem(m_hWnd, IDC_SWITCHER_QUERY);
    m_list = GetDlgItem(m_hWnd, IDC_SWITCHER_LIST);
    m_status = GetDlgItem(m_hWnd, IDC_SWITCHER_STATUS);
    // The main list's icons, shared: it keeps them.
    SetWindowLongW(m_list, GWL_STYLE, GetWindowLongW(m_list, GWL_STYLE) | LVS_SHAREIMAGELISTS);
    ListView_SetImageList(m_list, m_host.Images(), LVSIL_SMALL);
    ListView_SetExtendedListViewStyle(m_list, LVS_EX_FULLROWSELECT);
    RECT client = {};
    GetClientRect(m_list, &client);
    LVCOLUMNW column = {};
    column.mask = LVCF_WIDTH;
    column.cx = client.right - GetSystemMetrics(SM_CXVSCROLL);
    SendMessageW(m_list, LVM_INSERTCOLUMNW, 0, reinterpret_cast<LPARAM>(&column));
    SetWindowSubclass(m_query, QueryProc, 1, reinterpret_cast<DWORD_PTR>(m_list));

    PlaceOnScreen(m_hWnd, true);  // topmost by its template
    Filter();
    SetForegroundWindow(m_hWnd);
    SetFocus(m_query);
    return FALSE;  // the focus is set
}

// Up, Down, PageUp and PageDown in the box move the choice in the list below it.
LRESULT CALLBACK CSwitcherDlg::QueryProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                         DWORD_PTR list)
{
    if (message == WM_KEYDOWN && (wParam == VK_UP || wParam == VK_DOWN || wParam == VK_PRIOR || wParam == VK_NEXT))
        return SendMessageW(reinterpret_cast<HWND>(list), message, wParam, lParam);
    if (message == WM_NCDESTROY)
        RemoveWindowSubclass(hwnd, QueryProc, id);
    return DefSubclassProc(hwnd, message, wParam, lParam);
}

void CSwitcherDlg::Filter()
{
    const std::vector<ListEntry>& entries = m_host.Entries();
    m_seen.clear();
    std::vector<SearchRow> rows;
    for (const ListEntry& entry : entries) {
        m_seen.push_back({entry.window, entry.title, entry.unresponsive});
        rows.push_back({entry.title, entry.lastShown});
    }
    const int selected = ListView_GetNextItem(m_list, -1, LVNI_SELECTED);
    const WindowHandle was = selected >= 0 && selected < static_cast<int>(m_rows.size())
                                 ? m_rows[static_cast<size_t>(selected)]
                                 : 0;
    std::vector<wchar_t> typed(static_cast<size_t>(GetWindowTextLengthW(m_query)) + 1, L'\0');
    const int n = GetWindowTextW(m_query, typed.data(), static_cast<int>(typed.size()));
    const std::u16string query = FromWide(typed.data(), static_cast<size_t>(n > 0 ? n : 0));

    SendMessageW(m_list, WM_SETREDRAW, FALSE, 0);
    ListView_DeleteAllItems(m_list);
    m_rows.clear();
    int select = 0;
    for (int index : FindRows(rows, query, m_search)) {
        const ListEntry& entry = entries[static_cast<size_t>(index)];
        std::u16string text = entry.unresponsive ? ResourceString(IDS_NOT_RESPONDING) : u"";
        text += CutText(entry.title, kShownTitle);
        LVITEMW item = {};
        item.mask = LVIF_TEXT | LVIF_IMAGE;
        item.iItem = static_cast<int>(m_rows.size());
        item.pszText = const_cast<wchar_t*>(Wide(text));
        item.iImage = m_host.ImageOf(entry.window, entry.type);
        SendMessageW(m_list, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
        if (entry.window == was)
            select = static_cast<int>(m_rows.size());
        m_rows.push_back(entry.window);
    }
    if (!m_rows.empty()) {
        ListView_SetItemState(m_list, select, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
        ListView_EnsureVisible(m_list, select, FALSE);
    }
    SendMessageW(m_list, WM_SETREDRAW, TRUE, 0);
    SetWindowTextW(m_status, m_rows.empty() ? ResourceText(IDS_SWITCHER_NONE) : L"");
}

void CSwitcherDlg::Refresh()
{
    if (!m_hWnd)
        return;
    const std::vector<ListEntry>& entries = m_host.Entries();
    bool same = entries.size() == m_seen.size();
    for (size_t i = 0; same && i < entries.size(); ++i)
        same = m_seen[i] == Seen{entries[i].window, entries[i].title, entries[i].unresponsive};
    if (!same)
        Filter();
}

void CSwitcherDlg::Raise()
{
    if (m_hWnd) {
        SetForegroundWindow(m_hWnd);
        SetFocus(m_query);
    }
}

void CSwitcherDlg::OnOK()
{
    const int selected = ListView_GetNextItem(m_list, -1, LVNI_SELECTED);
    if (selected < 0 || selected >= static_cast<int>(m_rows.size()))
        return;  // nothing matches: Enter does nothing
    m_chosen = m_rows[static_cast<size_t>(selected)];
    EndDialog(m_hWnd, IDOK);
}

void CSwitcherDlg::OnCancel()
{
    m_chosen = 0;
    EndDialog(m_hWnd, IDCANCEL);
}

// A click elsewhere ends it as Escape does.
void CSwitcherDlg::OnActivate(WPARAM state)
{
    if (LOWORD(state) == WA_INACTIVE && !m_chosen)
        EndDialog(m_hWnd, IDCANCEL);
}
