#include "closelist/close_list_dialog.h"

#include <string>

#include "res/resource.h"
#include "ui/resources.h"

CCloseListDlg::CCloseListDlg(const CloseListParts& parts)
    : CDialog(IDD_CLOSE_LIST),
      m_model(
          m_listParked, [this](int count) { SetItemNumber(IDC_CLOSELIST_COUNT, count); }, parts,
          {ResourceString(IDS_REASON_POPUP), ResourceString(IDS_REASON_URL), ResourceString(IDS_REASON_TITLE)})
{
}

INT_PTR CCloseListDlg::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_COMMAND:
        return HIWORD(wParam) == BN_CLICKED && OnCommand(LOWORD(wParam))
                   ? TRUE
                   : CDialog::HandleMessage(message, wParam, lParam);
    case WM_NOTIFY:
        OnNotify(reinterpret_cast<const NMHDR*>(lParam));
        return TRUE;
    case WM_CLOSE:
        OnClose();
        return TRUE;
    default:
        return CDialog::HandleMessage(message, wParam, lParam);
    }
}

bool CCloseListDlg::OnCommand(UINT id)
{
    switch (id) {
    case IDC_CLOSELIST_DELETE:
        OnDelete();
        return true;
    case IDC_CLOSELIST_SHOW:
        OnShow();
        return true;
    case IDC_CLOSELIST_DELETE_ALL:
        OnDeleteAll();
        return true;
    case IDC_CLOSELIST_HIDE:
        OnHide();
        return true;
    default:
        return false;
    }
}

void CCloseListDlg::OnNotify(const NMHDR* header)
{
    // The list's notifications come from this thread; another's pointer is not ours to read.
    if (!InSendMessage() && header && header->idFrom == IDC_CLOSELIST_LIST && header->code == NM_CLICK)
        OnClickList();
}

BOOL CCloseListDlg::OnInitDialog()
{
    m_listParked.Attach(GetDlgItem(m_hWnd, IDC_CLOSELIST_LIST));
    m_listParked.InitList();
    m_listParked.AddDetailColumn(ResourceString(IDS_CLOSELIST_REASON));
    m_model.Open();
    // The focus starts in the list: on a button, a plain letter would press it.
    SetFocus(m_listParked.GetSafeHwnd());
    return FALSE;
}

void CCloseListDlg::OnDelete()
{
    m_model.Delete(m_listParked.TakeSelectedIndex());
}

void CCloseListDlg::OnClickList()
{
    const int row = m_listParked.TakeSelectedIndex();
    if (row >= 0)
        m_listParked.SetSelectedItem(row);
    SetWindowLongPtrW(m_hWnd, DWLP_MSGRESULT, 0);
}

void CCloseListDlg::OnShow()
{
    m_model.Show(m_listParked.TakeSelectedIndex());
}

void CCloseListDlg::OnClose()
{
    m_model.Close();
    EndDialog(m_hWnd, IDCANCEL);
}

void CCloseListDlg::OnDeleteAll()
{
    m_model.DeleteAll();
}

void CCloseListDlg::OnHide()
{
    m_model.Hide();
}

void CCloseListDlg::AddParkedWindow(const ParkedWindow& parked)
{
    m_model.AddParkedWindow(parked);
}

void CCloseListDlg::UpdateParkedWindowTitle(WindowHandle window)
{
    m_model.UpdateParkedWindowTitle(window);
}

void CCloseListDlg::RemoveParkedWindow(WindowHandle window)
{
    m_model.RemoveParkedWindow(window);
}

void CCloseListDlg::CloseDialog()
{
    if (m_hWnd)
        SendMessageW(m_hWnd, WM_SYSCOMMAND, SC_CLOSE, 0);
}

void RunCloseListDialog(HWND owner, const CloseListParts& parts)
{
    CCloseListDlg dialog(parts);
    parts.capture.AttachCloseListDialog(&dialog);
    dialog.DoModal(owner);
    parts.capture.DetachCloseListDialog(&dialog);
}
