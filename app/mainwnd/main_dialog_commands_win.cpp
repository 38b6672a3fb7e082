// The main dialog's commands: its buttons, the list's clicks, the system menu's About item, and
// the close box, Escape and Enter.
#include "mainwnd/main_dialog.h"

#include "capture/close_list.h"
#include "mainwnd/settings_command.h"
#include "res/resource.h"

void CPelorusDlg::UpdateCloseListButton()
{
    EnableWindow(m_btnCloseList, CloseListButtonEnabled());
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
    case IDC_BTN_CLOSE_LIST:
        OnBtnCloseList();
        break;
    case IDC_BTN_SETTINGS:
        OnBtnSettings();
        break;
    default:
        break;
    }
}

void CPelorusDlg::OnBtnDelete()
{
    m_controller.CloseEntry(m_listWindows.TakeSelectedIndex());
}

BOOL CPelorusDlg::OnBtnUpdateSize()
{
    return m_controller.TakeFixedRectangle();
}

void CPelorusDlg::OnBtnCloseList()
{
    if (!g_pCloseListDlg)
        m_openers.closeList(m_hWnd, m_hIcon);
}

void CPelorusDlg::OnBtnSettings()
{
    if (m_bSettingsOpen)
        return;
    m_bSettingsOpen = 1;
    RunSettingsCommand({m_hWnd, m_btnUpdateSize, m_controller, *this, m_filterHost});
    UpdateCloseListButton();
    UpdateCloseListCapacity();
    m_bSettingsOpen = 0;
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
    m_controller.SwitchTo(m_listWindows.TakeSelectedIndex());
    SetWindowLongPtrW(m_hWnd, DWLP_MSGRESULT, 0);
}

void CPelorusDlg::OnClickWindowList()
{
    m_controller.KeepSelection(m_listWindows.TakeSelectedIndex());
    SetWindowLongPtrW(m_hWnd, DWLP_MSGRESULT, 0);
}

bool CPelorusDlg::OnSysCommand(UINT id)
{
    if ((id & 0xFFF0) != IDM_ABOUTBOX)
        return false;  // the default processing
    m_openers.aboutBox(m_hWnd);
    return true;
}

void CPelorusDlg::OnOK()
{
    CloseCloseListDialog();
    CDialog::OnOK();
}

void CPelorusDlg::OnCancel()
{
    CloseCloseListDialog();
    CDialog::OnCancel();
}

void CPelorusDlg::CloseCloseListDialog()
{
    if (g_pCloseListDlg) {
        g_pCloseListDlg->CloseDialog();
        g_pCloseListDlg = nullptr;
    }
}
