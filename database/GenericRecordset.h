#pragma once

#include <windef.h>

#include "framework/Recordset.h"
#include "framework/String.h"

class CCookbookDatabase;
class CDBException;

// Base of the program's recordsets: knows the cookbook it was made for, guards updates and
// deletes, and reports database errors to the user.
class CGenericRecordset : public CRecordset
{
    DECLARE_DYNAMIC(CGenericRecordset)
public:
    explicit CGenericRecordset(CCookbookDatabase* pOwner);

    BOOL Requery() override;

    // "DELETE FROM table WHERE condition"; refused (FALSE) without a table or a condition, so
    // that a missing condition never empties a table.
    virtual BOOL DeleteRows(const CString& table, const CString& condition);
    virtual BOOL OpenThroughOwner(const CString& sql);
    // Shows every diagnostic record of the statement (null: this recordset's) after
    // "Database error. "; returns 0 for the callers to return as FALSE.
    virtual int ReportSqlErrors(void* hstmt);

    // Shows a database exception's text, with an optional prefix, through the installed
    // database error reporter, and gives 0.
    static int ReportException(const CDBException* e, const CString& prefix = CString(), UINT nStyle = 0);

    CCookbookDatabase* m_pOwner;
    CString m_strReserved1;
    CString m_strReserved2;
};
