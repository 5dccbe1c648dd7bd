#include "framework/FontDialog.h"

#include "framework/DC.h"
#include "framework/DialogDriver.h"
#include "framework/WinApp.h"

IMPLEMENT_DYNAMIC(CFontDialog, CDialog)

CFontDialog::CFontDialog(const LOGFONTA* lplfInitial, DWORD dwFlags, CDC* pdcPrinter, CWnd* pParentWnd)
    : CDialog(kTemplateId, pParentWnd), m_cf(), m_lf()
{
    if (lplfInitial != nullptr)
    {
        m_lf = *lplfInitial;
        dwFlags |= CF_INITTOLOGFONTSTRUCT;
    }
    m_cf.lStructSize = sizeof m_cf;
    m_cf.lpLogFont = &m_lf;
    m_cf.Flags = dwFlags;
    if (pdcPrinter != nullptr)
    {
        m_cf.hDC = pdcPrinter->m_hDC;
        m_cf.Flags |= CF_PRINTERFONTS;
    }
}

INT_PTR CFontDialog::DoModal()
{
    if (CDialogDriver::DriveCommonDialog(*this, kTemplateId))
        return m_nModalResult;
    CWnd* pOwner = m_pParentWnd != nullptr ? m_pParentWnd : AfxGetMainWnd();
    m_cf.hwndOwner = pOwner != nullptr ? pOwner->m_hWnd : nullptr;
    m_nModalResult = ::ChooseFontA(&m_cf) ? IDOK : IDCANCEL;
    return m_nModalResult;
}
