// Chapters and the contents entries that list them, the recipe count, and deleting a recipe
// or a chapter with every row that depends on it.
#include "database/CookbookDatabase.h"

#include "database/BusyNotice.h"
#include "database/CookbookTransaction.h"
#include "database/FieldValue.h"
#include "database/PortRecordset.h"
#include "database/RowValues.h"
#include "database/TOCListItem.h"
#include "framework/DBException.h"
#include "framework/StringArray.h"
#include "res/resource.h"
#include "database/SqlText.h"

#include <cstdlib>
#include <memory>
#include <utility>
#include <vector>

namespace {

enum ContentsStale
{
    kContentsStale = 0
};

}  // namespace

CCustObArray& CCookbookDatabase::BuildContentsEntries()
{
    if (m_bStale[kContentsStale])
        m_contents.DeleteAll();
    if (m_contents.IsEmpty())
    {
        LoadChapters(m_contents);
        for (UINT nameId : {IDS_ALL_RECIPES, IDS_ALL_RECIPES_WITH_PHOTOS, IDS_ALL_MEAL_PLANS, IDS_ALL_RECIPE_CATEGORIES,
                            IDS_ALL_MEAL_PLAN_CATEGORIES})
            m_contents.Add(new TOCListItem(LoadSchemaText(nameId), 0, 'T'));
    }
    m_bStale[kContentsStale] = FALSE;
    return m_contents;
}

CCustObArray& CCookbookDatabase::LoadChapters(CCustObArray& array)
{
    if (m_pWorkRecordset->IsOpen())
        m_pWorkRecordset->Close();
    array.DeleteAll();
    const CString table = LoadSchemaText(IDS_TBL_COOKBOOK);
    m_pWorkRecordset->m_nParams = 0;
    if (!m_pWorkRecordset->OpenTable(table, BuildSelect(table), nullptr))
        return array;
    for (; !m_pWorkRecordset->IsEOF(); m_pWorkRecordset->MoveNext())
    {
        auto* pChapter = new TOCListItem;
        m_pWorkRecordset->GetFieldLong(IDS_COL_COOKBOOK_COOKBOOK, pChapter->m_id);
        m_pWorkRecordset->GetFieldText(IDS_COL_COOKBOOK_TITLE, pChapter->m_name);
        pChapter->m_type = 'T';
        array.Add(pChapter);
    }
    m_pWorkRecordset->Close();
    return array;
}

CString CCookbookDatabase::GetContentsEntryName(CRecordId id)
{
    const CCustObArray& entries = BuildContentsEntries();
    for (int i = 0; i < entries.GetSize(); ++i)
    {
        const auto* pEntry = static_cast<const TOCListItem*>(entries.GetAt(i));
        if (pEntry->m_id == id)
            return pEntry->m_name;
    }
    return CString();
}

long CCookbookDatabase::GetRecipeCount()
{
    if (m_nRecipeCount >= 0)
        return m_nRecipeCount;
    CPortRecordset recordset(this);
    const CString table = LoadSchemaText(IDS_TBL_RECIPE);
    if (!recordset.OpenTable(table, "SELECT COUNT(*) AS N FROM " + table, nullptr) || recordset.IsEOF())
        return 0;
    // The driver describes an expression column by its value's type: text or a number.
    CString text;
    double count = 0.0;
    if (recordset.GetFieldText("N", text) && !text.IsEmpty())
        count = atof(text);
    else
        recordset.GetFieldDouble("N", count);
    m_nRecipeCount = static_cast<long>(count);
    return m_nRecipeCount;
}

BOOL CCookbookDatabase::SaveChapter(TOCListItem& entry)
{
    if (!CanUpdate())
        return FALSE;
    BOOL known = TRUE;
    if (entry.m_id == 0UL)
    {
        long existing = 0;
        known =
            FindRowByValue(IDS_TBL_COOKBOOK, IDS_COL_COOKBOOK_TITLE, entry.m_name, IDS_COL_COOKBOOK_COOKBOOK, existing);
        if (known)
            entry.m_id = static_cast<unsigned long>(existing);
    }
    CRecordId id = entry.m_id;
    if (!known)
    {
        id = GetHighestRecordId(IDS_TBL_COOKBOOK, IDS_COL_COOKBOOK_COOKBOOK);
        if (id == "999999")
            return FALSE;
        ++id;
    }
    CPortRecordset* pColumns = DescribeTable(IDS_TBL_COOKBOOK);
    if (pColumns == nullptr)
        return FALSE;
    CRowValues row(*pColumns);
    if (!known)
        row.Add(IDS_COL_COOKBOOK_COOKBOOK).SetId(id);
    row.Add(IDS_COL_COOKBOOK_TITLE).SetText(entry.m_name);
    const CString table = LoadSchemaText(IDS_TBL_COOKBOOK);
    const CString sql = known ? BuildUpdate(table, row.GetColumns(), row.GetValues(),
                                            LoadSchemaText(IDS_COL_COOKBOOK_COOKBOOK) + "=" + QuoteSqlText(id))
                              : BuildInsertFromLists(table, row.GetColumns(), row.GetValues());
    if (!ExecuteDirect(sql))
        return FALSE;
    entry.m_id = id;
    m_bStale[kContentsStale] = TRUE;
    BuildContentsEntries();
    return TRUE;
}

// Dependents first and the recipe's row last, all in one transaction.
BOOL CCookbookDatabase::DeleteRecipe(const CRecordId& id, BOOL withCalendar)
{
    if (m_pWorkRecordset->IsOpen())
        m_pWorkRecordset->Close();
    const CString value = QuoteSqlText(id);
    const struct
    {
        UINT table;
        UINT column;
        char type;
    } kSteps[] = {
        {IDS_TBL_MN_ITEM, IDS_COL_MN_ITEM_ITEM, 'R'},     {IDS_TBL_QUANTITY, IDS_COL_QUANTITY_RECIPE, 'Z'},
        {IDS_TBL_QUANTITY, IDS_COL_QUANTITY_ITEM, 'R'},   {IDS_TBL_RCP_CAT_ITEM, IDS_COL_CAT_ITEM_ITEM, 'Z'},
        {IDS_TBL_REFITEM, IDS_COL_REFITEM_LINKID, 'R'},   {IDS_TBL_RCP_NUTRITION, IDS_COL_ING_NUTRITION_ITEM_ID, 'Z'},
        {IDS_TBL_CALENDAR, IDS_COL_CALENDAR_ITEMID, 'R'}, {IDS_TBL_RECIPE, IDS_COL_RECIPE_RECIPE, 'Z'},
    };
    CCustObList categories;
    LoadItemCategories(id, categories, 'R');
    CCookbookTransaction transaction(*this);
    for (const auto& step : kSteps)
    {
        if (step.table == IDS_TBL_CALENDAR && !withCalendar)
            continue;
        if (!DeleteItemRows(step.table, step.column, value, step.type))
            return FALSE;
    }
    if (!transaction.Commit())
        return FALSE;
    m_nRecipeCount = -1;
    AfterCategoryWrite(categories, CCustObList(), 'R');
    categories.DeleteAll();
    return TRUE;
}

BOOL CCookbookDatabase::DeleteChapter(const TOCListItem& entry)
{
    if (entry.m_id == 0UL)
        return FALSE;
    std::vector<std::pair<CRecordId, CString>> recipes;
    CPortRecordset recordset(this);
    if (!SelectFromTable(IDS_TBL_RECIPE, LoadSchemaText(IDS_COL_RECIPE_COOKBOOK) + "=" + QuoteSqlText(entry.m_id),
                         &recordset))
        return FALSE;
    for (; !recordset.IsEOF(); recordset.MoveNext())
    {
        CRecordId recipe;
        CString title;
        recordset.GetFieldLong(IDS_COL_RECIPE_RECIPE, recipe);
        recordset.GetFieldText(IDS_COL_RECIPE_TITLE, title);
        recipes.emplace_back(recipe, title);
    }
    recordset.Close();
    CString busyText;
    busyText.LoadString(IDS_DELETING_CHAPTER_RECIPES);
    const std::unique_ptr<CBusyNotice> busy = CBusyNotice::Show(busyText);
    for (const auto& recipe : recipes)
    {
        busy->SetText("Chapter: " + entry.m_name + "\r\n Recipe: " + recipe.second);
        if (!DeleteRecipe(recipe.first, TRUE))
            return FALSE;
    }
    if (!DeleteItemRows(IDS_TBL_COOKBOOK, IDS_COL_COOKBOOK_COOKBOOK, QuoteSqlText(entry.m_id), 'Z'))
        return FALSE;
    m_bStale[kContentsStale] = TRUE;
    BuildContentsEntries();
    return TRUE;
}
