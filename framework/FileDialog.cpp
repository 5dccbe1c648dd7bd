#include "framework/FileDialog.h"

#include "framework/DialogDriver.h"
#include "framework/WinApp.h"

IMPLEMENT_DYNAMIC(CFileDialog, CDialog)

CFileDialog::CFileDialog(BOOL bOpenFileDialog, LPCSTR lpszDefExt, LPCSTR lpszFileName, DWORD dwFlags, LPCSTR lpszFilter,
                         CWnd* pParentWnd)
    : CDialog(kTemplateId, pParentWnd), m_ofn(), m_bOpenFileDialog(bOpenFileDialog), m_strFilter(lpszFilter),
      m_strDefExt(lpszDefExt), m_szFileName()
{
    if (lpszFileName != nullptr)
        lstrcpynA(m_szFileName, lpszFileName, MAX_PATH);
    // The system wants NUL between the parts and two at the end.
    m_strFilter.Replace('|', '\0');
    m_ofn.lStructSize = sizeof m_ofn;
    m_ofn.lpstrFile = m_szFileName;
    m_ofn.nMaxFile = MAX_PATH;
    m_ofn.Flags = dwFlags;
    m_ofn.lpstrDefExt = lpszDefExt != nullptr ? m_strDefExt.GetString() : nullptr;
    m_ofn.lpstrFilter = lpszFilter != nullptr ? m_strFilter.GetString() : nullptr;
}

INT_PTR CFileDialog::DoModal()
{
    if (CDialogDriver::DriveCommonDialog(*this, kTemplateId))
        return m_nModalResult;
    CWnd* pOwner = m_pParentWnd != nullptr ? m_pParentWnd : AfxGetMainWnd();
    m_ofn.hwndOwner = pOwner != nullptr ? pOwner->m_hWnd : nullptr;
    const BOOL bOK = m_bOpenFileDialog ? ::GetOpenFileNameA(&m_ofn) : ::GetSaveFileNameA(&m_ofn);
    m_nModalResult = bOK ? IDOK : IDCANCEL;
    return m_nModalResult;
}

CString CFileDialog::GetFileName() const
{
    const CString path = m_szFileName;
    return path.Mid(path.ReverseFind('\\') + 1);
}

CString CFileDialog::GetFileExt() const
{
    const CString name = GetFileName();
    const int nDot = name.ReverseFind('.');
    return nDot < 0 ? CString() : name.Mid(nDot + 1);
}
