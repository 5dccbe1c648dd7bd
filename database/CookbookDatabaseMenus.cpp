#include "database/CookbookDatabase.h"

#include <windows.h>

#include "database/BrowseState.h"
#include "database/CookbookTransaction.h"
#include "database/FieldValue.h"
#include "database/GenericRecordset.h"
#include "database/MenuData.h"
#include "database/MenuItem.h"
#include "database/MenuListItem.h"
#include "database/MultiRecordColumn.h"
#include "database/PortRecordset.h"
#include "database/RowValues.h"
#include "database/SqlText.h"
#include "framework/DBException.h"
#include "framework/ObList.h"
#include "framework/StringList.h"
#include "res/resource.h"

namespace {

CString IdCondition(UINT columnId, const CRecordId& id)
{
    return LoadSchemaText(columnId) + "=" + QuoteSqlText(id);
}

}  // namespace

CCustObArray& CCookbookDatabase::LoadMenuList(CCustObArray& list)
{
    list.DeleteAll();
    const CString name = LoadSchemaText(IDS_COL_MENU_NAME);
    const BOOL opened = OpenWorkSelect(IDS_TBL_MENU, nullptr, nullptr, name);
    list.SetSize(0, 50);
    if (!opened)
        return list;
    for (LONG row = 0; !m_pWorkRecordset->IsEOF(); m_pWorkRecordset->MoveNext(), ++row)
    {
        auto* pItem = new MenuListItem;
        m_pWorkRecordset->GetFieldText(IDS_COL_MENU_NAME, pItem->m_name);
        m_pWorkRecordset->GetFieldLong(IDS_COL_MENU_MENU, pItem->m_id);
        m_pWorkRecordset->GetFieldWord(IDS_COL_MENU_SERVINGS, pItem->m_servings);
        pItem->m_value = row;
        list.Add(pItem);
    }
    m_pWorkRecordset->Close();
    return list;
}

CCustObArray& CCookbookDatabase::GetMenuList()
{
    if (m_menuList.IsEmpty())
        LoadMenuList(m_menuList);
    return m_menuList;
}

CCustObArray& CCookbookDatabase::GetMenuListFor(CBrowseState& state, const CRecordId* pCategoryId, BOOL flag)
{
    if (!flag)
        return GetMenuList();
    return *state.LoadMenuList(*this, pCategoryId);
}

MenuListItem* CCookbookDatabase::GetMenuAt(int index)
{
    if (index < 0 || index >= m_menuList.GetSize())
        return nullptr;
    return static_cast<MenuListItem*>(m_menuList.GetAt(index));
}

// Mode 0 matches the name exactly, mode 1 the id text or the name; other modes match nothing.
MenuListItem* CCookbookDatabase::FindMenu(const CString& key, int mode)
{
    if (mode != 0 && mode != 1)
        return nullptr;
    GetMenuList();
    for (int i = 0; i < m_menuList.GetSize(); ++i)
    {
        auto* pItem = static_cast<MenuListItem*>(m_menuList.GetAt(i));
        if (pItem->m_name == key || (mode == 1 && key == pItem->m_id.GetText()))
            return pItem;
    }
    return nullptr;
}

int CCookbookDatabase::GetMenusInCategory(CCustObArray& list, long categoryNumber)
{
    list.DeleteAll();
    GetMenuList();
    CStringList ids;
    LoadCategoryItems(ids, CRecordId(static_cast<unsigned long>(categoryNumber)), 'M');
    for (POSITION position = ids.GetHeadPosition(); position != nullptr;)
    {
        const MenuListItem* pMenu = FindMenu(ids.GetNext(position), 1);
        if (pMenu != nullptr)
            list.InsertSorted(static_cast<CListItem*>(pMenu->Clone()), FALSE);
    }
    return list.GetSize();
}

// A reload replaces what the record held; a failed read leaves it cleared.
int CCookbookDatabase::LoadMenu(CMenuData& menu)
{
    const CRecordId id = menu.m_id;
    if (id == "000000")
        return 0;
    menu.Clear();
    menu.m_id = id;
    if (!OpenWorkSelect(IDS_TBL_MENU, nullptr, IdCondition(IDS_COL_MENU_MENU, id), nullptr))
        return 2;
    if (!m_pWorkRecordset->IsEOF())
    {
        m_pWorkRecordset->GetFieldLong(IDS_COL_MENU_MENU, menu.m_id);
        m_pWorkRecordset->GetFieldText(IDS_COL_MENU_NAME, menu.m_name);
        m_pWorkRecordset->GetFieldText(IDS_COL_MENU_DESCRIPTION, menu.m_description);
        m_pWorkRecordset->GetFieldWord(IDS_COL_MENU_SERVINGS, menu.m_servings);
    }
    m_pWorkRecordset->Close();
    if (!LoadMenuItems(menu) || !LoadItemCategories(menu.m_id, menu.m_categories, 'M'))
    {
        menu.Clear();
        return 2;
    }
    LoadReferences(menu.m_references, menu.m_id.GetNumber(), 'M');
    return 0;
}

BOOL CCookbookDatabase::LoadMenuItems(CMenuData& menu)
{
    const CString table = LoadSchemaText(IDS_TBL_MN_ITEM);
    const CString order = LoadSchemaText(IDS_COL_MN_ITEM_DAY) + "," + LoadSchemaText(IDS_COL_MN_ITEM_MEAL) + "," +
                          LoadSchemaText(IDS_COL_MN_ITEM_MN_ITEM);
    CPortRecordset items(this);
    if (!items.OpenTable(table, BuildSelect(table, nullptr, IdCondition(IDS_COL_MN_ITEM_MENU, menu.m_id), order),
                         nullptr))
        return FALSE;
    for (; !items.IsEOF(); items.MoveNext())
    {
        auto* pItem = new CMenuItem;
        pItem->ReadRecord(items);
        const MenuListItem* pNested = pItem->m_type.Left(1) == "M" ? FindMenu(pItem->m_itemId.GetText(), 1) : nullptr;
        if (pNested != nullptr)
            pItem->m_text = pNested->m_name;
        menu.m_items.AddTail(pItem);
    }
    items.Close();
    return TRUE;
}

BOOL CCookbookDatabase::UpdateMenuItemText(const CRecordId& recipeId, const CString& text)
{
    const CString table = LoadSchemaText(IDS_TBL_MN_ITEM);
    try
    {
        // SQLite takes no table name before a column of SET.
        return ExecuteWrite("UPDATE " + table + " SET " + LoadSchemaText(IDS_COL_MN_ITEM_STRING) + "=" +
                            QuoteSqlText(text) + " WHERE " + table + "." + LoadSchemaText(IDS_COL_MN_ITEM_ITEM) + "=" +
                            QuoteSqlText(recipeId) + " AND " + table + "." + LoadSchemaText(IDS_COL_MN_ITEM_TYPE) +
                            "='R'");
    }
    catch (CDBException* e)
    {
        CGenericRecordset::ReportException(e, CString(), MB_ICONEXCLAMATION | MB_OK);
        e->Delete();
        return FALSE;
    }
}

void CCookbookDatabase::ReloadMenuList()
{
    m_menuList.DeleteAll();
    GetMenuList();
}

BOOL CCookbookDatabase::SaveMenu(CMenuData& menu, BOOL isNew)
{
    const CRecordId oldId = menu.m_id;
    BOOL saved = FALSE;
    {
        CCookbookTransaction transaction(*this);
        if (isNew)
            menu.m_id = NextRecordId(IDS_TBL_MENU, IDS_COL_MENU_MENU);
        saved = menu.m_id != "000000" && WriteMenu(menu) && transaction.Commit();
    }
    if (!saved)
        menu.m_id = oldId;
    else
        AfterCategoryWrite(CCustObList(), menu.m_categories, 'M');
    ReloadMenuList();
    return saved;
}

BOOL CCookbookDatabase::WriteMenu(CMenuData& menu)
{
    CPortRecordset* pColumns = DescribeTable(IDS_TBL_MENU);
    if (pColumns == nullptr)
        return FALSE;
    CRowValues row(*pColumns);
    row.Add(IDS_COL_MENU_MENU).SetId(menu.m_id);
    row.Add(IDS_COL_MENU_NAME).SetText(menu.m_name);
    row.Add(IDS_COL_MENU_SERVINGS).SetWord(menu.m_servings);
    row.Add(IDS_COL_MENU_DESCRIPTION).SetText(menu.m_description);
    return InsertRow(IDS_TBL_MENU, row) && SaveMenuItems(menu) &&
           WriteCategoryItems(menu.m_id, menu.m_categories, 'M', TRUE) &&
           WriteReferenceLinks(menu.m_id, menu.m_references, 'M');
}

// Items go in blocks of up to four rows through multi-row column buffers.
BOOL CCookbookDatabase::SaveMenuItems(const CMenuData& menu)
{
    POSITION position = menu.m_items.GetHeadPosition();
    for (int left = menu.m_items.GetCount(); left > 0; left -= 4)
    {
        if (!InsertMenuItems(menu.m_id, position, menu.m_items, left < 4 ? left : 4))
            return FALSE;
    }
    return TRUE;
}

BOOL CCookbookDatabase::InsertMenuItems(const CRecordId& menuId, POSITION& position, const CObList& items, int count)
{
    static const UINT kColumns[] = {IDS_COL_MN_ITEM_MENU,   IDS_COL_MN_ITEM_TYPE,     IDS_COL_MN_ITEM_ITEM,
                                    IDS_COL_MN_ITEM_STRING, IDS_COL_MN_ITEM_SERVINGS, IDS_COL_MN_ITEM_MEAL,
                                    IDS_COL_MN_ITEM_DAY};
    const int kColumnCount = 7;
    CPortRecordset* pColumns = DescribeTable(IDS_TBL_MN_ITEM);
    if (pColumns == nullptr)
        return FALSE;
    CMultiRecordColumn buffers[kColumnCount];
    for (int column = 0; column < kColumnCount; ++column)
    {
        CFieldValue described;
        pColumns->GetFieldValue(kColumns[column], described);
        buffers[column].Init(described.m_nSqlType, described.m_lPrecision, count, kColumns[column]);
    }
    for (int row = 0; row < count && position != nullptr; ++row)
    {
        const auto* pItem = static_cast<const CMenuItem*>(items.GetNext(position));
        buffers[0].PutRecordId(menuId);
        buffers[1].PutText(pItem->m_type);
        buffers[2].PutRecordId(pItem->m_itemId);
        buffers[3].PutText(pItem->m_text);
        buffers[4].PutUShort(pItem->m_servings);
        buffers[5].PutUShort(pItem->m_meal);
        buffers[6].PutUShort(pItem->m_day);
    }
    for (CMultiRecordColumn& buffer : buffers)
        buffer.Rewind();
    const CString table = LoadSchemaText(IDS_TBL_MN_ITEM);
    for (int row = 0; row < count; ++row)
    {
        if (!ExecuteDirect(BuildInsertFromFields(table, buffers, kColumnCount)))
            return FALSE;
    }
    return TRUE;
}

BOOL CCookbookDatabase::AddMenuItem(const CRecordId& menuId, const CMenuItem& item)
{
    CPortRecordset* pColumns = DescribeTable(IDS_TBL_MN_ITEM);
    if (menuId == "000000" || pColumns == nullptr)
        return FALSE;
    CRowValues row(*pColumns);
    row.Add(IDS_COL_MN_ITEM_MENU).SetId(menuId);
    row.Add(IDS_COL_MN_ITEM_TYPE).SetText(item.m_type);
    row.Add(IDS_COL_MN_ITEM_ITEM).SetId(item.m_itemId);
    row.Add(IDS_COL_MN_ITEM_STRING).SetText(item.m_text);
    row.Add(IDS_COL_MN_ITEM_SERVINGS).SetWord(item.m_servings);
    row.Add(IDS_COL_MN_ITEM_MEAL).SetWord(item.m_meal);
    row.Add(IDS_COL_MN_ITEM_DAY).SetWord(item.m_day);
    try
    {
        return ExecuteWrite(BuildInsertFromLists(LoadSchemaText(IDS_TBL_MN_ITEM), row.GetColumns(), row.GetValues()));
    }
    catch (CDBException* e)
    {
        e->Delete();
        return FALSE;
    }
}

// The plan is deleted and written again in one transaction: a failed write keeps the old plan.
// The categories the plan leaves get their flags recomputed too.
BOOL CCookbookDatabase::RewriteMenu(CMenuData& menu)
{
    CCustObList oldCategories;
    LoadItemCategories(menu.m_id, oldCategories, 'M');
    BOOL saved = FALSE;
    {
        CCookbookTransaction transaction(*this);
        saved = DeleteMenuRows(menu.m_id, FALSE) && WriteMenu(menu) && transaction.Commit();
    }
    if (saved)
        AfterCategoryWrite(oldCategories, menu.m_categories, 'M');
    oldCategories.DeleteAll();
    ReloadMenuList();
    return saved;
}

BOOL CCookbookDatabase::DeleteMenu(const CRecordId& menuId, BOOL withCalendar)
{
    CCustObList oldCategories;
    LoadItemCategories(menuId, oldCategories, 'M');
    BOOL deleted = FALSE;
    {
        CCookbookTransaction transaction(*this);
        deleted = DeleteMenuRows(menuId, withCalendar) && transaction.Commit();
    }
    if (deleted)
        AfterCategoryWrite(oldCategories, CCustObList(), 'M');
    oldCategories.DeleteAll();
    ReloadMenuList();
    return deleted;
}

// Items of other plans that point to this one stay.
BOOL CCookbookDatabase::DeleteMenuRows(const CRecordId& menuId, BOOL withCalendar)
{
    if (m_pWorkRecordset->IsOpen())
        m_pWorkRecordset->Close();
    const CString value = QuoteSqlText(menuId);
    return DeleteItemRows(IDS_TBL_MENU, IDS_COL_MENU_MENU, value, 'Z') &&
           DeleteItemRows(IDS_TBL_MN_ITEM, IDS_COL_MN_ITEM_MENU, value, 'Z') &&
           DeleteItemRows(IDS_TBL_MENU_CAT_ITEM, IDS_COL_CAT_ITEM_ITEM, value, 'Z') &&
           DeleteItemRows(IDS_TBL_REFITEM, IDS_COL_REFITEM_LINKID, value, 'M') &&
           (!withCalendar || DeleteItemRows(IDS_TBL_CALENDAR, IDS_COL_CALENDAR_ITEMID, value, 'M'));
}
