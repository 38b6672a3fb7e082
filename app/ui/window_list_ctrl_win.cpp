#include "ui/window_list_ctrl.h"

#include "res/resource.h"
#include "ui/resources.h"
#include "ui/window_icons_win.h"
#include "win/wide_text_win.h"

namespace {

const DWORD kLongestRedrawHoldMs = 200;

class ListViewRows : public SelectableRows {
public:
    ListViewRows(HWND list, bool redrawHeld) : m_list(list), m_redrawHeld(redrawHeld) {}
    int RowCount() override { return ListView_GetItemCount(m_list); }
    bool IsSelected(int row) override { return ListView_GetItemState(m_list, row, LVIS_SELECTED) != 0; }
    void ClearSelected(int row) override { ListView_SetItemState(m_list, row, 0, LVIS_SELECTED | LVIS_DROPHILITED); }
    void SetSelected(int row) override { ListView_SetItemState(m_list, row, LVIS_SELECTED, LVIS_SELECTED); }
    // While redrawing is held the whole list is drawn at the end anyway.
    void Redraw(int row) override
    {
        if (!m_redrawHeld)
            ListView_Update(m_list, row);
    }

private:
    HWND m_list;
    bool m_redrawHeld;
};

}  // namespace

CWindowListCtrl::~CWindowListCtrl()
{
    if (m_imageList)
        ImageList_Destroy(m_imageList);
}

void CWindowListCtrl::InitList()
{
    RECT rc = {};
    GetWindowRect(m_hWnd, &rc);
    LVCOLUMNW column = {};
    column.mask = LVCF_FMT | LVCF_WIDTH | LVCF_TEXT;
    column.fmt = LVCFMT_CENTER;
    column.cx = (rc.right - rc.left) - 4;
    column.pszText = const_cast<wchar_t*>(ResourceText(IDS_LIST_HEADER));  // four spaces first: the icon
    SendMessageW(m_hWnd, LVM_INSERTCOLUMNW, 0, reinterpret_cast<LPARAM>(&column));

    // The control must not destroy the image list it is given: this object owns it.
    SetWindowLongA(m_hWnd, GWL_STYLE, GetWindowLongA(m_hWnd, GWL_STYLE) | LVS_SHAREIMAGELISTS);
    m_imageList = ImageList_Create(kIconSize, kIconSize, ILC_COLOR32 | ILC_MASK, kBrowserTypeCount, kBrowserTypeCount);
    ImageList_SetImageCount(m_imageList, kBrowserTypeCount);  // one slot a type, blank until drawn
    for (const BrowserKind& kind : kBrowserKinds) {
        if (HICON mark = MarkIcon(kind.menuMark)) {
            ImageList_ReplaceIcon(m_imageList, kind.type, mark);
            DestroyIcon(mark);
        }
    }
    ListView_SetImageList(m_hWnd, m_imageList, LVSIL_SMALL);
}

int CWindowListCtrl::InsertWindowItem(int index, const wchar_t* title, HWND window, int type)
{
    // Each window shows its own icon, copied into the image list as it is now (the browser may
    // free it); one without shows its kind's, the icon of the first window of the kind that had
    // one (the kind's mark until then).
    const HICON own = OwnIcon(window, type);
    if (own && m_iconSlots.TakeFirst(type))
        ImageList_ReplaceIcon(m_imageList, type, own);
    int image = type;
    if (own) {
        const int freed = m_freeImages.empty() ? -1 : m_freeImages.back();
        image = ImageList_ReplaceIcon(m_imageList, freed, own);  // -1: added at the end
        if (image >= 0 && freed >= 0)
            m_freeImages.pop_back();
        if (image >= 0)
            m_windowImages[window] = image;
        else
            image = type;
    }
    LVITEMW item = {};
    item.mask = LVIF_TEXT | LVIF_IMAGE | LVIF_PARAM;
    item.iItem = index;
    item.pszText = const_cast<wchar_t*>(title);
    item.iImage = image;
    item.lParam = reinterpret_cast<LPARAM>(window);
    return static_cast<int>(SendMessageW(m_hWnd, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item)));
}

int CWindowListCtrl::ImageOf(HWND window, int type) const
{
    const auto found = m_windowImages.find(window);
    return found == m_windowImages.end() ? type : found->second;
}

void CWindowListCtrl::EnableTypeToFind(TextSearch& search)
{
    m_search = &search;
    SetWindowSubclass(m_hWnd, TypeToFindProc, 1, reinterpret_cast<DWORD_PTR>(this));
}

// The list view's own search matches only a title's beginning, byte for byte: it gets no
// printable character while this one finds.
LRESULT CALLBACK CWindowListCtrl::TypeToFindProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                                 DWORD_PTR self)
{
    if (message == WM_CHAR && wParam >= 0x20 && wParam != 0x7F) {
        reinterpret_cast<CWindowListCtrl*>(self)->OnTyped(static_cast<char16_t>(wParam), GetMessageTime());
        return 0;
    }
    if (message == WM_NCDESTROY)
        RemoveWindowSubclass(hwnd, TypeToFindProc, id);
    return DefSubclassProc(hwnd, message, wParam, lParam);
}

void CWindowListCtrl::OnTyped(char16_t c, uint32_t time)
{
    std::vector<std::u16string> titles;
    for (int i = 0; i < GetItemCount(); ++i)
        titles.push_back(GetItemText(i));
    const int row = FirstRowHolding(titles, m_typeAhead.Type(c, time), *m_search);
    if (row < 0)
        return;
    SetSelectedItem(row);
    ListView_SetItemState(m_hWnd, row, LVIS_FOCUSED, LVIS_FOCUSED);
    ListView_EnsureVisible(m_hWnd, row, FALSE);
}

HICON CWindowListCtrl::CopyIconOf(HWND window) const
{
    const auto found = m_windowImages.find(window);
    return found == m_windowImages.end() ? nullptr : ImageList_GetIcon(m_imageList, found->second, ILD_NORMAL);
}

void CWindowListCtrl::SetSelectedItem(int index)
{
    ListViewRows rows(m_hWnd, m_redrawHeld);
    SelectRow(rows, index);
}

int CWindowListCtrl::TakeSelectedIndex()
{
    ListViewRows rows(m_hWnd, m_redrawHeld);
    return TakeSelectedRow(rows);
}

int CWindowListCtrl::GetItemCount() const
{
    return ListView_GetItemCount(m_hWnd);
}

HWND CWindowListCtrl::GetItemWindow(int index) const
{
    LVITEMW item = {};
    item.mask = LVIF_PARAM;
    item.iItem = index;
    if (!SendMessageW(m_hWnd, LVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&item)))
        return nullptr;
    return reinterpret_cast<HWND>(item.lParam);
}

std::u16string CWindowListCtrl::GetItemText(int index) const
{
    wchar_t text[2048] = L"";
    LVITEMW item = {};
    item.iSubItem = 0;
    item.pszText = text;
    item.cchTextMax = ARRAYSIZE(text);
    const LRESULT n = SendMessageW(m_hWnd, LVM_GETITEMTEXTW, index, reinterpret_cast<LPARAM>(&item));
    return FromWide(text, static_cast<size_t>(n > 0 ? n : 0));
}

void CWindowListCtrl::InsertItem(int index, const std::u16string& title, WindowHandle window, int type)
{
    InsertWindowItem(index, Wide(title), reinterpret_cast<HWND>(window), type);
}

void CWindowListCtrl::SetItemText(int index, const std::u16string& title, bool unresponsive)
{
    std::u16string text = unresponsive ? ResourceString(IDS_NOT_RESPONDING) : u"";
    text += title;
    LVITEMW item = {};
    item.pszText = WideBuffer(text);
    SendMessageW(m_hWnd, LVM_SETITEMTEXTW, index, reinterpret_cast<LPARAM>(&item));
}

void CWindowListCtrl::HoldRedraw()
{
    if (m_redrawHeld)
        return;
    SendMessageW(m_hWnd, WM_SETREDRAW, FALSE, 0);
    m_redrawHeld = true;
    m_redrawHeldSince = GetTickCount();
}

void CWindowListCtrl::ResumeRedrawUnlessBusy()
{
    const bool morePosted = HIWORD(GetQueueStatus(QS_POSTMESSAGE)) != 0;
    if (!morePosted || GetTickCount() - m_redrawHeldSince > kLongestRedrawHoldMs)
        ResumeRedraw();
}

void CWindowListCtrl::ResumeRedraw()
{
    if (!m_redrawHeld)
        return;
    m_redrawHeld = false;
    SendMessageW(m_hWnd, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(m_hWnd, nullptr, TRUE);
}

void CWindowListCtrl::DeleteItem(int index)
{
    const auto found = m_windowImages.find(GetItemWindow(index));
    if (found != m_windowImages.end()) {
        m_freeImages.push_back(found->second);  // for the next window's icon
        m_windowImages.erase(found);
    }
    ListView_DeleteItem(m_hWnd, index);
    WidenDetailToFit();  // the longest detail may have gone
}

void CWindowListCtrl::AddDetailColumn(const std::u16string& header)
{
    const int width = ListView_GetColumnWidth(m_hWnd, 0);
    ListView_SetColumnWidth(m_hWnd, 0, width * 3 / 5);
    LVCOLUMNW column = {};
    column.mask = LVCF_FMT | LVCF_WIDTH | LVCF_TEXT | LVCF_SUBITEM;
    column.fmt = LVCFMT_LEFT;
    column.cx = width - width * 3 / 5;
    column.pszText = const_cast<wchar_t*>(Wide(header));
    column.iSubItem = 1;
    SendMessageW(m_hWnd, LVM_INSERTCOLUMNW, 1, reinterpret_cast<LPARAM>(&column));
    m_fittedWidth = ControlWidth();
}

void CWindowListCtrl::SetItemDetail(int index, const std::u16string& detail)
{
    LVITEMW item = {};
    item.iSubItem = 1;
    item.pszText = const_cast<wchar_t*>(Wide(detail));
    SendMessageW(m_hWnd, LVM_SETITEMTEXTW, index, reinterpret_cast<LPARAM>(&item));
    WidenDetailToFit();
}

// A detail is read whole (a long prefix, say): its column is as wide as the longest, and at
// least what the title leaves of the control; the list scrolls sideways when it must.
void CWindowListCtrl::WidenDetailToFit()
{
    if (ListView_GetColumnWidth(m_hWnd, 1) <= 0)
        return;  // no detail column
    const int rest = ControlWidth() - ListView_GetColumnWidth(m_hWnd, 0);
    ListView_SetColumnWidth(m_hWnd, 1, LVSCW_AUTOSIZE);
    if (ListView_GetColumnWidth(m_hWnd, 1) < rest)
        ListView_SetColumnWidth(m_hWnd, 1, rest);
}

int CWindowListCtrl::ControlWidth() const
{
    RECT rc = {};
    GetWindowRect(m_hWnd, &rc);
    return (rc.right - rc.left) - 4;
}

void CWindowListCtrl::FitColumns()
{
    const int width = ControlWidth();
    if (ListView_GetColumnWidth(m_hWnd, 1) <= 0) {
        ListView_SetColumnWidth(m_hWnd, 0, width);
    } else if (m_fittedWidth > 0) {
        // The title keeps its share of the control, scaled with it; the detail fits around it.
        ListView_SetColumnWidth(m_hWnd, 0, MulDiv(ListView_GetColumnWidth(m_hWnd, 0), width, m_fittedWidth));
        WidenDetailToFit();
    }
    m_fittedWidth = width;
}
