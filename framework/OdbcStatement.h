#pragma once

#include <windef.h>

#include <deque>
#include <vector>

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
    // The driver's description of a table's columns, one row a column (name in column 4, the
    // default value's text in column 13).
    void ListColumns(LPCSTR lpszTable);
    // A parameter's value is copied into the statement and stays until it is bound again. A
    // statement run again and again binds each parameter with the driver once, and again only
    // when its type or its room for text changes.
    void BindText(int nParam, const CString& text);
    void BindLong(int nParam, long value);
    void BindDouble(int nParam, double value);
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
    // Where the driver reads one parameter at Execute.
    struct Parameter
    {
        short nValueType = 0;
        short nSqlType = 0;
        const void* pBound = nullptr;
        INT_PTR nBoundSize = 0;
        // The text's length, or SQL_NULL_DATA.
        INT_PTR nLength = 0;
        long number = 0;
        double real = 0.0;
        std::vector<char> text;
    };
    Parameter& ParameterAt(int nParam);
    void BindParameter(int nParam, Parameter& parameter, short nValueType, short nSqlType, const void* pValue,
                       INT_PTR nSize);

    CDatabase* m_pDatabase;
    void* m_hstmt;
    // A deque, so that a parameter stays where the driver was told it is while more are added.
    std::deque<Parameter> m_parameters;
};
