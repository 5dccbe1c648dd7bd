#pragma once

#include "framework/Exception.h"

// Allocation failure. Thrown only through AfxThrowMemoryException, as a
// pointer to one static instance (allocating an exception is exactly what
// may fail), so its Delete does nothing.
class CMemoryException : public CException
{
    DECLARE_DYNAMIC(CMemoryException)
public:
    explicit CMemoryException(BOOL bAutoDelete = TRUE);

    BOOL GetErrorMessage(LPSTR lpszError, UINT nMaxError, PUINT pnHelpContext = nullptr) override;
};

[[noreturn]] void AfxThrowMemoryException();
