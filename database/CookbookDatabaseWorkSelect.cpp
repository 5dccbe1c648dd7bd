#include "database/CookbookDatabase.h"

#include "database/IngredientFacts.h"
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
    const auto counted = m_countedIds.find(tableId);
    CRecordId id = counted != m_countedIds.end() ? counted->second : GetHighestRecordId(tableId, columnId);
    if (id == "999999")
        return CRecordId();
    ++id;
    if (m_bCountingIds)
        m_countedIds[tableId] = id;
    return id;
}

void CCookbookDatabase::CountRecordIds(BOOL on)
{
    m_bCountingIds = on;
    m_countedIds.clear();
    m_ingredientFacts.clear();
}
