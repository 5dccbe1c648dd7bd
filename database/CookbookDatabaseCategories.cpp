// The category tree in HICAT (first child / next sibling links by REL_INDEX), its cached
// arrays by kind, the category item tables, and new record ids.
#include "database/CookbookDatabase.h"

#include <windows.h>

#include "database/CategoryListItem.h"
#include "database/CookbookTransaction.h"
#include "database/FieldValue.h"
#include "database/GenericRecordset.h"
#include "database/PortRecordset.h"
#include "database/RowValues.h"
#include "framework/DBException.h"
#include "framework/StringList.h"
#include "res/resource.h"
#include "database/SqlText.h"

#include <set>
#include <string>

namespace {

CString Condition(UINT columnId, const char* id)
{
    return LoadSchemaText(columnId) + "=" + QuoteSqlText(id);
}

}  // namespace

CRecordId CCookbookDatabase::GetHighestRecordId(UINT tableId, UINT columnId)
{
    const CString table = LoadSchemaText(tableId);
    const CString column = LoadSchemaText(columnId);
    CPortRecordset recordset(this);
    CStringList columns;
    columns.AddTail(column);
    // By number: as text, a short id such as "12" would sort above "000100" and the next id
    // would collide.
    const CString number = "CAST(" + table + "." + column + " AS INTEGER)";
    const CString sql =
        "SELECT Max(" + number + ") AS " + column + " FROM " + table + " HAVING Max(" + number + ") IS NOT NULL";
    if (!recordset.OpenTable(table, sql, &columns))
        return CRecordId("999999");
    if (recordset.IsEOF())
        return CRecordId();
    CRecordId highest("999999");
    CString text;
    if (!recordset.GetFieldText(column, text) || text.IsEmpty())
        recordset.GetFieldLong(column, highest);
    else
        highest = CRecordId(static_cast<unsigned long>(atol(text)));
    recordset.Close();
    return highest;
}

BOOL CCookbookDatabase::DeleteItemRows(UINT tableId, UINT columnId, const CString& value, char type)
{
    return DeleteRows(tableId, columnId, value, type, FALSE);
}

BOOL CCookbookDatabase::DeleteRows(UINT tableId, UINT columnId, const CString& value, char type, BOOL report)
{
    CString condition = LoadSchemaText(columnId) + "=" + value;
    UINT typeColumn = 0;
    if (tableId == IDS_TBL_QUANTITY && columnId == IDS_COL_QUANTITY_ITEM)
        typeColumn = IDS_COL_QUANTITY_TYPE;
    else if (tableId == IDS_TBL_CALENDAR)
        typeColumn = IDS_COL_CALENDAR_ITEMTYPE;
    else if (tableId == IDS_TBL_REFITEM && type != 'Z')
        typeColumn = IDS_COL_REFITEM_LINKTYPE;
    else if (tableId == IDS_TBL_MN_ITEM && type != 'Z')
        typeColumn = IDS_COL_MN_ITEM_TYPE;
    if (typeColumn != 0)
        condition += " AND " + LoadSchemaText(typeColumn) + "=" + QuoteSqlText(CString(type));
    CCookbookTransaction transaction(*this);
    try
    {
        if (!ExecuteWrite(BuildDelete(LoadSchemaText(tableId), condition)))
            return FALSE;
    }
    catch (CDBException* e)
    {
        if (report)
            CGenericRecordset::ReportException(e, "Error Deleting " + LoadSchemaText(tableId) + " Recordset: \r\n",
                                               MB_ICONSTOP | MB_OK);
        e->Delete();
        return FALSE;
    }
    return transaction.Commit();
}

UINT CCookbookDatabase::CategoryItemTable(char type)
{
    switch (type)
    {
    case 'R': return IDS_TBL_RCP_CAT_ITEM;
    case 'M': return IDS_TBL_MENU_CAT_ITEM;
    case 'I': return IDS_TBL_ING_CAT_ITEM;
    default: return 0;
    }
}

void CCookbookDatabase::ReadCategoryFields(CategoryListItem& item, CPortRecordset& recordset)
{
    recordset.GetFieldLong(IDS_COL_HICAT_CATID, item.m_id);
    recordset.GetFieldLong(IDS_COL_HICAT_PARENTID, item.m_secondId);
    recordset.GetFieldChar(IDS_COL_HICAT_TYPE, item.m_type);
    recordset.GetFieldText(IDS_COL_HICAT_NAME, item.m_name);
    recordset.GetFieldInt32(IDS_COL_HICAT_HASRECIPES, item.m_hasRecipes);
    recordset.GetFieldInt32(IDS_COL_HICAT_HASMENUS, item.m_hasMenus);
    recordset.GetFieldShort(IDS_COL_HICAT_REL_INDEX, item.m_relIndex);
    recordset.GetFieldShort(IDS_COL_HICAT_FIRSTKID, item.m_firstChild);
    recordset.GetFieldShort(IDS_COL_HICAT_SIBLING, item.m_sibling);
}

int CCookbookDatabase::CategoryHasItems(const CRecordId& id, char type)
{
    const UINT tableId = CategoryItemTable(type);
    if (tableId == 0)
        return 0;
    CPortRecordset recordset(this);
    return SelectFromTable(tableId, Condition(IDS_COL_CAT_ITEM_CATID, id), &recordset) && !recordset.IsEOF();
}

int CCookbookDatabase::UpdateCategoryFlags(const CCustObList& list, char type)
{
    UINT flagColumn = 0;
    if (type == 'R')
        flagColumn = IDS_COL_HICAT_HASRECIPES;
    else if (type == 'M')
        flagColumn = IDS_COL_HICAT_HASMENUS;
    else
        return 0;
    CCookbookTransaction transaction(*this);
    for (POSITION position = list.GetHeadPosition(); position != nullptr;)
    {
        const CategoryListItem* pCategory = static_cast<const CategoryListItem*>(list.GetNext(position));
        if (pCategory == nullptr)
            continue;
        CString assignment;
        assignment.Format("%s=%d", LoadSchemaText(flagColumn).GetString(),
                          CategoryHasItems(pCategory->m_id, type) ? 1 : 0);
        CString sql;
        sql.Format(LoadSchemaText(IDS_SQL_UPDATE_SET), LoadSchemaText(IDS_TBL_HICAT).GetString(),
                   assignment.GetString());
        try
        {
            if (!ExecuteWrite(sql + " WHERE " + Condition(IDS_COL_HICAT_CATID, pCategory->m_id)))
                return 0;
        }
        catch (CDBException* e)
        {
            e->Delete();
            return 0;
        }
    }
    m_bCategoryStale[0] = TRUE;
    return transaction.Commit();
}

// The flags follow both the categories an item left and those it joined.
void CCookbookDatabase::AfterCategoryWrite(const CCustObList& oldList, const CCustObList& newList, char type)
{
    CCustObList both;
    std::set<std::string> seen;
    for (const CCustObList* pList : {&oldList, &newList})
        for (POSITION position = pList->GetHeadPosition(); position != nullptr;)
        {
            const auto* pCategory = static_cast<const CategoryListItem*>(pList->GetNext(position));
            if (pCategory != nullptr && seen.insert(pCategory->m_id.GetText()).second)
                both.AddTail(pCategory->Clone());
        }
    UpdateCategoryFlags(both, type);
    both.DeleteAll();
    m_bCategoryStale[0] = TRUE;
}
