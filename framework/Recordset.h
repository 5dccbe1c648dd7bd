#pragma once

#include <windef.h>

#include <deque>

#include "framework/Object.h"
#include "framework/String.h"

class CDatabase;
class CFieldExchange;

// A result of a statement on a CDatabase, walked forward row by row. The derived class names
// the statement (GetDefaultSQL or Open's text) and moves each row's columns into its members in
// DoFieldExchange. Rows are only read: every change to a cookbook is an SQL statement.
class CRecordset : public CObject
{
    DECLARE_DYNAMIC(CRecordset)
public:
    enum OpenType
    {
        dynaset,
        snapshot,
        forwardOnly,
        dynamic
    };
    enum OpenOptions : DWORD
    {
        none = 0,
        appendOnly = 0x0001,
        readOnly = 0x0004
    };

    explicit CRecordset(CDatabase* pDatabase = nullptr);
    ~CRecordset() override;
    CRecordset(const CRecordset&) = delete;
    CRecordset& operator=(const CRecordset&) = delete;

    // Runs the statement (a table name means all of its columns) and reads the first row.
    // Raises CDBException, leaving the recordset closed.
    virtual BOOL Open(UINT nOpenType = snapshot, LPCSTR lpszSQL = nullptr, DWORD dwOptions = none);
    virtual void Close();
    // Runs the statement again with the current parameter values.
    virtual BOOL Requery();
    virtual CString GetDefaultSQL() = 0;
    virtual CString GetDefaultConnect();
    virtual void DoFieldExchange(CFieldExchange* pFX);
    // Writing through a recordset is not offered: both raise CDBException.
    virtual void Update();
    virtual void Delete();

    BOOL IsOpen() const { return m_hstmt != nullptr; }
    BOOL IsBOF() const { return m_bBOF; }
    BOOL IsEOF() const { return m_bEOF; }
    BOOL IsDeleted() const { return m_bDeleted; }
    BOOL CanUpdate() const { return FALSE; }
    void MoveNext();

    const CString& GetSQL() const { return m_strSQL; }

    CDatabase* m_pDatabase;
    void* m_hstmt;
    UINT m_nFields;
    UINT m_nParams;
    CString m_strFilter;
    CString m_strSort;

protected:
    BOOL m_bBOF;
    BOOL m_bEOF;
    BOOL m_bDeleted;
    // The statement of the last Open, as given (before any saved-query rewriting).
    CString m_strSQL;

private:
    friend class CFieldExchange;

    void ExecuteAndFetchFirst();
    void FetchRow();
    // Length words of the bound parameters: they must outlive the statement's execution.
    std::deque<INT_PTR> m_paramLengths;
    DWORD m_dwOptions;
};
