#include "framework/Recordset.h"

#include <windows.h>
#include <sql.h>
#include <sqlext.h>

#include <cstring>

#include "framework/DBException.h"
#include "framework/Database.h"
#include "framework/FieldExchange.h"

IMPLEMENT_DYNAMIC(CRecordset, CObject)

namespace {

BOOL IsStatement(const CString& sql)
{
    CString text = sql;
    text.TrimLeft();
    return _strnicmp(text, "SELECT ", 7) == 0 || text.Left(1) == "{";
}

}  // namespace

CRecordset::CRecordset(CDatabase* pDatabase)
    : m_pDatabase(pDatabase), m_hstmt(nullptr), m_nFields(0), m_nParams(0), m_bBOF(TRUE), m_bEOF(TRUE),
      m_bDeleted(FALSE), m_dwOptions(none)
{
}

CRecordset::~CRecordset()
{
    Close();
}

BOOL CRecordset::Open(UINT, LPCSTR lpszSQL, DWORD dwOptions)
{
    if (m_pDatabase == nullptr || !m_pDatabase->IsOpen())
        AfxThrowDBException(CString("The recordset has no open database."));
    Close();
    CString sql = lpszSQL != nullptr && *lpszSQL != '\0' ? CString(lpszSQL) : GetDefaultSQL();
    if (!IsStatement(sql))
        sql = "SELECT * FROM " + sql;
    if (!m_strFilter.IsEmpty())
        sql += " WHERE " + m_strFilter;
    if (!m_strSort.IsEmpty())
        sql += " ORDER BY " + m_strSort;
    m_strSQL = sql;
    m_dwOptions = dwOptions;
    m_hstmt = m_pDatabase->AllocStatement();
    try
    {
        m_pDatabase->OnSetOptions(m_hstmt);
        const CString text = m_pDatabase->AdaptSql(m_strSQL);
        AfxCheckOdbc(m_pDatabase->CallWhileExecuting([&] {
            return SQLPrepare(m_hstmt, reinterpret_cast<SQLCHAR*>(const_cast<LPSTR>(text.GetString())), SQL_NTS);
        }),
                     m_pDatabase->m_hdbc, m_hstmt);
        ExecuteAndFetchFirst();
    }
    catch (...)
    {
        Close();
        throw;
    }
    return TRUE;
}

void CRecordset::Close()
{
    if (m_hstmt != nullptr)
        SQLFreeStmt(m_hstmt, SQL_DROP);
    m_hstmt = nullptr;
    m_paramLengths.clear();
    m_bBOF = m_bEOF = TRUE;
    m_bDeleted = FALSE;
}

BOOL CRecordset::Requery()
{
    if (!IsOpen())
        return FALSE;
    SQLFreeStmt(m_hstmt, SQL_CLOSE);
    SQLFreeStmt(m_hstmt, SQL_RESET_PARAMS);
    ExecuteAndFetchFirst();
    return TRUE;
}

void CRecordset::ExecuteAndFetchFirst()
{
    m_paramLengths.clear();
    if (m_nParams > 0)
    {
        CFieldExchange binder(CFieldExchange::BindParam, this);
        DoFieldExchange(&binder);
    }
    AfxCheckOdbc(m_pDatabase->CallWhileExecuting([&] { return SQLExecute(m_hstmt); }), m_pDatabase->m_hdbc, m_hstmt);
    m_bBOF = FALSE;
    m_bEOF = FALSE;
    FetchRow();
    m_bBOF = m_bEOF;
}

void CRecordset::FetchRow()
{
    if (!AfxCheckOdbc(m_pDatabase->CallWhileExecuting([&] { return SQLFetch(m_hstmt); }), m_pDatabase->m_hdbc, m_hstmt))
    {
        m_bEOF = TRUE;
        return;
    }
    CFieldExchange reader(CFieldExchange::Fetch, this);
    DoFieldExchange(&reader);
}

void CRecordset::MoveNext()
{
    if (!IsOpen() || m_bEOF)
        return;
    m_bBOF = FALSE;
    FetchRow();
}

CString CRecordset::GetDefaultConnect()
{
    return "ODBC;";
}

void CRecordset::DoFieldExchange(CFieldExchange*) {}

void CRecordset::Update()
{
    AfxThrowDBException(CString("Rows are written with SQL statements, not through a recordset."));
}

void CRecordset::Delete()
{
    AfxThrowDBException(CString("Rows are deleted with SQL statements, not through a recordset."));
}
