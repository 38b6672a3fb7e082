// The main dialog's routing of every message, and its life from the first show to the end.
#include "mainwnd/main_dialog.h"

#include "capture/hook_binding.h"
#include "capture/keeper_client.h"
#include "capture/window_events_win.h"
#include "mainwnd/menu_bitmaps.h"
#include "res/resource.h"
#include "settings/profile_store_win.h"
#include "win/code_page_text.h"
#include "win/program_windows.h"

namespace {

// The scale a program unaware of it was given coordinates in: the system's, at sign-in.
int SystemDpi()
{
    HDC screen = GetDC(nullptr);
    const int dpi = screen ? GetDeviceCaps(screen, LOGPIXELSY) : 96;
    if (screen)
        ReleaseDC(nullptr, screen);
    return dpi > 0 ? dpi : 96;
}

// A browser that is killed never reports its end, and a window that stops answering is asked
// again now and then: the list looks at its windows twice a second.
const UINT kTickMs = 500;

// Notifications and answers are only ever posted: one sent from elsewhere would be handled in
// the middle of another, while this thread waits on a browser to be re-parented or placed.
bool SentFromElsewhere()
{
    return (InSendMessageEx(nullptr) & (ISMEX_SEND | ISMEX_NOTIFY | ISMEX_CALLBACK)) != 0;
}

}  // namespace

CPelorusDlg::CPelorusDlg(const MainDialogOpeners& openers) : CDialog(IDD_PELORUS_DIALOG), m_openers(openers)
{
    m_hIcon = static_cast<HICON>(
        LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDR_MAINFRAME), IMAGE_ICON, 0, 0, LR_DEFAULTSIZE));
    m_hSmallIcon = static_cast<HICON>(
        LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDR_MAINFRAME), IMAGE_ICON, 16, 16, 0));
}

INT_PTR CPelorusDlg::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    const INT_PTR result = Dispatch(message, wParam, lParam);
    if (m_bInTray)
        m_tray.UpdateTip(m_controller.Count());  // the count follows every add and removal
    if (m_switcher)
        m_switcher->Refresh();  // and an open switcher, every change of the list
    return result;
}

INT_PTR CPelorusDlg::Dispatch(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == m_taskbarCreated) {  // the shell restarted: its icons are gone
        OnTaskbarCreated();
        return TRUE;
    }
    switch (message) {
    case WM_HOOK_NOTIFY:
        if (!SentFromElsewhere())
            OnHookNotify(wParam, lParam);
        return TRUE;
    case WM_WINDOW_EVENT:
        if (!SentFromElsewhere())
            OnWindowEvent(wParam, static_cast<WindowHandle>(lParam));
        return TRUE;
    case WM_WINDOW_ANSWERED:
        if (!SentFromElsewhere())
            m_controller.OnWindowAnswered(static_cast<WindowHandle>(lParam), static_cast<uint32_t>(wParam));
        return TRUE;
    case WM_RELAY_READY:
        if (!SentFromElsewhere())  // posted by the keeper
            m_startup.OnRelayReady(static_cast<uint32_t>(wParam), static_cast<uintptr_t>(lParam));
        return TRUE;
    case WM_KEEPER_GONE:
        if (!SentFromElsewhere())
            m_startup.OnKeeperGone(static_cast<uint32_t>(wParam));
        return TRUE;
    case WM_TRAYNOTIFY:
        OnTrayNotify(lParam);
        return TRUE;
    case WM_HOTKEY:
        OnHotkey(static_cast<int>(wParam));
        return TRUE;
    case WM_HOTKEYS_CHANGED:
        OnHotkeysChanged();
        return TRUE;
    case WM_SIZE:
        OnSize(static_cast<UINT>(wParam));
        return FALSE;  // and the default processing
    case WM_WINDOWPOSCHANGING:
        OnWindowPosChanging(reinterpret_cast<WINDOWPOS*>(lParam));
        return FALSE;
    case WM_COMMAND:
        if (lParam == 0 && m_bInTray && OnTrayCommand(LOWORD(wParam)))
            return TRUE;
        if (HIWORD(wParam) == BN_CLICKED && LOWORD(wParam) != IDOK && LOWORD(wParam) != IDCANCEL) {
            OnCommand(LOWORD(wParam));
            return TRUE;
        }
        return CDialog::HandleMessage(message, wParam, lParam);
    case WM_NOTIFY:
        if (!SentFromElsewhere())  // the list's come from this thread; another's pointer is not ours
            OnNotify(reinterpret_cast<const NMHDR*>(lParam));
        return TRUE;
    case WM_SYSCOMMAND:
        return OnSysCommand(static_cast<UINT>(wParam));
    case WM_PAINT:
        return PaintIconWhileMinimized(m_hIcon);
    case WM_QUERYDRAGICON:
        return reinterpret_cast<INT_PTR>(m_hIcon);
    case WM_TIMER:
        OnTimer(wParam);
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

    SetUpSystemMenu(IDM_ABOUTBOX, IDS_ABOUTBOX);
    SendMessageW(m_hWnd, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(m_hIcon));
    SendMessageW(m_hWnd, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(m_hSmallIcon));
    g_hMainWnd = m_hWnd;
    m_startupPlatform.SetOwner(m_hWnd);
    m_listClock.Attach(m_hWnd);
    m_watchClock.Attach(m_hWnd);

    Win32ProfileStore store;
    StoredPosition position;
    m_settings.Load(store, position, SystemCodePage(), SystemDpi());
    UpdateCloseListButton();
    EnableWindow(m_btnUpdateSize, m_settings.Values().bSizePos != 0);
    AddItemTip(IDC_BTN_UPDATE_SIZE, IDS_TIP_UPDATE_SIZE);
    if (position.x >= 0 && position.y >= 0)
        MoveTo(position.x, position.y);
    m_bInTray = 0;
    m_bSettingsOpen = 0;

    if (m_settings.Values().bIconic) {
        PostMessageW(g_hMainWnd, WM_SYSCOMMAND, SC_MINIMIZE, 0);
        m_bIconicStartPending = 1;
    }
    PostMessageW(g_hMainWnd, WM_HOOK_NOTIFY, HN_STARTUP, 0);
    PostMessageW(m_hWnd, WM_HOTKEYS_CHANGED, 0, 0);  // after the start: a report waits for nothing
    m_listWindows.InitList();
    m_listWindows.EnableTypeToFind(m_search);
    LoadMenuBitmaps(m_hWnd);
    m_tray.Attach(m_hWnd);

    SetTimer(m_hWnd, kTickTimer, kTickMs, nullptr);
    return TRUE;
}

void CPelorusDlg::OnHookNotify(WPARAM wParam, LPARAM lParam)
{
    // A burst (the start-up sweep, a title storm) is drawn once, when no more is queued.
    m_listWindows.HoldRedraw();
    const WindowHandle window = static_cast<WindowHandle>(lParam);
    switch (wParam & HN_CODE_MASK) {
    case HN_NEWWINDOW:
        m_controller.OnNewWindow(window, static_cast<int>(wParam & HN_TYPE_MASK));
        break;
    case HN_DESTROYED:
        m_controller.OnDestroyed(window);
        break;
    case HN_TITLECHANGED:
        m_controller.OnTitleChanged(window);
        break;
    case HN_STARTUP:
        OnStartup();
        break;
    default:
        break;
    }
    m_listWindows.ResumeRedrawUnlessBusy();
}

void CPelorusDlg::OnStartup()
{
    m_startup.Begin();
    if (!m_watching) {
        m_watching = true;
        StartWindowEvents();
        m_watcher.Start();
    }
}

void CPelorusDlg::OnWindowEvent(WPARAM event, WindowHandle window)
{
    WindowEvent taken;
    if (m_watching && WindowEventOf(event, taken)) {
        m_listWindows.HoldRedraw();
        m_watcher.OnEvent(taken, window);
        m_listWindows.ResumeRedrawUnlessBusy();
    }
}

void CPelorusDlg::OnTimer(UINT_PTR id)
{
    if (id == kListTimer) {
        m_listClock.Stop();
        m_controller.OnWake();
    } else if (id == kWatchTimer) {
        m_watchClock.Stop();
        if (m_watching)
            m_watcher.OnWake();
    } else if (!m_startup.OnTimer(id)) {
        m_controller.OnTick();
        m_listWindows.ResumeRedraw();  // however the last burst ended, it is drawn now
    }
}

// The watcher's announcement takes the hook's way in, with the facts it read.
void CPelorusDlg::Announce(WindowHandle window, int type, WindowFacts& facts)
{
    m_listWindows.HoldRedraw();
    m_controller.OnNewWindow(window, type, &facts);
    m_listWindows.ResumeRedrawUnlessBusy();
}

void CPelorusDlg::TitleChanged(WindowHandle window)
{
    OnHookNotify(HN_TITLECHANGED, static_cast<LPARAM>(window));
}

void CPelorusDlg::Destroyed(WindowHandle window)
{
    OnHookNotify(HN_DESTROYED, static_cast<LPARAM>(window));
}

// The windows asked to close, given back to the desktop hidden, have their moment; those still
// there then refused, and are shown, for nothing would show them once Pelorus is gone. Messages
// other programs send meanwhile are answered; nothing posted is taken, this window being gone.
void CPelorusDlg::AwaitCloses()
{
    const DWORD start = GetTickCount();
    while (m_mover.ClosesPending() && GetTickCount() - start < kExitCloseMs) {
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_SENDMESSAGE);
        MSG msg;
        PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
    }
    m_mover.ShowRefusedCloses();
}

// Order matters: the hook falls silent first; the windows go back to the desktop (or are asked
// to close) before the keeper is let go. It gives back whatever is still under the relay window
// after this process has ended; however this process ends, it does that.
void CPelorusDlg::OnDestroy()
{
    KillTimer(m_hWnd, kTickTimer);
    m_hotkeys.Unregister();
    m_listClock.Stop();
    m_watchClock.Stop();
    m_watching = false;
    StopWindowEvents();
    m_startup.Stop();
    CloseCloseListDialog();
    if (m_bInTray) {
        m_tray.Remove();  // however the program ends, no icon stays
        m_bInTray = 0;
    }
    DisableHookLibrary();
    m_controller.Exit(m_settings.Values().bExitBrowser != 0);
    AwaitCloses();
    LetKeeperGo();
    BindHookLibrary(FALSE);

    const POINT topLeft = NormalTopLeft();
    Win32ProfileStore store;
    m_settings.SaveGeometry(store, topLeft.x, topLeft.y);
    FreeMenuBitmaps();
}
