#include "framework/Dialog.h"

#include <windows.h>

#include "framework/DialogDriver.h"
#include "framework/WinApp.h"

IMPLEMENT_DYNAMIC(CDialog, CWnd)

BEGIN_MESSAGE_MAP(CDialog, CWnd)
    ON_MESSAGE(WM_INITDIALOG, HandleInitDialog)
    ON_REGISTERED_MESSAGE(CDialogDriver::s_nActionMessage, HandleDriverAction)
    ON_COMMAND(IDOK, OnOK)
    ON_COMMAND(IDCANCEL, OnCancel)
END_MESSAGE_MAP()

INT_PTR CALLBACK AfxDialogProc(HWND, UINT, WPARAM, LPARAM)
{
    return FALSE;
}

CDialog::CDialog(UINT nIDTemplate, CWnd* pParentWnd) : m_pParentWnd(pParentWnd), m_nIDTemplate(nIDTemplate) {}

INT_PTR CDialog::DoModal()
{
    m_bModal = TRUE;
    CWnd* pOwner = m_pParentWnd != nullptr ? m_pParentWnd : AfxGetMainWnd();
    HookWindowCreate(this);
    const INT_PTR result = ::DialogBoxParamA(AfxGetResourceHandle(), MAKEINTRESOURCEA(m_nIDTemplate),
                                             pOwner != nullptr ? pOwner->m_hWnd : nullptr, &AfxDialogProc, 0);
    UnhookWindowCreate();
    m_bModal = FALSE;
    return result;
}

BOOL CDialog::Create(UINT nIDTemplate, CWnd* pParentWnd)
{
    m_nIDTemplate = nIDTemplate;
    if (pParentWnd != nullptr)
        m_pParentWnd = pParentWnd;
    CWnd* pOwner = m_pParentWnd != nullptr ? m_pParentWnd : AfxGetMainWnd();
    HookWindowCreate(this);
    HWND hWnd = ::CreateDialogParamA(AfxGetResourceHandle(), MAKEINTRESOURCEA(nIDTemplate),
                                     pOwner != nullptr ? pOwner->m_hWnd : nullptr, &AfxDialogProc, 0);
    UnhookWindowCreate();
    return hWnd != nullptr;
}

void CDialog::EndDialog(int nResult)
{
    m_nModalResult = nResult;
    if (m_hWnd == nullptr)
        return;
    if (m_bModal)
        ::EndDialog(m_hWnd, nResult);
    else
        DestroyWindow();
}

LRESULT CDialog::HandleInitDialog(WPARAM, LPARAM)
{
    const BOOL bFocusFirst = OnInitDialog();
    CDialogDriver::DialogOpened(*this, m_bModal);
    return bFocusFirst;
}

LRESULT CDialog::HandleDriverAction(WPARAM, LPARAM)
{
    CDialogDriver::RunAction(*this);
    return 0;
}

BOOL CDialog::OnInitDialog()
{
    UpdateData(FALSE);
    return TRUE;
}

void CDialog::OnOK()
{
    if (UpdateData(TRUE))
        EndDialog(IDOK);
}

void CDialog::OnCancel()
{
    EndDialog(IDCANCEL);
}

void CDialog::GotoDlgCtrl(CWnd* pWndCtrl)
{
    SendMessage(WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(pWndCtrl->m_hWnd), TRUE);
}

void CDialog::SetDefID(UINT nID)
{
    SendMessage(DM_SETDEFID, nID);
}

void CDialog::MapDialogRect(LPRECT lpRect) const
{
    ::MapDialogRect(m_hWnd, lpRect);
}

BOOL CDialog::PreTranslateMessage(MSG* pMsg)
{
    // Modal dialogs run their own loop; this serves the modeless ones.
    return !m_bModal && pMsg->message >= WM_KEYFIRST && pMsg->message <= WM_KEYLAST && ::IsDialogMessageA(m_hWnd, pMsg);
}
