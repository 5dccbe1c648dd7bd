#include "database/GenericRecordset.h"

#include <windows.h>

#include "database/CookbookDatabase.h"
#include "database/DatabaseErrorReport.h"
#include "framework/DBException.h"
#include "res/resource.h"

IMPLEMENT_DYNAMIC(CGenericRecordset, CRecordset)

CGenericRecordset::CGenericRecordset(CCookbookDatabase* pOwner) : CRecordset(pOwner), m_pOwner(pOwner) {}

BOOL CGenericRecordset::Requery()
{
    m_bBOF = m_bEOF = TRUE;
    m_bDeleted = FALSE;
    return CRecordset::Requery();
}

int CGenericRecordset::ReportException(const CDBException* e, const CString& prefix, UINT nStyle)
{
    CString inUse;
    if (e->IsBusy())
        inUse.LoadString(IDS_COOKBOOK_IN_USE);
    CDatabaseErrorReport::Show(inUse.IsEmpty() ? prefix + e->m_strError : inUse,
                               nStyle != 0 ? nStyle : MB_ICONEXCLAMATION | MB_OK);
    return 0;
}

BOOL CGenericRecordset::DeleteRows(const CString& table, const CString& condition)
{
    if (table.IsEmpty() || condition.IsEmpty() || m_pOwner == nullptr)
        return FALSE;
    try
    {
        return m_pOwner->ExecuteWrite("DELETE FROM " + table + " WHERE " + condition);
    }
    catch (CDBException* e)
    {
        Close();
        ReportException(e);
        e->Delete();
        return FALSE;
    }
}

BOOL CGenericRecordset::OpenThroughOwner(const CString& sql)
{
    return m_pOwner != nullptr && m_pOwner->OpenRecordset(this, CString(), sql);
}

int CGenericRecordset::ReportSqlErrors(void* hstmt)
{
    CDBException e;
    e.BuildErrorString(m_pDatabase != nullptr ? m_pDatabase->m_hdbc : nullptr, hstmt != nullptr ? hstmt : m_hstmt);
    CString prefix;
    prefix.LoadString(IDS_DATABASE_ERROR);
    if (e.m_strError.IsEmpty())
        e.m_strError = "A general error has occured in the database.";
    return ReportException(&e, prefix);
}
