#include "framework/OdbcStatement.h"

#include <windows.h>
#include <sql.h>
#include <sqlext.h>

#include <algorithm>

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
    : m_pDatabase(other.m_pDatabase), m_hstmt(other.Detach()), m_parameters(std::move(other.m_parameters))
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

void COdbcStatement::ListColumns(LPCSTR lpszTable)
{
    Check(m_pDatabase->CallWhileExecuting([&] {
        return SQLColumns(m_hstmt, nullptr, 0, nullptr, 0, reinterpret_cast<SQLCHAR*>(const_cast<LPSTR>(lpszTable)),
                          SQL_NTS, nullptr, 0);
    }));
}

void COdbcStatement::BindText(int nParam, const CString& text)
{
    Parameter& parameter = ParameterAt(nParam);
    const std::size_t nLength = static_cast<std::size_t>(text.GetLength());
    if (parameter.text.size() < nLength + 1)
        parameter.text.resize(nLength + 1);
    std::copy(text.GetString(), text.GetString() + nLength + 1, parameter.text.begin());
    parameter.nLength = static_cast<INT_PTR>(nLength);
    BindParameter(nParam, parameter, SQL_C_CHAR, nLength > 255 ? SQL_LONGVARCHAR : SQL_VARCHAR, parameter.text.data(),
                  static_cast<INT_PTR>(parameter.text.capacity()));
}

void COdbcStatement::BindLong(int nParam, long value)
{
    Parameter& parameter = ParameterAt(nParam);
    parameter.number = value;
    parameter.nLength = 0;
    BindParameter(nParam, parameter, SQL_C_SLONG, SQL_INTEGER, &parameter.number, 0);
}

void COdbcStatement::BindDouble(int nParam, double value)
{
    Parameter& parameter = ParameterAt(nParam);
    parameter.real = value;
    parameter.nLength = 0;
    BindParameter(nParam, parameter, SQL_C_DOUBLE, SQL_DOUBLE, &parameter.real, 0);
}

// Whatever the parameter is bound as, the driver reads NULL from its length.
void COdbcStatement::BindNull(int nParam)
{
    Parameter& parameter = ParameterAt(nParam);
    if (parameter.text.empty())
        parameter.text.resize(1);
    if (parameter.nValueType == 0)
        BindParameter(nParam, parameter, SQL_C_CHAR, SQL_VARCHAR, parameter.text.data(),
                      static_cast<INT_PTR>(parameter.text.capacity()));
    parameter.nLength = SQL_NULL_DATA;
}

COdbcStatement::Parameter& COdbcStatement::ParameterAt(int nParam)
{
    if (m_parameters.size() < static_cast<std::size_t>(nParam))
        m_parameters.resize(static_cast<std::size_t>(nParam));
    return m_parameters[static_cast<std::size_t>(nParam - 1)];
}

static_assert(sizeof(SQLLEN) == sizeof(INT_PTR), "lengths are kept as the driver reads them");
static_assert(sizeof(SQLINTEGER) == sizeof(long), "a long is bound as the driver's 32-bit integer");

void COdbcStatement::BindParameter(int nParam, Parameter& parameter, short nValueType, short nSqlType,
                                   const void* pValue, INT_PTR nSize)
{
    if (parameter.nValueType == nValueType && parameter.nSqlType == nSqlType && parameter.pBound == pValue &&
        parameter.nBoundSize == nSize)
        return;
    Check(SQLBindParameter(m_hstmt, static_cast<SQLUSMALLINT>(nParam), SQL_PARAM_INPUT, nValueType, nSqlType,
                           nSize > 1 ? static_cast<SQLULEN>(nSize - 1) : 1, 0, const_cast<void*>(pValue), nSize,
                           reinterpret_cast<SQLLEN*>(&parameter.nLength)));
    parameter.nValueType = nValueType;
    parameter.nSqlType = nSqlType;
    parameter.pBound = pValue;
    parameter.nBoundSize = nSize;
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
