// CWindowListCtrl on a real list view in a real dialog: its column, its windows' icons and
// its selection, read back from the control. The browser windows here belong to the test
// process: Wine answers 0 for the class icon of another process's window.
#include <gtest/gtest.h>

#include <vector>

#include "res/resource.h"
#include "ui/resources.h"
#include "ui/window_list_ctrl.h"

namespace {

HWND MakeWindow(const char* className, HICON icon, HWND parent = nullptr)
{
    WNDCLASSA wc = {};
    wc.lpfnWndProc = DefWindowProcA;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.hIcon = icon;
    wc.lpszClassName = className;
    RegisterClassA(&wc);
    return CreateWindowExA(0, className, "", parent ? WS_CHILD : WS_OVERLAPPEDWINDOW, 0, 0, 50, 50, parent, nullptr,
                           wc.hInstance, nullptr);
}

// An image as pixels, to tell icons apart: drawn from an image list made the same way.
std::vector<DWORD> Pixels(HIMAGELIST list, int index)
{
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = 16;
    info.bmiHeader.biHeight = 16;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    HDC dc = CreateCompatibleDC(nullptr);
    HBITMAP bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(dc, bitmap);
    ImageList_Draw(list, index, dc, 0, 0, ILD_NORMAL);
    GdiFlush();
    std::vector<DWORD> pixels(static_cast<DWORD*>(bits), static_cast<DWORD*>(bits) + 256);
    SelectObject(dc, old);
    DeleteObject(bitmap);
    DeleteDC(dc);
    return pixels;
}

std::vector<DWORD> IconPixels(HICON icon)
{
    HIMAGELIST list = ImageList_Create(16, 16, ILC_COLOR32 | ILC_MASK, 1, 1);
    ImageList_AddIcon(list, icon);
    std::vector<DWORD> pixels = Pixels(list, 0);
    ImageList_Destroy(list);
    return pixels;
}

class WindowList : public ::testing::Test {
protected:
    void SetUp() override
    {
        INITCOMMONCONTROLSEX icc = {sizeof icc, ICC_LISTVIEW_CLASSES};
        InitCommonControlsEx(&icc);
        SetResourceLanguage(UiLanguage::Japanese);  // its words under any locale
        dialog_ = CreateWindowExA(0, "#32770", "list host", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 320, 240, nullptr,
                                  nullptr, GetModuleHandleA(nullptr), nullptr);
        HWND list = CreateWindowExA(0, WC_LISTVIEWA, "", WS_CHILD | WS_VISIBLE | LVS_REPORT | LVS_SHOWSELALWAYS, 0, 0,
                                    300, 200, dialog_, reinterpret_cast<HMENU>(IDC_LIST_WINDOWS), nullptr, nullptr);
        ASSERT_TRUE(list);
        list_.Attach(list);
        list_.InitList();
    }
    void TearDown() override { DestroyWindow(dialog_); }

    bool Selected(int row) { return ListView_GetItemState(list_.GetSafeHwnd(), row, LVIS_SELECTED) != 0; }
    HIMAGELIST Images() { return ListView_GetImageList(list_.GetSafeHwnd(), LVSIL_SMALL); }

    HWND dialog_ = nullptr;
    CWindowListCtrl list_;
};

TEST_F(WindowList, HasOneCentredColumnAsWideAsTheControlLessFour)
{
    wchar_t text[64] = L"";
    LVCOLUMNW column = {};
    column.mask = LVCF_FMT | LVCF_WIDTH | LVCF_TEXT;
    column.pszText = text;
    column.cchTextMax = 64;
    ASSERT_TRUE(SendMessageW(list_.GetSafeHwnd(), LVM_GETCOLUMNW, 0, reinterpret_cast<LPARAM>(&column)));
    EXPECT_STREQ(L"    \u30A6\u30A3\u30F3\u30C9\u30A6\u30EA\u30B9\u30C8\uFF08\u30BF\u30A4\u30C8\u30EB\uFF09", text);
    EXPECT_EQ(LVCFMT_CENTER, column.fmt & LVCFMT_JUSTIFYMASK);
    EXPECT_EQ(296, column.cx);
}

TEST_F(WindowList, ShowsEachWindowsOwnIconAndItsKindsWhereItHasNone)
{
    // Before any window: each kind's slot shows its mark, centred on a clear square.
    const std::vector<DWORD> ieMark = Pixels(Images(), BROWSER_IE), mozillaMark = Pixels(Images(), BROWSER_MOZILLA);
    HBITMAP mark = LoadBitmapW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDB_BROWSER_MOZILLA));
    HDC markDc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(markDc, mark);
    int differ = 0;
    for (int y = 0; y < 11; ++y)
        for (int x = 0; x < 11; ++x) {
            const COLORREF c = GetPixel(markDc, x, y);
            const DWORD rgb = GetRValue(c) << 16 | GetGValue(c) << 8 | GetBValue(c);
            differ += (mozillaMark[static_cast<size_t>((15 - (y + 2)) * 16 + x + 2)] & 0xFFFFFF) != rgb;
        }
    SelectObject(markDc, old);
    DeleteDC(markDc);
    DeleteObject(mark);
    EXPECT_EQ(0, differ) << "the mark's pixels";
    EXPECT_EQ(0u, mozillaMark[0]) << "clear around it";
    EXPECT_NE(ieMark, mozillaMark);

    HICON warning = LoadIcon(nullptr, IDI_WARNING), error = LoadIcon(nullptr, IDI_ERROR);
    HICON info = LoadIcon(nullptr, IDI_INFORMATION);
    HWND ie1 = MakeWindow("IEFrameFirst", warning), ie2 = MakeWindow("IEFrameSecond", nullptr);
    HWND ns1 = MakeWindow("NoIconFirst", nullptr), own = MakeWindow("OwnIconLater", nullptr);
    SendMessageA(own, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(error));  // its own, not its class's
    HWND opera = MakeWindow("OpWindowNoIcon", nullptr);
    MakeWindow("OUIWINDOW", info, opera);
    ASSERT_TRUE(ie1 && ie2 && ns1 && own && opera);

    EXPECT_EQ(0, list_.InsertWindowItem(0, L"IE one", ie1, BROWSER_IE));
    EXPECT_EQ(1, list_.InsertWindowItem(1, L"IE two", ie2, BROWSER_IE));
    EXPECT_EQ(2, list_.InsertWindowItem(2, L"NS one", ns1, BROWSER_NETSCAPE6));
    EXPECT_EQ(3, list_.InsertWindowItem(3, L"NS own", own, BROWSER_NETSCAPE6));
    EXPECT_EQ(0, list_.InsertWindowItem(0, L"Opera", opera, BROWSER_OPERA_OP));

    // The icons must look different for the comparisons below to mean anything.
    ASSERT_NE(IconPixels(warning), ieMark);
    ASSERT_NE(IconPixels(warning), IconPixels(error));
    auto rowIcon = [&](int row) {
        LVITEMA item = {};
        item.mask = LVIF_IMAGE;
        item.iItem = row;
        SendMessageA(list_.GetSafeHwnd(), LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item));
        return Pixels(Images(), item.iImage);
    };
    EXPECT_EQ(IconPixels(warning), rowIcon(1)) << "its class's icon";
    EXPECT_EQ(IconPixels(warning), rowIcon(2)) << "none of its own: its kind's, from the first window that had one";
    EXPECT_EQ(IconPixels(error), rowIcon(3)) << "its kind's, from a window listed after it";
    EXPECT_EQ(mozillaMark, Pixels(Images(), BROWSER_MOZILLA)) << "a kind never listed: its mark";
    EXPECT_EQ(IconPixels(error), rowIcon(4)) << "the icon it set for itself";
    EXPECT_EQ(IconPixels(info), rowIcon(0)) << "from the OUIWINDOW descendant";
    HICON copy = list_.CopyIconOf(own);
    EXPECT_EQ(IconPixels(error), IconPixels(copy)) << "for the tray's menus";
    DestroyIcon(copy);
    EXPECT_EQ(nullptr, list_.CopyIconOf(ns1));
    const int images = ImageList_GetImageCount(Images());
    list_.DeleteItem(4);
    list_.InsertWindowItem(4, L"NS own", own, BROWSER_NETSCAPE6);
    EXPECT_EQ(images, ImageList_GetImageCount(Images())) << "a window gone from the list leaves its image to the next";

    EXPECT_EQ(5, list_.GetItemCount());
    EXPECT_EQ(opera, list_.GetItemWindow(0));
    EXPECT_EQ(own, list_.GetItemWindow(4));
    EXPECT_EQ(u"IE two", list_.GetItemText(2));
}

TEST_F(WindowList, SelectionRulesHoldInTheControl)
{
    HWND w = MakeWindow("PlainBrowser", nullptr);
    for (int i = 0; i < 4; ++i)
        list_.InsertWindowItem(i, L"row", w, BROWSER_IE);
    ListView_SetItemState(list_.GetSafeHwnd(), 0, LVIS_FOCUSED, LVIS_FOCUSED);

    EXPECT_EQ(-1, list_.TakeSelectedIndex());
    list_.SetSelectedItem(2);
    list_.SetSelectedItem(2);
    EXPECT_TRUE(Selected(2));
    EXPECT_EQ(1, ListView_GetSelectedCount(list_.GetSafeHwnd()));
    list_.SetSelectedItem(3);
    EXPECT_FALSE(Selected(2));
    EXPECT_TRUE(Selected(3));
    EXPECT_TRUE(ListView_GetItemState(list_.GetSafeHwnd(), 0, LVIS_FOCUSED)) << "the focus is not touched";

    EXPECT_EQ(3, list_.TakeSelectedIndex());
    EXPECT_EQ(0u, ListView_GetSelectedCount(list_.GetSafeHwnd()));
    list_.SetSelectedItem(1);
    list_.SetSelectedItem(-1);
    EXPECT_EQ(0u, ListView_GetSelectedCount(list_.GetSafeHwnd()));
}

}  // namespace
