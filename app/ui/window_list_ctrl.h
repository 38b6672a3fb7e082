// CWindowListCtrl: the list view of browser windows, one row per window with its browser's icon
// and title, the window's handle as the row's item data. It wraps a list view the owning dialog
// made; each instance gathers its own icons, one per browser type.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <map>
#include <string>
#include <vector>

#include "ui/list_display.h"
#include "ui/list_selection.h"
#include "ui/window_search.h"

class CWindowListCtrl : public ListDisplay {
public:
    CWindowListCtrl() = default;
    ~CWindowListCtrl() override;
    CWindowListCtrl(const CWindowListCtrl&) = delete;
    CWindowListCtrl& operator=(const CWindowListCtrl&) = delete;

    void Attach(HWND list) { m_hWnd = list; }
    HWND GetSafeHwnd() const { return m_hWnd; }

    // The column and the small-icon list, each type's slot showing its kind's mark until the
    // first window of that type with an icon of its own is listed.
    void InitList();
    // A second column headed HEADER, for each row's detail; the title keeps three fifths.
    void AddDetailColumn(const std::u16string& header);
    // The columns fill the control again, in the same shares (after it was scaled for a DPI).
    void FitColumns();
    // Inserts a row at INDEX; returns the list's index for it, or -1.
    int InsertWindowItem(int index, const wchar_t* title, HWND window, int type);
    void SetSelectedItem(int index);
    int TakeSelectedIndex();
    // A copy of the icon of its own a listed window showed when it was listed, for the caller to
    // destroy; null for one without.
    HICON CopyIconOf(HWND window) const;
    // The icons, and the image a window's row shows (its own, or its kind's), for another list.
    HIMAGELIST Images() const { return m_imageList; }
    int ImageOf(HWND window, int type) const;
    // Typing in the list selects the first row whose title holds what was typed within a second,
    // found as SEARCH finds it.
    void EnableTypeToFind(TextSearch& search);

    // Changes made while redrawing is held are drawn once, when it resumes: a burst of them would
    // otherwise draw the list (and its scroll bar) once each.
    void HoldRedraw();
    void ResumeRedraw();
    // Resumes unless more posted messages wait in this thread's queue, for at most 200 ms.
    void ResumeRedrawUnlessBusy();

    // What the owners use of the list view itself.
    int GetItemCount() const;
    HWND GetItemWindow(int index) const;
    std::u16string GetItemText(int index) const;

    // ListDisplay
    void InsertItem(int index, const std::u16string& title, WindowHandle window, int type) override;
    void DeleteItem(int index) override;
    void SelectItem(int index) override { SetSelectedItem(index); }
    void SetItemText(int index, const std::u16string& title, bool unresponsive) override;
    void SetItemDetail(int index, const std::u16string& detail) override;

private:
    void WidenDetailToFit();
    void OnTyped(char16_t c, uint32_t time);
    static LRESULT CALLBACK TypeToFindProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                           DWORD_PTR self);
    int ControlWidth() const;  // the width the columns share

    HWND m_hWnd = nullptr;
    std::map<HWND, int> m_windowImages;  // the image of each listed window's own icon
    std::vector<int> m_freeImages;       // images of windows no longer listed, to be reused
    HIMAGELIST m_imageList = nullptr;
    BrowserIconSlots m_iconSlots;
    bool m_redrawHeld = false;
    int m_fittedWidth = 0;  // the control's width when the columns were last fitted
    TextSearch* m_search = nullptr;
    CTypeAhead m_typeAhead;
    DWORD m_redrawHeldSince = 0;
};
