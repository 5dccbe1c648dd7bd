#include "framework/OdbcStatement.h"

#include <windows.h>
#include <sql.h>
#include <sqlext.h>

#include "framework/DBException.h"
#include "framework/Database.h"
#include "framework/String.h"

COdbcStatement::COdbcStatement(CDatabase& database) : m_pDatabase(&database), m_hstmt(database.AllocStatement()) {}

COdbcStatement::~COdbcStatement()
{
    if (m_hstmt != nullptr)
        SQLFreeStmt(m_hstmt, SQL_DROP);
}

COdbcStatement::COdbcStatement(COdbcStatement&& other) noexcept
    : m_pDatabase(other.m_pDatabase), m_hstmt(other.Detach()), m_parameterLengths(std::move(other.m_parameterLengths))
{
}

void* COdbcStatement::Detach()
{
    void* handle = m_hstmt;
    m_hstmt = nullptr;
    return handle;
}

BOOL COdbcStatement::Check(short nRetCode) const
{
    return AfxCheckOdbc(nRetCode, m_pDatabase->m_hdbc, m_hstmt);
}

void COdbcStatement::ExecDirect(LPCSTR lpszSql)
{
    Check(m_pDatabase->CallWhileExecuting(
        [&] { return SQLExecDirect(m_hstmt, reinterpret_cast<SQLCHAR*>(const_cast<LPSTR>(lpszSql)), SQL_NTS); }));
}

void COdbcStatement::Prepare(LPCSTR lpszSql)
{
    Check(m_pDatabase->CallWhileExecuting(
        [&] { return SQLPrepare(m_hstmt, reinterpret_cast<SQLCHAR*>(const_cast<LPSTR>(lpszSql)), SQL_NTS); }));
}

void COdbcStatement::BindText(int nParam, const CString& text)
{
    BindParameter(nParam, SQL_C_CHAR, text.GetLength() > 255 ? SQL_LONGVARCHAR : SQL_VARCHAR, text.GetString(),
                  text.GetLength());
}

void COdbcStatement::BindLong(int nParam, const long& value)
{
    BindParameter(nParam, SQL_C_SLONG, SQL_INTEGER, &value, 0);
}

void COdbcStatement::BindDouble(int nParam, const double& value)
{
    BindParameter(nParam, SQL_C_DOUBLE, SQL_DOUBLE, &value, 0);
}

void COdbcStatement::BindNull(int nParam)
{
    BindParameter(nParam, SQL_C_CHAR, SQL_VARCHAR, "", SQL_NULL_DATA);
}

static_assert(sizeof(SQLLEN) == sizeof(INT_PTR), "lengths are kept as the driver reads them");
static_assert(sizeof(SQLINTEGER) == sizeof(long), "a long is bound as the driver's 32-bit integer");

void COdbcStatement::BindParameter(int nParam, short nValueType, short nSqlType, const void* pValue, INT_PTR nLength)
{
    if (m_parameterLengths.size() < static_cast<std::size_t>(nParam))
        m_parameterLengths.resize(static_cast<std::size_t>(nParam));
    INT_PTR& length = m_parameterLengths[static_cast<std::size_t>(nParam - 1)];
    length = nLength;
    const SQLULEN size = nLength > 0 ? static_cast<SQLULEN>(nLength) : 1;
    Check(SQLBindParameter(m_hstmt, static_cast<SQLUSMALLINT>(nParam), SQL_PARAM_INPUT, nValueType, nSqlType, size,
                           0, const_cast<void*>(pValue), nLength > 0 ? nLength : 0,
                           reinterpret_cast<SQLLEN*>(&length)));
}

void COdbcStatement::Execute()
{
    m_pDatabase->CheckStatementsAllowed();
    Check(m_pDatabase->CallWhileExecuting([&] { return SQLExecute(m_hstmt); }));
}

BOOL COdbcStatement::Fetch()
{
    return Check(m_pDatabase->CallWhileExecuting([&] { return SQLFetch(m_hstmt); }));
}

void COdbcStatement::CloseCursor()
{
    SQLFreeStmt(m_hstmt, SQL_CLOSE);
}

short COdbcStatement::NumResultCols()
{
    SQLSMALLINT count = 0;
    Check(m_pDatabase->CallWhileExecuting([&] { return SQLNumResultCols(m_hstmt, &count); }));
    return count;
}

BOOL COdbcStatement::GetText(CDatabase* pDatabase, void* hstmt, int nColumn, CString& value)
{
    value.Empty();
    char chunk[4096];
    for (;;)
    {
        SQLLEN indicator = 0;
        SQLRETURN rc =
            SQLGetData(hstmt, static_cast<SQLUSMALLINT>(nColumn), SQL_C_CHAR, chunk, sizeof chunk, &indicator);
        if (rc == SQL_NO_DATA || !AfxCheckOdbc(rc, pDatabase->m_hdbc, hstmt))
            return TRUE;
        if (indicator == SQL_NULL_DATA)
            return FALSE;
        // A full chunk (or an unknown total) means more follows; the driver ended it with a NUL.
        const bool more = rc == SQL_SUCCESS_WITH_INFO &&
                          (indicator == SQL_NO_TOTAL || indicator >= static_cast<SQLLEN>(sizeof chunk));
        value += chunk;
        if (!more)
            return TRUE;
    }
}

BOOL COdbcStatement::GetLong(int nColumn, long& value)
{
    SQLINTEGER number = 0;
    SQLLEN indicator = 0;
    Check(SQLGetData(m_hstmt, static_cast<SQLUSMALLINT>(nColumn), SQL_C_SLONG, &number, sizeof number, &indicator));
    value = indicator == SQL_NULL_DATA ? 0 : static_cast<long>(number);
    return indicator != SQL_NULL_DATA;
}

BOOL COdbcStatement::GetDouble(int nColumn, double& value)
{
    SQLDOUBLE number = 0;
    SQLLEN indicator = 0;
    Check(SQLGetData(m_hstmt, static_cast<SQLUSMALLINT>(nColumn), SQL_C_DOUBLE, &number, sizeof number, &indicator));
    value = indicator == SQL_NULL_DATA ? 0.0 : number;
    return indicator != SQL_NULL_DATA;
}
