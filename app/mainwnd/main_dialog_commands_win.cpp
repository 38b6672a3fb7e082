// The main dialog's commands: its buttons, the list's clicks, the system menu's About item, and
// the close box, Escape and Enter.
#include "mainwnd/main_dialog.h"

#include "closelist/close_list_dialog.h"
#include "mainwnd/settings_command.h"
#include "res/resource.h"

void CPelorusDlg::UpdateCloseListButton()
{
    EnableWindow(m_btnCloseList, m_settings.CloseListButtonEnabled());
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
    if (!m_capture.CloseList().DialogOpen())
        RunCloseListDialog(m_hWnd, {m_seam, m_capture, m_mover, m_settings});
}

void CPelorusDlg::OnBtnSettings()
{
    if (m_bSettingsOpen)
        return;
    m_bSettingsOpen = 1;
    RunSettingsCommand({m_hWnd, m_btnUpdateSize, m_controller, m_capture, m_settings, m_filterHost});
    UpdateCloseListButton();
    m_settings.UpdateCloseListCapacity();
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
    case LVN_KEYDOWN:
        if (reinterpret_cast<const NMLVKEYDOWN*>(header)->wVKey == VK_DELETE)
            OnBtnDelete();  // as its button does
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

// Enter in the list shows the selected window: the close box and Escape end Pelorus, and with
// "close the browsers at exit" set an Enter that did so would close every browser window.
void CPelorusDlg::OnOK()
{
    OnDblclkWindowList();
}

void CPelorusDlg::OnCancel()
{
    CloseCloseListDialog();
    CDialog::OnCancel();
}

void CPelorusDlg::CloseCloseListDialog()
{
    m_capture.CloseCloseListDialog();
}
