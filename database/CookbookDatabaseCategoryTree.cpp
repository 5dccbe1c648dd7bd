// The category tree held in HICAT: loading and caching it by kind, walking children, adding
// and removing categories with their descendants while the links stay consistent.
#include "database/CookbookDatabase.h"

#include <cstdlib>
#include <memory>

#include "database/BusyNotice.h"
#include "database/CategoryListItem.h"
#include "database/CookbookTransaction.h"
#include "database/FieldValue.h"
#include "database/PortRecordset.h"
#include "database/RowValues.h"
#include "framework/DBException.h"
#include "framework/StringList.h"
#include "res/resource.h"
#include "database/SqlText.h"

namespace {

CString Condition(UINT columnId, const char* id)
{
    return LoadSchemaText(columnId) + "=" + QuoteSqlText(id);
}

// The driver describes an expression column by its value's type: text or a number.
double ReadNumber(CPortRecordset& recordset, const CString& column)
{
    CString text;
    if (recordset.GetFieldText(column, text) && !text.IsEmpty())
        return atof(text);
    double number = 0.0;
    recordset.GetFieldDouble(column, number);
    return number;
}

int KindOfType(char type)
{
    return type == 'R' ? 1 : type == 'M' ? 2 : 0;
}

}  // namespace

CSlotArray& CCookbookDatabase::LoadCategoryTree(CSlotArray& target, int kind)
{
    const std::unique_ptr<CBusyNotice> busy = CBusyNotice::Show("Loading categories.");
    target.DeleteAll();
    const CString condition = kind == 1   ? Condition(IDS_COL_HICAT_TYPE, "R")
                              : kind == 2 ? Condition(IDS_COL_HICAT_TYPE, "M")
                                          : CString();
    if (!SelectFromTable(IDS_TBL_HICAT, condition, nullptr))
        return target;
    for (CPortRecordset& rows = *m_pWorkRecordset; !rows.IsEOF(); rows.MoveNext())
    {
        auto* pEntry = new CategoryListItem;
        pEntry->m_type = 'R';
        ReadCategoryFields(*pEntry, rows);
        if (pEntry->m_secondId == "999999" || pEntry->m_relIndex < 0)
        {
            delete pEntry;
            continue;
        }
        if (pEntry->m_relIndex > m_nMaxCategoryIndex)
            m_nMaxCategoryIndex = pEntry->m_relIndex;
        target.ReplaceAtSlot(pEntry);
    }
    m_pWorkRecordset->Close();
    m_nLastCategoryKind = kind;
    return target;
}

CSlotArray& CCookbookDatabase::GetCategoryTree(int kind)
{
    if (kind < 0 || kind > 2)
    {
        for (BOOL& stale : m_bCategoryStale)
            stale = TRUE;
        return m_categoryTrees[0];
    }
    if (m_bCategoryStale[kind])
    {
        LoadCategoryTree(m_categoryTrees[kind], kind);
        m_bCategoryStale[kind] = FALSE;
    }
    return m_categoryTrees[kind];
}

CategoryListItem* CCookbookDatabase::FindCategory(const CRecordId& id)
{
    if (id == 0UL || id == "999999")
        return nullptr;
    const CSlotArray& all = GetCategoryTree(0);
    for (int slot = 0; slot <= all.GetHighestSlot(); ++slot)
    {
        CategoryListItem* pEntry = all.GetAtSlot(slot);
        if (pEntry != nullptr && pEntry->m_id == id)
            return pEntry;
    }
    return nullptr;
}

CategoryListItem& CCookbookDatabase::ReadCategory(CategoryListItem& item)
{
    if (item.m_id == 0UL)
    {
        item.Clear();
        return item;
    }
    if (SelectFromTable(IDS_TBL_HICAT, Condition(IDS_COL_HICAT_CATID, item.m_id), nullptr) &&
        !m_pWorkRecordset->IsEOF())
        ReadCategoryFields(item, *m_pWorkRecordset);
    else
        item.Clear();
    if (m_pWorkRecordset->IsOpen())
        m_pWorkRecordset->Close();
    return item;
}

int CCookbookDatabase::CopyCategoryTree(CSlotArray& dest, int kind)
{
    dest.Copy(GetCategoryTree(kind));
    return dest.GetSize();
}

int CCookbookDatabase::GetChildCategories(CSlotArray& dest, long parentId, int kind, long)
{
    dest.DeleteAll();
    if (kind < 1 || kind > 2)
        return 0;
    // The chains link categories of both kinds: only the whole tree can be walked, and the
    // wanted kind is kept.
    const CSlotArray& tree = GetCategoryTree(0);
    int slot = FirstTopLevelSlot(tree);
    if (parentId != 0)
    {
        const CategoryListItem* pParent = FindInTree(tree, parentId);
        if (pParent == nullptr)
            return 0;
        slot = pParent->m_firstChild;
    }
    const char type = kind == 1 ? 'R' : 'M';
    for (int steps = 0; slot >= 0 && steps <= tree.GetHighestSlot(); ++steps)
    {
        const CategoryListItem* pEntry = tree.GetAtSlot(slot);
        if (pEntry == nullptr)
            break;
        if (pEntry->m_type == type)
            dest.AddAtSlot(static_cast<CategoryListItem*>(pEntry->Clone()));
        slot = pEntry->m_sibling;
    }
    return dest.GetHighestSlot();
}

int CCookbookDatabase::FirstTopLevelSlot(const CSlotArray& tree)
{
    for (int slot = 0; slot <= tree.GetHighestSlot(); ++slot)
        if (tree.GetAtSlot(slot) != nullptr && tree.GetAtSlot(slot)->m_secondId == 0UL)
            return slot;
    return -1;
}

const CategoryListItem* CCookbookDatabase::FindInTree(const CSlotArray& tree, long id)
{
    for (int slot = 0; slot <= tree.GetHighestSlot(); ++slot)
    {
        const CategoryListItem* pEntry = tree.GetAtSlot(slot);
        if (pEntry != nullptr && pEntry->m_id.GetNumber() == id)
            return pEntry;
    }
    return nullptr;
}

short CCookbookDatabase::GetMaxCategoryIndex()
{
    const CString table = LoadSchemaText(IDS_TBL_HICAT);
    const CString column = LoadSchemaText(IDS_COL_HICAT_REL_INDEX);
    CStringList columns;
    columns.AddTail(column);
    if (m_pWorkRecordset->IsOpen())
        m_pWorkRecordset->Close();
    m_pWorkRecordset->m_nParams = 0;
    const CString sql = "SELECT Max(" + table + "." + column + ") AS " + column + " FROM " + table + " HAVING Max(" +
                        table + "." + column + ") IS NOT NULL";
    if (!m_pWorkRecordset->OpenTable(table, sql, &columns))
        return m_nMaxCategoryIndex;
    m_nMaxCategoryIndex = m_pWorkRecordset->IsEOF() ? 0 : static_cast<short>(ReadNumber(*m_pWorkRecordset, column));
    m_pWorkRecordset->Close();
    return m_nMaxCategoryIndex;
}

long CCookbookDatabase::LookupCategoryId(const CategoryListItem* pItem)
{
    if (pItem == nullptr)
        return 0;
    if (pItem->m_id != 0UL)
    {
        long found = 0;
        return FindRowByValue(IDS_TBL_HICAT, IDS_COL_HICAT_CATID, pItem->m_id.GetText(), IDS_COL_HICAT_CATID, found)
                   ? found
                   : 0;
    }
    const CSlotArray& all = GetCategoryTree(0);
    for (int slot = 0; slot <= all.GetHighestSlot(); ++slot)
    {
        const CategoryListItem* pEntry = all.GetAtSlot(slot);
        if (pEntry != nullptr && pEntry->m_secondId == pItem->m_secondId && pEntry->m_type == pItem->m_type &&
            pEntry->m_name.CompareNoCase(pItem->m_name) == 0)
            return pEntry->m_id.GetNumber();
    }
    return 0;
}

int CCookbookDatabase::SaveCategory(CategoryListItem& item)
{
    if (!CanUpdate())
        return 0;
    const BOOL isNew = item.m_id == 0UL;
    CRecordId id = item.m_id;
    if (isNew)
    {
        id = GetHighestRecordId(IDS_TBL_HICAT, IDS_COL_HICAT_CATID);
        if (id == "999999")
            return 0;
        ++id;
    }
    CPortRecordset* pColumns = DescribeTable(IDS_TBL_HICAT);
    if (pColumns == nullptr)
        return 0;
    CRowValues row(*pColumns);
    if (isNew)
        row.Add(IDS_COL_HICAT_CATID).SetId(id);
    row.Add(IDS_COL_HICAT_PARENTID).SetId(item.m_secondId);
    row.Add(IDS_COL_HICAT_NAME).SetText(item.m_name);
    row.Add(IDS_COL_HICAT_TYPE).SetChar(item.m_type);
    row.Add(IDS_COL_HICAT_HASRECIPES).SetLong(item.m_hasRecipes);
    row.Add(IDS_COL_HICAT_HASMENUS).SetLong(item.m_hasMenus);
    row.Add(IDS_COL_HICAT_REL_INDEX).SetShort(item.m_relIndex);
    row.Add(IDS_COL_HICAT_FIRSTKID).SetShort(item.m_firstChild);
    row.Add(IDS_COL_HICAT_SIBLING).SetShort(item.m_sibling);
    const CString table = LoadSchemaText(IDS_TBL_HICAT);
    const CString sql = isNew
                            ? BuildInsertFromLists(table, row.GetColumns(), row.GetValues())
                            : BuildUpdate(table, row.GetColumns(), row.GetValues(), Condition(IDS_COL_HICAT_CATID, id));
    if (!ExecuteDirect(sql))
        return 0;
    item.m_id = id;
    return 1;
}

int CCookbookDatabase::AddCategory(CategoryListItem& item)
{
    const long existing = LookupCategoryId(&item);
    if (existing != 0)
    {
        item.m_id = static_cast<unsigned long>(existing);
        ReadCategory(item);
        return 1;
    }
    const short newIndex = static_cast<short>(GetMaxCategoryIndex() + 1);
    CCookbookTransaction transaction(*this);
    if (!LinkNewCategory(item, newIndex))
        return 0;
    item.m_relIndex = newIndex;
    if (!SaveCategory(item) || !transaction.Commit())
    {
        item.m_id = CRecordId();
        m_bCategoryStale[0] = TRUE;
        return 0;
    }
    m_nMaxCategoryIndex = newIndex;
    m_bCategoryStale[0] = TRUE;
    m_bCategoryStale[KindOfType(item.m_type)] = TRUE;
    return 1;
}

// Appends the new index to the chain the category joins: its parent's children, or the top
// level.
BOOL CCookbookDatabase::LinkNewCategory(const CategoryListItem& item, short newIndex)
{
    const CSlotArray& all = GetCategoryTree(0);
    if (all.GetHighestSlot() < 0)
        return TRUE;
    CategoryListItem* pParent = item.m_secondId != 0UL ? FindCategory(item.m_secondId) : nullptr;
    CategoryListItem* pNode = nullptr;
    if (pParent != nullptr)
    {
        if (pParent->m_firstChild < 0)
        {
            CategoryListItem parent(*pParent);
            parent.m_firstChild = newIndex;
            return SaveCategory(parent);
        }
        pNode = all.GetAtSlot(pParent->m_firstChild);
    }
    else if (FirstTopLevelSlot(all) >= 0)
        pNode = all.GetAtSlot(FirstTopLevelSlot(all));
    for (int steps = 0; pNode != nullptr && pNode->m_sibling >= 0 && steps <= all.GetHighestSlot(); ++steps)
    {
        CategoryListItem* pNext = all.GetAtSlot(pNode->m_sibling);
        if (pNext == nullptr)
            return TRUE;
        pNode = pNext;
    }
    if (pNode == nullptr)
        return TRUE;
    CategoryListItem last(*pNode);
    last.m_sibling = newIndex;
    return SaveCategory(last);
}

int CCookbookDatabase::RemoveCategory(const CategoryListItem& item)
{
    // The stored links, not the caller's copy: siblings added since it was read would be lost.
    CategoryListItem removed(item);
    if (removed.m_id == 0UL || ReadCategory(removed).m_id == 0UL || KindOfType(removed.m_type) == 0)
        return 0;
    CCookbookTransaction transaction(*this);
    if (!DeleteDescendants(removed) || !UnlinkCategory(removed) ||
        !DeleteItemRows(IDS_TBL_HICAT, IDS_COL_HICAT_CATID, QuoteSqlText(removed.m_id), 'Z') ||
        !PurgeCategoryItems('R') || !PurgeCategoryItems('M') || !transaction.Commit())
    {
        m_bCategoryStale[0] = TRUE;
        return 0;
    }
    for (BOOL& stale : m_bCategoryStale)
        stale = TRUE;
    GetCategoryTree(0);
    return 1;
}

BOOL CCookbookDatabase::DeleteDescendants(const CategoryListItem& category)
{
    CSlotArray children;
    GetChildCategories(children, category.m_id.GetNumber(), KindOfType(category.m_type));
    for (int i = 0; i < children.GetSize(); ++i)
    {
        const auto* pChild = static_cast<const CategoryListItem*>(children.GetAt(i));
        if (!DeleteDescendants(*pChild) ||
            !DeleteItemRows(IDS_TBL_HICAT, IDS_COL_HICAT_CATID, QuoteSqlText(pChild->m_id), 'Z'))
            return FALSE;
    }
    return TRUE;
}

// The parent's first child, or the previous sibling, skips the removed node.
BOOL CCookbookDatabase::UnlinkCategory(const CategoryListItem& removed)
{
    CString sql;
    try
    {
        if (removed.m_secondId != 0UL)
        {
            CategoryListItem parent;
            parent.m_id = removed.m_secondId;
            if (ReadCategory(parent).m_id == 0UL)
                return FALSE;
            if (parent.m_firstChild == removed.m_relIndex)
            {
                sql.Format("UPDATE HICAT SET FIRSTKID=%d WHERE CATID='%s'", removed.m_sibling, parent.m_id.GetText());
                if (!ExecuteWrite(sql))
                    return FALSE;
            }
        }
        sql.Format("UPDATE HICAT SET SIBLING=%d WHERE SIBLING=%d", removed.m_sibling, removed.m_relIndex);
        return ExecuteWrite(sql);
    }
    catch (CDBException* e)
    {
        e->Delete();
        return FALSE;
    }
}

int CCookbookDatabase::PurgeCategoryItems(char type)
{
    CString sql;
    if (type == 'R' || type == 'M')
        sql = "DELETE FROM " + LoadSchemaText(CategoryItemTable(type)) +
              " WHERE CATID NOT IN (SELECT HICAT.CATID FROM HICAT)";
    else if (type == 'I')
        sql = "DELETE FROM ING_CAT_ITEM WHERE CATID NOT IN (SELECT BASIC.ID FROM BASIC)";
    else
        return 0;
    try
    {
        return ExecuteWrite(sql);
    }
    catch (CDBException* e)
    {
        e->Delete();
        return 0;
    }
}

int CCookbookDatabase::LoadCategoryItems(CStringList& list, const CRecordId& id, char type)
{
    const UINT tableId = CategoryItemTable(type);
    if (tableId == 0)
        return 0;
    const CString table = LoadSchemaText(tableId);
    CStringList columns;
    columns.AddTail(LoadSchemaText(IDS_COL_CAT_ITEM_ITEM));
    if (m_pWorkRecordset->IsOpen())
        m_pWorkRecordset->Close();
    m_pWorkRecordset->m_nParams = 0;
    if (!m_pWorkRecordset->OpenTable(table, BuildSelect(table, &columns, Condition(IDS_COL_CAT_ITEM_CATID, id)),
                                     &columns))
        return 0;
    for (; !m_pWorkRecordset->IsEOF(); m_pWorkRecordset->MoveNext())
    {
        CString item;
        m_pWorkRecordset->GetFieldText(IDS_COL_CAT_ITEM_ITEM, item);
        list.AddTail(item);
    }
    m_pWorkRecordset->Close();
    return 1;
}
