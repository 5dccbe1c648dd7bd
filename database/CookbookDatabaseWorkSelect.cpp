#include "database/CookbookDatabase.h"

#include "database/PortRecordset.h"
#include "database/SqlText.h"

BOOL CCookbookDatabase::OpenWorkSelect(const CString& sql, const CStringList* columns)
{
    if (m_pWorkRecordset->IsOpen())
        m_pWorkRecordset->Close();
    if (sql.IsEmpty())
        return FALSE;
    m_pWorkRecordset->m_nParams = 0;
    const int space = sql.Find(" FROM ") + 6;
    const int end = sql.Find(' ', space);
    const CString table = end < 0 ? sql.Mid(space) : sql.Mid(space, end - space);
    return m_pWorkRecordset->OpenTable(table, sql, columns);
}

BOOL CCookbookDatabase::OpenWorkSelect(UINT tableId, const CStringList* columns, LPCSTR condition, LPCSTR order)
{
    return OpenWorkSelect(BuildSelect(LoadSchemaText(tableId), columns, condition, order), columns);
}

// "000000" when no new id can be made: the highest id could not be read.
CRecordId CCookbookDatabase::NextRecordId(UINT tableId, UINT columnId)
{
    CRecordId id = GetHighestRecordId(tableId, columnId);
    if (id == "999999")
        return CRecordId();
    ++id;
    return id;
}
