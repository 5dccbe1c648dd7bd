#pragma once

#include <windef.h>

#include <deque>

class CDatabase;
class CString;

// Owns one ODBC statement handle of a connection: freed (SQL_DROP) by the destructor, never
// copied. Every call goes through the connection's wait loop and the ODBC checker, so a failure
// arrives as CDBException with all of its diagnostic records.
class COdbcStatement
{
public:
    explicit COdbcStatement(CDatabase& database);
    ~COdbcStatement();
    COdbcStatement(COdbcStatement&& other) noexcept;
    COdbcStatement(const COdbcStatement&) = delete;
    COdbcStatement& operator=(const COdbcStatement&) = delete;
    COdbcStatement& operator=(COdbcStatement&&) = delete;

    void* GetHandle() const { return m_hstmt; }
    // Hands the handle over; the caller frees it.
    void* Detach();

    // Runs the text as given (no saved-query rewriting).
    void ExecDirect(LPCSTR lpszSql);
    void Prepare(LPCSTR lpszSql);
    // Parameters are bound to the caller's text, which must stay unchanged until Execute; a
    // bound value stays until it is bound again.
    void BindText(int nParam, const CString& text);
    void BindLong(int nParam, const long& value);
    void BindDouble(int nParam, const double& value);
    void BindNull(int nParam);
    void Execute();
    // FALSE at the end of the rows.
    BOOL Fetch();
    void CloseCursor();
    short NumResultCols();

    // Column values of the current row, read whole whatever their length. FALSE for NULL
    // (the value is then empty or 0).
    BOOL GetText(int nColumn, CString& value) { return GetText(m_pDatabase, m_hstmt, nColumn, value); }
    static BOOL GetText(CDatabase* pDatabase, void* hstmt, int nColumn, CString& value);
    BOOL GetLong(int nColumn, long& value);
    BOOL GetDouble(int nColumn, double& value);

    // Raises the database exception for a return code of a call made on this handle.
    BOOL Check(short nRetCode) const;

private:
    void BindParameter(int nParam, short nValueType, short nSqlType, const void* pValue, INT_PTR nLength);

    CDatabase* m_pDatabase;
    void* m_hstmt;
    // The length of each parameter's value, which the driver reads at Execute: a deque, so
    // that a length stays where the driver was told it is while more are added.
    std::deque<INT_PTR> m_parameterLengths;
};
