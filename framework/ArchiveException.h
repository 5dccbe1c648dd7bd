#pragma once

#include <windef.h>

#include "framework/Exception.h"
#include "framework/String.h"

// A failed archive operation: m_cause is one of the causes below (the values
// are those of the established format's readers, and some callers pass them
// on as result codes), m_strFileName the archive's file.
class CArchiveException : public CException
{
    DECLARE_DYNAMIC(CArchiveException)
public:
    enum
    {
        none,
        generic,
        readOnly,   // a store operation on a loading archive
        endOfFile,  // the data ends before what is being read
        writeOnly,  // a load operation on a storing archive
        badIndex,   // an object or class reference to no such entry
        badClass,   // unknown, non-serialisable or unexpected class
        badSchema   // the stored schema differs from the class's
    };

    explicit CArchiveException(int cause = none, LPCSTR lpszArchiveName = nullptr);

    BOOL GetErrorMessage(LPSTR lpszError, UINT nMaxError, PUINT pnHelpContext = nullptr) override;

    int m_cause;
    CString m_strFileName;
};

[[noreturn]] void AfxThrowArchiveException(int cause, LPCSTR lpszArchiveName = nullptr);
