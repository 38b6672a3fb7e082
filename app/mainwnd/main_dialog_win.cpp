#include "mainwnd/main_dialog.h"

#include <cstring>

#include "capture/close_list.h"
#include "capture/hook_binding.h"
#include "mainwnd/list_rules.h"
#include "mainwnd/sweep_list.h"
#include "mainwnd/switching.h"
#include "res/resource.h"
#include "settings/profile_store_win.h"
#include "shell/about_dialog.h"

HWND g_hMainWnd;
int g_nCurrent = -1;
char g_szExePath[1024];
HBITMAP g_hbmMenuCheck;
HBITMAP g_ahbmBrowserType[kBrowserTypeCount];

CPelorusDlg* CPelorusDlg::s_instance;

namespace {

const UINT_PTR kDeadWindowTimer = 1;
const UINT kDeadWindowCheckMs = 1000;
const int kTitleSize = 1024;

std::string TitleOf(HWND window)
{
    char title[kTitleSize] = "";
    GetWindowTextA(window, title, kTitleSize);
    return title;
}

WindowHandle Handle(HWND window)
{
    return reinterpret_cast<WindowHandle>(window);
}

BOOL CALLBACK FindBrowserWindowsProc(HWND window, LPARAM visibleOnly)
{
    if (g_nFoundCount >= kMaxSweptWindows)
        return TRUE;
    const bool visible = IsWindowVisible(window) != FALSE;
    if (visibleOnly && !visible)
        return TRUE;
    char className[512] = "";
    if (!GetClassNameA(window, className, 511))
        return TRUE;
    char title[512] = "";
    GetWindowTextA(window, title, 511);
    const int type = ClassifyOpenWindow(className, title, visible);
    if (type >= 0) {
        g_ahwndFound[g_nFoundCount] = window;
        g_anFoundType[g_nFoundCount++] = type;
    }
    return TRUE;
}

// Every window under the relay window back on the desktop: listed, parked, or forgotten after
// refusing to close. A child of the relay window dies with it.
void ReleaseRelayChildren()
{
    if (!g_hRelayWnd)
        return;
    HWND child = GetWindow(g_hRelayWnd, GW_CHILD);
    while (child) {
        HWND next = GetWindow(child, GW_HWNDNEXT);
        SetParent(child, nullptr);
        child = next;
    }
}

}  // namespace

CPelorusDlg::CPelorusDlg() : CDialog(IDD_PELORUS_DIALOG)
{
    m_hIcon = static_cast<HICON>(
        LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDR_MAINFRAME), IMAGE_ICON, 0, 0, LR_DEFAULTSIZE));
    m_hSmallIcon = static_cast<HICON>(
        LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDR_MAINFRAME), IMAGE_ICON, 16, 16, 0));
    s_instance = this;
}

CPelorusDlg::~CPelorusDlg()
{
    s_instance = nullptr;
}

INT_PTR CPelorusDlg::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_HOOK_NOTIFY:
        OnHookNotify(wParam, lParam);
        return TRUE;
    case WM_COMMAND:
        if (HIWORD(wParam) == BN_CLICKED && LOWORD(wParam) != IDOK && LOWORD(wParam) != IDCANCEL) {
            OnCommand(LOWORD(wParam));
            return TRUE;
        }
        return CDialog::HandleMessage(message, wParam, lParam);
    case WM_NOTIFY:
        OnNotify(reinterpret_cast<const NMHDR*>(lParam));
        return TRUE;
    case WM_SYSCOMMAND:
        return OnSysCommand(static_cast<UINT>(wParam));
    case WM_PAINT:
        return OnPaint();
    case WM_QUERYDRAGICON:
        return reinterpret_cast<INT_PTR>(m_hIcon);
    case WM_TIMER:
        OnTimer();
        return TRUE;
    case WM_ENDSESSION:
        OnEndSession(static_cast<BOOL>(wParam));
        return TRUE;
    case WM_DESTROY:
        OnDestroy();
        return TRUE;
    default:
        return CDialog::HandleMessage(message, wParam, lParam);
    }
}

BOOL CPelorusDlg::OnInitDialog()
{
    m_listWindows.Attach(GetDlgItem(m_hWnd, IDC_LIST_WINDOWS));
    m_btnCloseList = GetDlgItem(m_hWnd, IDC_BTN_CLOSE_LIST);
    m_btnUpdateSize = GetDlgItem(m_hWnd, IDC_BTN_UPDATE_SIZE);

    SetUpSystemMenu();
    SendMessageW(m_hWnd, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(m_hIcon));
    SendMessageW(m_hWnd, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(m_hSmallIcon));
    ClearPopups();
    g_hMainWnd = m_hWnd;

    Win32ProfileStore store;
    StoredPosition position;
    LoadSettings(store, *this, position);
    UpdateCloseListButton();
    EnableWindow(m_btnUpdateSize, m_bSizePos != 0);
    if (position.x >= 0 && position.y >= 0) {
        WINDOWPLACEMENT placement = {};
        placement.length = sizeof placement;
        if (GetWindowPlacement(m_hWnd, &placement)) {
            RECT& rc = placement.rcNormalPosition;
            rc = {position.x, position.y, position.x + rc.right, position.y + rc.bottom};
            SetWindowPlacement(m_hWnd, &placement);
        }
    }
    m_bInTray = 0;
    m_bSettingsOpen = 0;
    const std::string path = GetOwnPathFromCommandLine(GetCommandLineA(), sizeof g_szExePath);
    std::memcpy(g_szExePath, path.c_str(), path.size() + 1);

    if (m_bIconic)
        PostMessageW(g_hMainWnd, WM_SYSCOMMAND, SC_MINIMIZE, 0);
    PostMessageW(g_hMainWnd, WM_HOOK_NOTIFY, HN_STARTUP, 0);
    m_listWindows.InitList(m_hIcon);
    LoadMenuBitmaps();
    ClearParked();

    // The settings sheet arrives with its own issue; until then its button does nothing.
    EnableWindow(GetDlgItem(m_hWnd, IDC_BTN_SETTINGS), FALSE);
    // A browser that is killed never reports its end: look for dead windows now and then.
    SetTimer(m_hWnd, kDeadWindowTimer, kDeadWindowCheckMs, nullptr);
    return TRUE;
}

void CPelorusDlg::SetUpSystemMenu()
{
    HMENU menu = GetSystemMenu(m_hWnd, FALSE);
    if (!menu)
        return;
    EnableMenuItem(menu, SC_MAXIMIZE, MF_BYCOMMAND | MF_GRAYED);
    EnableMenuItem(menu, SC_SIZE, MF_BYCOMMAND | MF_GRAYED);
    wchar_t text[256] = L"";
    if (LoadStringW(GetModuleHandleW(nullptr), IDS_ABOUTBOX, text, 256) > 0) {
        AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
        AppendMenuW(menu, MF_STRING, IDM_ABOUTBOX, text);
    }
}

// The tray menus' bitmaps; type 5 shares Opera's.
void CPelorusDlg::LoadMenuBitmaps()
{
    HINSTANCE instance = GetModuleHandleW(nullptr);
    g_hbmMenuCheck = LoadBitmapW(instance, MAKEINTRESOURCEW(IDB_MENU_CHECK));
    for (int t = 0; t < kBrowserTypeCount; ++t) {
        const int id = t == BROWSER_OPERA_OP ? IDB_BROWSER_OPERA : IDB_BROWSER_IE + t;
        g_ahbmBrowserType[t] = LoadBitmapW(instance, MAKEINTRESOURCEW(id));
    }
}

void CPelorusDlg::OnHookNotify(WPARAM wParam, LPARAM lParam)
{
    HWND window = reinterpret_cast<HWND>(lParam);
    switch (wParam & HN_CODE_MASK) {
    case HN_NEWWINDOW:
        OnNewWindow(window, static_cast<int>(wParam & HN_TYPE_MASK));
        break;
    case HN_DESTROYED:
        OnDestroyedWindow(window);
        break;
    case HN_TITLECHANGED:
        OnTitleChanged(window);
        break;
    case HN_STARTUP:
        OnStartup();
        break;
    default:
        break;
    }
}

void CPelorusDlg::OnNewWindow(HWND window, int type)
{
    if (LooksLikePopup(Handle(window), type))
        AddPopup(Handle(window));
    if (g_bFilter && FilterNewWindow(Handle(window), type))
        return;
    const int count = m_listWindows.GetItemCount() > 0 ? m_listWindows.GetItemCount() : 0;
    const NewEntryPlan plan = PlanNewEntry(count, g_nCurrent, m_nListMode, m_nNewWindowMode);
    if (plan.keepCurrentShown) {
        HideBrowserWindow(window);
    } else {
        PlaceBrowserWindow(window, g_nShowCmd, m_bSizePos != 0);
        if (g_nCurrent >= 0)
            HideBrowserWindow(m_listWindows.GetItemWindow(g_nCurrent));
    }
    m_listWindows.InsertWindowItem(plan.position, TitleOf(window).c_str(), window, type);
    if (plan.select)
        m_listWindows.SetSelectedItem(plan.position);
    g_nCurrent = plan.current;
}

void CPelorusDlg::OnTitleChanged(HWND window)
{
    Sleep(100);  // let the browser finish retitling before its title is read
    const int index = FindListIndex(window);
    if (index < 0) {
        OnParkedTitleChanged(Handle(window));
        if (g_pCloseListDlg)
            g_pCloseListDlg->UpdateParkedWindowTitle(Handle(window));
        return;
    }
    const std::string title = TitleOf(window);
    m_listWindows.SetItemText(index, title.c_str());
    if (!g_bFilterUseTitle)
        return;
    const int type = m_listWindows.GetItemBrowserType(index);
    if (MatchTitleFilter(Handle(window), type, title.c_str())) {
        ParkWindow(Handle(window), type);
        RemoveListEntry(index);
    }
}

void CPelorusDlg::OnDestroyedWindow(HWND window)
{
    const int index = FindListIndex(window);
    if (index < 0) {
        OnParkedDestroyed(Handle(window));
        if (g_pCloseListDlg)
            g_pCloseListDlg->RemoveParkedWindow(Handle(window));
        return;
    }
    RemovePopup(Handle(window));
    RemoveListEntry(index);
}

void CPelorusDlg::RemoveListEntry(int index)
{
    m_listWindows.DeleteItem(index);
    const int current = g_nCurrent;
    if (current < index) {
        m_listWindows.SetSelectedItem(current);
        return;
    }
    ShowCurrentAfterRemoval(PlanRemoval(current, index, m_listWindows.GetItemCount()).current);
}

// The entry that became current is placed and shown; one whose window has died meanwhile (its
// browser was killed and never reported it) is dropped, so a live window is shown if any is left.
void CPelorusDlg::ShowCurrentAfterRemoval(int current)
{
    g_nCurrent = current;
    if (current < 0)
        return;
    HWND window = m_listWindows.GetItemWindow(current);
    if (!IsWindow(window)) {
        RemovePopup(Handle(window));
        RemoveListEntry(current);
        return;
    }
    m_listWindows.SetSelectedItem(current);
    PlaceBrowserWindow(window, g_nShowCmd, m_bSizePos != 0);
    ReleaseBrowserWindow(window);
}

bool CPelorusDlg::DropIfDead(int index)
{
    HWND window = m_listWindows.GetItemWindow(index);
    if (IsWindow(window))
        return false;
    OnDestroyedWindow(window);
    return true;
}

void CPelorusDlg::OnTimer()
{
    for (int i = m_listWindows.GetItemCount() - 1; i >= 0; --i)
        DropIfDead(i);
    for (int i = kParkedSlots - 1; i >= 0; --i) {
        HWND parked = reinterpret_cast<HWND>(g_ahwndParked[i]);
        if (parked && !IsWindow(parked))
            OnDestroyedWindow(parked);
    }
}

int CPelorusDlg::FindListIndex(HWND window) const
{
    const int count = m_listWindows.GetItemCount();
    for (int i = 0; i < count; ++i)
        if (m_listWindows.GetItemWindow(i) == window)
            return i;
    return -1;
}

void CPelorusDlg::SweepBrowserWindows()
{
    FreeSweepList();
    g_ahwndFound = new HWND[kMaxSweptWindows];
    g_anFoundType = new int[kMaxSweptWindows];
    g_nFoundCount = 0;
    EnumWindows(FindBrowserWindowsProc, 0);
}

void CPelorusDlg::OnStartup()
{
    SweepBrowserWindows();
    for (int k = 0; k < g_nFoundCount; ++k)
        if (g_nTargetBrowser & TargetBit(g_anFoundType[k]))
            PostMessageW(g_hMainWnd, WM_HOOK_NOTIFY, HN_NEWWINDOW | static_cast<WPARAM>(g_anFoundType[k]),
                         reinterpret_cast<LPARAM>(g_ahwndFound[k]));
    StartRelayWindow();
    WaitForRelayWindow();
}

void CPelorusDlg::UpdateCloseListButton()
{
    // The close-list dialog arrives with its own issue; until then its button stays disabled.
    const bool dialogAvailable = false;
    EnableWindow(m_btnCloseList, dialogAvailable && CloseListButtonEnabled());
}

void CPelorusDlg::OnCommand(UINT id)
{
    switch (id) {
    case IDC_BTN_DELETE:
        OnBtnDelete();
        break;
    case IDC_BTN_UPDATE_SIZE:
        OnBtnUpdateSize();
        break;
    default:
        break;
    }
}

void CPelorusDlg::OnBtnDelete()
{
    const int index = m_listWindows.TakeSelectedIndex();
    if (index >= 0)
        PostMessageW(m_listWindows.GetItemWindow(index), WM_CLOSE, 0, 0);
}

void CPelorusDlg::OnNotify(const NMHDR* header)
{
    if (!header || header->idFrom != IDC_LIST_WINDOWS)
        return;
    switch (header->code) {
    case NM_DBLCLK:
    case NM_RDBLCLK:
        OnDblclkWindowList();
        break;
    case NM_CLICK:
    case NM_RCLICK:
        OnClickWindowList();
        break;
    default:
        break;
    }
}

void CPelorusDlg::OnDblclkWindowList()
{
    const int index = m_listWindows.TakeSelectedIndex();
    if (index >= 0 && !DropIfDead(index)) {
        HWND window = m_listWindows.GetItemWindow(index);
        if (index == g_nCurrent) {
            SetWindowPos(window, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
        } else {
            PlaceBrowserWindow(window, g_nShowCmd, m_bSizePos != 0);
            ReleaseBrowserWindow(window);
            if (g_nCurrent >= 0)
                HideBrowserWindow(m_listWindows.GetItemWindow(g_nCurrent));
            g_nCurrent = index;
        }
    }
    if (g_nCurrent >= 0)
        m_listWindows.SetSelectedItem(g_nCurrent);
    SetWindowLongPtrW(m_hWnd, DWLP_MSGRESULT, 0);
}

void CPelorusDlg::OnClickWindowList()
{
    const int index = m_listWindows.TakeSelectedIndex();
    if (index >= 0)
        m_listWindows.SetSelectedItem(index);
    else if (g_nCurrent >= 0)
        m_listWindows.SetSelectedItem(g_nCurrent);
    SetWindowLongPtrW(m_hWnd, DWLP_MSGRESULT, 0);
}

BOOL CPelorusDlg::OnBtnUpdateSize()
{
    if (g_nCurrent < 0)
        return FALSE;
    return TakeFixedRectangleFrom(m_listWindows.GetItemWindow(g_nCurrent), g_nCurrent, m_bSizePos != 0);
}

bool CPelorusDlg::OnSysCommand(UINT id)
{
    if ((id & 0xFFF0) != IDM_ABOUTBOX)
        return false;  // the default processing
    CAboutDlg about;
    about.DoModal(m_hWnd);
    return true;
}

bool CPelorusDlg::OnPaint()
{
    if (!IsIconic(m_hWnd))
        return false;
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(m_hWnd, &paint);
    SendMessageW(m_hWnd, WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
    RECT rc;
    GetClientRect(m_hWnd, &rc);
    DrawIcon(dc, (rc.right - GetSystemMetrics(SM_CXICON) + 1) / 2, (rc.bottom - GetSystemMetrics(SM_CYICON) + 1) / 2,
             m_hIcon);
    EndPaint(m_hWnd, &paint);
    return true;
}

void CPelorusDlg::OnEndSession(BOOL ending)
{
    if (ending)
        ReleaseAllWindows();
}

void CPelorusDlg::ReleaseAllWindows()
{
    ReleaseRelayChildren();
}

// Order matters: the hook falls silent first; the windows go back to the desktop (or are asked
// to close) before the relay window goes, since its children would go with it.
void CPelorusDlg::OnDestroy()
{
    KillTimer(m_hWnd, kDeadWindowTimer);
    g_pCloseListDlg = nullptr;
    DisableHookLibrary();
    const int count = m_listWindows.GetItemCount();
    for (int i = 0; i < count; ++i) {
        HWND window = m_listWindows.GetItemWindow(i);
        // Released first also when closing: a post is answered later, after the relay window
        // is gone, and a window still under it would be destroyed without being asked.
        ReleaseBrowserWindow(window);
        if (g_bExitBrowser)
            PostMessageW(window, WM_CLOSE, 0, 0);
    }
    // Every window still under the relay window (parked ones, and any that refused an earlier
    // close) back on the desktop, then the parked ones asked to close.
    ReleaseRelayChildren();
    CloseAllParked();
    CloseRelayWindow();

    WINDOWPLACEMENT placement = {};
    placement.length = sizeof placement;
    GetWindowPlacement(m_hWnd, &placement);
    Win32ProfileStore store;
    SaveGeometry(store, placement.rcNormalPosition.left, placement.rcNormalPosition.top);

    DeleteObject(g_hbmMenuCheck);
    g_hbmMenuCheck = nullptr;
    for (HBITMAP& bitmap : g_ahbmBrowserType) {
        DeleteObject(bitmap);
        bitmap = nullptr;
    }
}
