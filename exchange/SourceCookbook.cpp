#include "exchange/SourceCookbook.h"

#include <cstring>

#include "database/CategoryListItem.h"
#include "database/IngData.h"
#include "database/Nutrition.h"
#include "database/PortRecordset.h"
#include "database/RecipeData.h"
#include "database/RefListItem.h"
#include "database/SqlText.h"
#include "exchange/ImportTarget.h"
#include "framework/StringArray.h"
#include "framework/StringList.h"
#include "res/resource.h"

namespace {

// Deeper than any tree a user builds: a source whose parents loop stops here.
const int kDeepestCategory = 32;
const BYTE kWholeRecipe =
    CRecipeData::kLoadRecipeRow | CRecipeData::kLoadCategories | CRecipeData::kLoadLines | CRecipeData::kLoadReferences;

bool IsTopLevel(const CRecordId& parent)
{
    return parent == 0UL || parent == "999999";
}

}  // namespace

BOOL CSourceCookbook::Open(const CString& path)
{
    m_categoryIds.clear();
    m_kindCategoryId = CRecordId();
    return m_database.OpenCookbookFile(path, IDS_DRIVER_ACCESS, IDS_SOURCE_TABLEWISE_12_IMPORT, TRUE);
}

void CSourceCookbook::LoadChapters(CCustObArray& chapters)
{
    m_database.LoadChapters(chapters);
}

BOOL CSourceCookbook::ListRecipes(const CRecordId& chapter, CStringArray& titles, std::vector<unsigned long>& ids)
{
    const CString table = LoadSchemaText(IDS_TBL_RECIPE);
    const CString title = LoadSchemaText(IDS_COL_RECIPE_TITLE);
    CStringList columns;
    columns.AddTail(LoadSchemaText(IDS_COL_RECIPE_RECIPE));
    columns.AddTail(title);
    const CString condition = LoadSchemaText(IDS_COL_RECIPE_COOKBOOK) + "=" + QuoteSqlText(chapter);
    CPortRecordset recipes(&m_database);
    if (!recipes.OpenTable(table, m_database.BuildSelect(table, &columns, condition, title), nullptr))
        return FALSE;
    for (; !recipes.IsEOF(); recipes.MoveNext())
    {
        CString text;
        CRecordId id;
        recipes.GetFieldText(IDS_COL_RECIPE_TITLE, text);
        recipes.GetFieldLong(IDS_COL_RECIPE_RECIPE, id);
        titles.Add(text);
        ids.push_back(static_cast<unsigned long>(id.GetNumber()));
    }
    recipes.Close();
    return TRUE;
}

BOOL CSourceCookbook::ImportRecipe(const CRecordId& sourceId, CRecipeData& recipe, CImportTarget& target)
{
    recipe.Clear();
    recipe.m_recipeId = sourceId;
    if (m_database.LoadRecipe(&recipe, kWholeRecipe) != 0)
        return FALSE;
    m_database.CloseRecordsets();
    if (!MakeKindCategory(target) || !TranslateCategories(recipe, target) || !SaveReferences(recipe, target) ||
        !StoreLines(recipe, target))
        return FALSE;
    recipe.m_recipeId = CRecordId();
    return TRUE;
}

BOOL CSourceCookbook::MakeKindCategory(CImportTarget& target)
{
    if (m_kindCategoryId != 0UL)
        return TRUE;
    CategoryListItem kind;
    kind.m_name.LoadString(IDS_SOURCE_TABLEWISE_12_IMPORT);
    kind.m_type = 'R';
    if (!target.GetDatabase().AddCategory(kind))
        return FALSE;
    m_kindCategoryId = kind.m_id;
    return TRUE;
}

BOOL CSourceCookbook::TranslateCategories(CRecipeData& recipe, CImportTarget& target)
{
    std::vector<CRecordId> translated;
    for (POSITION position = recipe.m_categories.GetHeadPosition(); position != nullptr;)
    {
        const auto* pItem = static_cast<const CategoryListItem*>(recipe.m_categories.GetNext(position));
        const CRecordId id = TranslateCategory(pItem->m_id, target, 0);
        if (id == 0UL)
            return FALSE;
        translated.push_back(id);
    }
    recipe.m_categories.DeleteAll();
    for (const CRecordId& id : translated)
    {
        const CategoryListItem* pCategory = target.GetDatabase().FindCategory(id);
        if (pCategory == nullptr)
            return FALSE;
        recipe.m_categories.AddTail(pCategory->Clone());
    }
    return TRUE;
}

CRecordId CSourceCookbook::TranslateCategory(const CRecordId& sourceId, CImportTarget& target, int depth)
{
    const auto known = m_categoryIds.find(sourceId.GetNumber());
    if (known != m_categoryIds.end())
        return known->second;
    const CategoryListItem* pSource = m_database.FindCategory(sourceId);
    if (pSource == nullptr || depth > kDeepestCategory)
        return CRecordId();
    CategoryListItem item;
    item.m_name = pSource->m_name;
    item.m_type = 'R';
    const CRecordId sourceParent = pSource->m_secondId;
    item.m_secondId = IsTopLevel(sourceParent) ? m_kindCategoryId : TranslateCategory(sourceParent, target, depth + 1);
    if (item.m_secondId == 0UL || !target.GetDatabase().AddCategory(item))
        return CRecordId();
    m_categoryIds[sourceId.GetNumber()] = item.m_id;
    return item.m_id;
}

// Only information, photos, hints and videos travel: other kinds name records of the source.
BOOL CSourceCookbook::SaveReferences(CRecipeData& recipe, CImportTarget& target)
{
    CRefItemArray kept;
    for (int i = 0; i < recipe.m_links.GetSize(); ++i)
    {
        const RefListItem* pReference = recipe.m_links.GetRefAt(i);
        if (pReference == nullptr || pReference->m_type == '\0' || std::strchr("PSTV", pReference->m_type) == nullptr)
            continue;
        auto* pCopy = static_cast<RefListItem*>(pReference->Clone());
        pCopy->m_id = CRecordId();
        kept.Add(pCopy);
        if (!target.GetDatabase().SaveReference(*pCopy))
            return FALSE;
    }
    recipe.m_links = kept;
    return TRUE;
}

BOOL CSourceCookbook::StoreLines(CRecipeData& recipe, CImportTarget& target)
{
    for (POSITION position = recipe.m_lines.GetHeadPosition(); position != nullptr;)
    {
        auto* pLine = static_cast<CIngData*>(recipe.m_lines.GetNext(position));
        if (pLine->m_lineType == "R")
        {
            target.ResolveRecipeLine(*pLine);
            continue;
        }
        if (pLine->m_name.IsEmpty())
            continue;
        m_database.LoadBasicIngredient(*pLine);
        pLine->m_basicItemId = target.FindBasicItem(pLine->m_basicItemName);
        ReadStoredProfile(*pLine);
        pLine->m_itemId = CRecordId();
        if (!target.StoreIngredient(*pLine))
            return FALSE;
    }
    return TRUE;
}

// The ingredient's own profile as the source stores it, for the target's catalogue.
void CSourceCookbook::ReadStoredProfile(CIngData& line)
{
    NUTRITION& profile = *line.GetNutrition();
    profile.SetAll(0.0);
    const CString condition = LoadSchemaText(IDS_COL_ING_NUTRITION_ITEM_ID) + "=" + QuoteSqlText(line.m_itemId);
    CPortRecordset& row = *m_database.GetRecordset();
    if (m_database.SelectFromTable(IDS_TBL_ING_NUTRITION, condition, nullptr) && !row.IsEOF())
        profile.ReadFromRecordset(row);
    if (row.IsOpen())
        row.Close();
}
