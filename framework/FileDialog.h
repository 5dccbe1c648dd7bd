#pragma once

#include <windows.h>
#include <commdlg.h>

#include "framework/Dialog.h"

// The common Open / Save dialog. The filter is written with "|" between
// its parts. The dialog driver answers it under the id kTemplateId.
class CFileDialog : public CDialog
{
    DECLARE_DYNAMIC(CFileDialog)
public:
    enum : UINT
    {
        kTemplateId = 1536
    };

    CFileDialog(BOOL bOpenFileDialog, LPCSTR lpszDefExt = nullptr, LPCSTR lpszFileName = nullptr,
                DWORD dwFlags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, LPCSTR lpszFilter = nullptr,
                CWnd* pParentWnd = nullptr);

    INT_PTR DoModal() override;
    CString GetPathName() const { return m_szFileName; }
    CString GetFileName() const;
    CString GetFileExt() const;

    OPENFILENAMEA m_ofn;

private:
    BOOL m_bOpenFileDialog;
    CString m_strFilter;
    CString m_strDefExt;
    char m_szFileName[MAX_PATH];
};
