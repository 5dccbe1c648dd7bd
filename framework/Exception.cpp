#include "framework/Exception.h"

#include <windows.h>

#include "framework/AfxMessageBox.h"
#include "framework/String.h"

IMPLEMENT_DYNAMIC(CException, CObject)

CException::CException(BOOL bAutoDelete) : m_bAutoDelete(bAutoDelete) {}

BOOL CException::GetErrorMessage(LPSTR lpszError, UINT nMaxError, PUINT pnHelpContext)
{
    if (pnHelpContext != nullptr)
        *pnHelpContext = 0;
    if (lpszError != nullptr && nMaxError > 0)
        *lpszError = '\0';
    return FALSE;
}

int CException::ReportError(UINT nType, UINT nMessageID)
{
    char message[512];
    CString text;
    if (GetErrorMessage(message, sizeof message))
        text = message;
    else if (nMessageID == 0 || !text.LoadString(nMessageID))
        text = "An error occurred.";
    return AfxMessageBox(text, nType != 0 ? nType : MB_ICONEXCLAMATION);
}

void CException::Delete()
{
    if (m_bAutoDelete)
        delete this;
}

BOOL CException::CopyErrorMessage(const CString& text, LPSTR lpszError, UINT nMaxError)
{
    if (lpszError == nullptr || nMaxError == 0)
        return FALSE;
    const UINT length =
        static_cast<UINT>(text.GetLength()) < nMaxError - 1 ? static_cast<UINT>(text.GetLength()) : nMaxError - 1;
    CopyMemory(lpszError, text.GetString(), length);
    lpszError[length] = '\0';
    return TRUE;
}
