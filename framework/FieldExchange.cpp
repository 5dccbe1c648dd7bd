#include "framework/FieldExchange.h"

#include <windows.h>
#include <sql.h>
#include <sqlext.h>

#include <ctime>

#include "framework/DBException.h"
#include "framework/Database.h"
#include "framework/OdbcStatement.h"
#include "framework/Recordset.h"
#include "framework/String.h"

static_assert(sizeof(SQLLEN) == sizeof(INT_PTR), "parameter lengths are kept as INT_PTR");

CFieldExchange::CFieldExchange(Operation operation, CRecordset* pRecordset)
    : m_nOperation(operation), m_nFieldType(noFieldType), m_prs(pRecordset), m_nColumn(0), m_nParam(0)
{
}

void CFieldExchange::BindParameter(short cType, short sqlType, unsigned long columnSize, void* value, long bufferLength,
                                   BOOL bText)
{
    m_prs->m_paramLengths.push_back(bText ? SQL_NTS : 0);
    auto* length = reinterpret_cast<SQLLEN*>(&m_prs->m_paramLengths.back());
    CDatabase& database = *m_prs->m_pDatabase;
    const SQLUSMALLINT number = static_cast<SQLUSMALLINT>(++m_nParam);
    AfxCheckOdbc(database.CallWhileExecuting([&] {
        return SQLBindParameter(m_prs->m_hstmt, number, SQL_PARAM_INPUT, cType, sqlType, columnSize, 0, value,
                                bufferLength, length);
    }),
                 database.m_hdbc, m_prs->m_hstmt);
}

BOOL CFieldExchange::GetNextColumn(short cType, void* value, long size)
{
    SQLLEN indicator = 0;
    AfxCheckOdbc(SQLGetData(m_prs->m_hstmt, static_cast<SQLUSMALLINT>(++m_nColumn), cType, value, size, &indicator),
                 m_prs->m_pDatabase->m_hdbc, m_prs->m_hstmt);
    return indicator != SQL_NULL_DATA;
}

BOOL CFieldExchange::GetNextColumnText(CString& value)
{
    return COdbcStatement::GetText(m_prs->m_pDatabase, m_prs->m_hstmt, ++m_nColumn, value);
}

BOOL CFieldExchange::GetNextColumnBinary(std::vector<BYTE>& value)
{
    value.clear();
    BYTE chunk[4096];
    const SQLUSMALLINT column = static_cast<SQLUSMALLINT>(++m_nColumn);
    for (;;)
    {
        SQLLEN indicator = 0;
        SQLRETURN rc = SQLGetData(m_prs->m_hstmt, column, SQL_C_BINARY, chunk, sizeof chunk, &indicator);
        if (rc == SQL_NO_DATA || !AfxCheckOdbc(rc, m_prs->m_pDatabase->m_hdbc, m_prs->m_hstmt))
            return TRUE;
        if (indicator == SQL_NULL_DATA)
            return FALSE;
        const SQLLEN received = indicator == SQL_NO_TOTAL || indicator > static_cast<SQLLEN>(sizeof chunk)
                                    ? static_cast<SQLLEN>(sizeof chunk)
                                    : indicator;
        value.insert(value.end(), chunk, chunk + received);
        if (rc == SQL_SUCCESS)
            return TRUE;
    }
}

namespace {

template <typename T>
void ExchangeNumber(CFieldExchange* pFX, T& value, short cType, short sqlType)
{
    if (pFX->IsBindingParam())
        pFX->BindParameter(cType, sqlType, sizeof(T), &value, sizeof(T), FALSE);
    else if (pFX->IsFetchingColumn() && !pFX->GetNextColumn(cType, &value, sizeof(T)))
        value = T();
}

}  // namespace

void RFX_Long(CFieldExchange* pFX, LPCSTR, long& value)
{
    static_assert(sizeof(long) == sizeof(SQLINTEGER), "SQL_C_SLONG is 32 bits");
    ExchangeNumber(pFX, value, SQL_C_SLONG, SQL_INTEGER);
}

void RFX_Int(CFieldExchange* pFX, LPCSTR, short& value)
{
    ExchangeNumber(pFX, value, SQL_C_SSHORT, SQL_SMALLINT);
}

void RFX_Single(CFieldExchange* pFX, LPCSTR, float& value)
{
    ExchangeNumber(pFX, value, SQL_C_FLOAT, SQL_REAL);
}

void RFX_Double(CFieldExchange* pFX, LPCSTR, double& value)
{
    ExchangeNumber(pFX, value, SQL_C_DOUBLE, SQL_DOUBLE);
}

void RFX_Bool(CFieldExchange* pFX, LPCSTR, BOOL& value)
{
    ExchangeNumber(pFX, value, SQL_C_SLONG, SQL_BIT);
}

void RFX_Byte(CFieldExchange* pFX, LPCSTR, BYTE& value)
{
    ExchangeNumber(pFX, value, SQL_C_UTINYINT, SQL_TINYINT);
}

void RFX_Date(CFieldExchange* pFX, LPCSTR, long& value)
{
    if (!pFX->IsFetchingColumn())
        return;
    SQL_TIMESTAMP_STRUCT stamp = {};
    value = 0;
    if (!pFX->GetNextColumn(SQL_C_TIMESTAMP, &stamp, sizeof stamp) || stamp.year < 1970)
        return;
    std::tm parts = {};
    parts.tm_year = stamp.year - 1900;
    parts.tm_mon = stamp.month - 1;
    parts.tm_mday = stamp.day;
    parts.tm_hour = stamp.hour;
    parts.tm_min = stamp.minute;
    parts.tm_sec = stamp.second;
    parts.tm_isdst = -1;
    const std::time_t seconds = std::mktime(&parts);
    value = seconds < 0 ? 0 : static_cast<long>(seconds);
}

void RFX_Binary(CFieldExchange* pFX, LPCSTR, std::vector<BYTE>& value, int)
{
    if (pFX->IsFetchingColumn() && !pFX->GetNextColumnBinary(value))
        value.clear();
}

void RFX_Text(CFieldExchange* pFX, LPCSTR, CString& value, int nMaxLength, int nColumnType)
{
    if (pFX->IsBindingParam())
        pFX->BindParameter(SQL_C_CHAR, static_cast<short>(nColumnType), static_cast<unsigned long>(nMaxLength),
                           const_cast<LPSTR>(value.GetString()), value.GetLength() + 1, TRUE);
    else if (pFX->IsFetchingColumn())
        pFX->GetNextColumnText(value);
}
