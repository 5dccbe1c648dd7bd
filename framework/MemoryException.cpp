#include "framework/MemoryException.h"

#include "framework/String.h"

IMPLEMENT_DYNAMIC(CMemoryException, CException)

CMemoryException::CMemoryException(BOOL bAutoDelete) : CException(bAutoDelete) {}

BOOL CMemoryException::GetErrorMessage(LPSTR lpszError, UINT nMaxError, PUINT pnHelpContext)
{
    if (pnHelpContext != nullptr)
        *pnHelpContext = 0;
    return CopyErrorMessage("There is not enough memory.", lpszError, nMaxError);
}

void AfxThrowMemoryException()
{
    static CMemoryException s_memoryException(FALSE);
    throw &s_memoryException;
}
