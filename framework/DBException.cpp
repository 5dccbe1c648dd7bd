#include "framework/DBException.h"

#include <windows.h>
#include <sql.h>
#include <sqlext.h>

IMPLEMENT_DYNAMIC(CDBException, CException)

CDBException::CDBException(short nRetCode) : m_nRetCode(nRetCode) {}

BOOL CDBException::GetErrorMessage(LPSTR lpszError, UINT nMaxError, PUINT pnHelpContext)
{
    if (pnHelpContext != nullptr)
        *pnHelpContext = 0;
    return CopyErrorMessage(m_strError, lpszError, nMaxError);
}

void CDBException::BuildErrorString(void* hdbc, void* hstmt)
{
    const SQLSMALLINT handleType = hstmt != nullptr ? SQL_HANDLE_STMT : SQL_HANDLE_DBC;
    SQLHANDLE handle = hstmt != nullptr ? hstmt : hdbc;
    if (handle == nullptr)
        return;
    SQLCHAR state[SQL_SQLSTATE_SIZE + 1];
    SQLCHAR message[SQL_MAX_MESSAGE_LENGTH];
    SQLINTEGER native = 0;
    SQLSMALLINT length = 0;
    for (SQLSMALLINT record = 1;
         SQL_SUCCEEDED(SQLGetDiagRec(handleType, handle, record, state, &native, message, sizeof message, &length));
         ++record)
    {
        if (!m_strError.IsEmpty())
            m_strError += "\n";
        m_strError += reinterpret_cast<LPCSTR>(message);
        CString origin;
        origin.Format("State:%s,Native:%ld\n", reinterpret_cast<LPCSTR>(state), static_cast<long>(native));
        m_strStateNativeOrigin += origin;
    }
}

BOOL CDBException::IsBusy() const
{
    // The driver passes the engine's result code on as the native error: 5 busy, 6 locked.
    return m_strStateNativeOrigin.Find(",Native:5\n") >= 0 || m_strStateNativeOrigin.Find(",Native:6\n") >= 0;
}

void AfxThrowDBException(short nRetCode, void* hdbc, void* hstmt)
{
    auto* e = new CDBException(nRetCode);
    e->BuildErrorString(hdbc, hstmt);
    if (e->m_strError.IsEmpty())
        e->m_strError = "The database driver reported an error without a description.";
    throw e;
}

void AfxThrowDBException(const CString& text)
{
    auto* e = new CDBException(SQL_ERROR);
    e->m_strError = text;
    throw e;
}

BOOL AfxCheckOdbc(short nRetCode, void* hdbc, void* hstmt)
{
    if (SQL_SUCCEEDED(nRetCode))
        return TRUE;
    if (nRetCode == SQL_NO_DATA)
        return FALSE;
    AfxThrowDBException(nRetCode, hdbc, hstmt);
}
