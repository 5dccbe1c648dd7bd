#include "framework/PrintDialog.h"

#include "framework/DialogDriver.h"
#include "framework/WinApp.h"

IMPLEMENT_DYNAMIC(CPrintDialog, CDialog)

CPrintDialog::CPrintDialog(BOOL bPrintSetupOnly, DWORD dwFlags, CWnd* pParentWnd)
    : CDialog(bPrintSetupOnly ? kSetupTemplateId : kTemplateId, pParentWnd), m_pd()
{
    m_pd.lStructSize = sizeof m_pd;
    m_pd.Flags = dwFlags | (bPrintSetupOnly ? PD_PRINTSETUP : PD_RETURNDC);
    m_pd.nCopies = 1;
}

INT_PTR CPrintDialog::DoModal()
{
    if (CDialogDriver::DriveCommonDialog(*this, GetTemplateId()))
        return m_nModalResult;
    CWnd* pOwner = m_pParentWnd != nullptr ? m_pParentWnd : AfxGetMainWnd();
    m_pd.hwndOwner = pOwner != nullptr ? pOwner->m_hWnd : nullptr;
    m_nModalResult = ::PrintDlgA(&m_pd) ? IDOK : IDCANCEL;
    return m_nModalResult;
}

DEVMODEA* CPrintDialog::GetDevMode() const
{
    return m_pd.hDevMode != nullptr ? static_cast<DEVMODEA*>(::GlobalLock(m_pd.hDevMode)) : nullptr;
}

CString CPrintDialog::DevNamesPart(WORD DEVNAMES::*pOffset) const
{
    if (m_pd.hDevNames == nullptr)
        return CString();
    const auto* pNames = static_cast<const DEVNAMES*>(::GlobalLock(m_pd.hDevNames));
    CString part = reinterpret_cast<LPCSTR>(pNames) + pNames->*pOffset;
    ::GlobalUnlock(m_pd.hDevNames);
    return part;
}

CString CPrintDialog::GetDriverName() const
{
    return DevNamesPart(&DEVNAMES::wDriverOffset);
}

CString CPrintDialog::GetDeviceName() const
{
    return DevNamesPart(&DEVNAMES::wDeviceOffset);
}

CString CPrintDialog::GetPortName() const
{
    return DevNamesPart(&DEVNAMES::wOutputOffset);
}
