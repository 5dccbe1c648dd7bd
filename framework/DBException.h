#pragma once

#include <windef.h>

#include "framework/Exception.h"
#include "framework/String.h"

// A failed ODBC call, or a connection the program refused to make. m_strError holds the text of
// every diagnostic record of the handle, one per line, as the driver wrote it; m_strStateNativeOrigin
// the state and native code of each ("State:S1000,Native:1" lines).
class CDBException : public CException
{
    DECLARE_DYNAMIC(CDBException)
public:
    explicit CDBException(short nRetCode = -1);

    BOOL GetErrorMessage(LPSTR lpszError, UINT nMaxError, PUINT pnHelpContext = nullptr) override;

    // Reads every diagnostic record of the statement (or, without one, of the connection).
    void BuildErrorString(void* hdbc, void* hstmt);
    // TRUE when another connection's lock outlasted the wait (the driver's busy or locked code).
    BOOL IsBusy() const;

    short m_nRetCode;
    CString m_strError;
    CString m_strStateNativeOrigin;
};

// Raises the exception for a failed call, with every diagnostic record of the handles.
[[noreturn]] void AfxThrowDBException(short nRetCode, void* hdbc, void* hstmt);
// Raises the exception for a refusal of the program's own (no driver record exists).
[[noreturn]] void AfxThrowDBException(const CString& text);

// The one check of every ODBC return: TRUE for success (SQL_SUCCESS_WITH_INFO included: the driver
// returns it for option changes and truncated fetches, and it is never shown), FALSE for SQL_NO_DATA;
// anything else raises CDBException with every diagnostic record.
BOOL AfxCheckOdbc(short nRetCode, void* hdbc, void* hstmt);
