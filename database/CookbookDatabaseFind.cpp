#include "database/CookbookDatabase.h"

#include <cctype>

#include "database/FieldValue.h"
#include "database/IngItem.h"
#include "database/MenuListItem.h"
#include "database/PortRecordset.h"
#include "database/RecipeListItem.h"
#include "database/SqlText.h"
#include "framework/MapStringToPtr.h"
#include "framework/StringList.h"
#include "res/resource.h"

namespace {

void AddColumns(CStringList& columns, std::initializer_list<UINT> ids)
{
    for (UINT id : ids)
        columns.AddTail(LoadSchemaText(id));
}

// The sound groups of letters; a character in none of them adds nothing to a code.
int SoundGroup(char c)
{
    static const char* const kGroups[] = {"BFPV", "CGJKQSXZ", "DT", "L", "MN", "R"};
    for (int group = 0; group < 6; ++group)
    {
        for (const char* letter = kGroups[group]; *letter != '\0'; ++letter)
        {
            if (*letter == c)
                return group + 1;
        }
    }
    return 0;
}

char Upper(char c)
{
    return static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
}

BOOL IsBlank(char c)
{
    return std::isspace(static_cast<unsigned char>(c)) != 0;
}

UINT RecipeSearchColumn(int field)
{
    static const UINT kColumns[] = {IDS_COL_RECIPE_TITLE, IDS_COL_RECIPE_SUBTITLE, IDS_COL_RECIPE_INTRO,
                                    IDS_COL_RECIPE_DIRECTIONS, IDS_COL_RECIPE_SOURCE};
    return field >= 0 && field < 5 ? kColumns[field] : IDS_COL_RECIPE_TITLE;
}

// The first character of the name that is not blank (the last one when all are).
int FirstNonBlank(const CString& name)
{
    int index = 0;
    while (index < name.GetLength() - 1 && IsBlank(name[index]))
        ++index;
    return index;
}

}  // namespace

CString CCookbookDatabase::MakeSoundCode(const CString& name)
{
    CString code;
    if (name.IsEmpty())
        return code;
    const int first = FirstNonBlank(name);
    code += Upper(name[first]);
    for (int i = first + 1; i < name.GetLength() && code.GetLength() < 4; ++i)
    {
        const char c = Upper(name[i]);
        if (IsBlank(c))
            continue;
        const int group = SoundGroup(c);
        if (group != 0)
            code += static_cast<char>('0' + group);
    }
    while (code.GetLength() < 4)
        code += '0';
    return code;
}

int CCookbookDatabase::GetIngredientsInCategory(CStringList& list, const CRecordId& categoryId)
{
    if (categoryId == "000000")
        return 0;
    return LoadCategoryItems(list, categoryId, 'I');
}

BOOL CCookbookDatabase::SearchRecipes(CCustObList& list, const CString& text, int field)
{
    list.DeleteAll();
    if (m_pWorkRecordset->IsOpen())
        m_pWorkRecordset->Close();
    if (text.IsEmpty())
        return TRUE;
    const CString table = LoadSchemaText(IDS_TBL_RECIPE);
    CStringList columns;
    AddColumns(columns, {IDS_COL_RECIPE_RECIPE, IDS_COL_RECIPE_TITLE, IDS_COL_RECIPE_SERVINGS});
    const CString condition = BuildLikeClause(table, LoadSchemaText(RecipeSearchColumn(field)), text, FALSE);
    if (!OpenWorkSelect(BuildSelect(table, &columns, condition), &columns))
        return FALSE;
    for (LONG row = 0; !m_pWorkRecordset->IsEOF(); m_pWorkRecordset->MoveNext(), ++row)
    {
        auto* pItem = new CRecipeListItem;
        m_pWorkRecordset->GetFieldLong(IDS_COL_RECIPE_RECIPE, pItem->m_id);
        m_pWorkRecordset->GetFieldText(IDS_COL_RECIPE_TITLE, pItem->m_name);
        m_pWorkRecordset->GetFieldWord(IDS_COL_RECIPE_SERVINGS, pItem->m_servings);
        pItem->m_value = row;
        list.AddTail(pItem);
    }
    m_pWorkRecordset->Close();
    return TRUE;
}

BOOL CCookbookDatabase::SearchMenus(CCustObList& list, const CString& text)
{
    return SelectMenus(list, text,
                       BuildLikeClause(LoadSchemaText(IDS_TBL_MENU), LoadSchemaText(IDS_COL_MENU_NAME), text, FALSE));
}

BOOL CCookbookDatabase::SearchMenusByRecipe(CCustObList& list, const CString& text)
{
    const CString items = LoadSchemaText(IDS_TBL_MN_ITEM);
    const CString recipeLines = items + "." + LoadSchemaText(IDS_COL_MN_ITEM_TYPE) + "='R' AND " +
                                BuildLikeClause(items, LoadSchemaText(IDS_COL_MN_ITEM_STRING), text, FALSE);
    const CString condition = LoadSchemaText(IDS_TBL_MENU) + "." + LoadSchemaText(IDS_COL_MENU_MENU) + " IN (SELECT " +
                              items + "." + LoadSchemaText(IDS_COL_MN_ITEM_MENU) + " FROM " + items + " WHERE " +
                              recipeLines + ")";
    return SelectMenus(list, text, condition);
}

BOOL CCookbookDatabase::SelectMenus(CCustObList& list, const CString& text, const CString& condition)
{
    list.DeleteAll();
    if (m_pWorkRecordset->IsOpen())
        m_pWorkRecordset->Close();
    if (text.IsEmpty())
        return TRUE;
    CStringList columns;
    AddColumns(columns, {IDS_COL_MENU_MENU, IDS_COL_MENU_NAME, IDS_COL_MENU_SERVINGS});
    if (!OpenWorkSelect(BuildSelect(LoadSchemaText(IDS_TBL_MENU), &columns, condition), &columns))
        return FALSE;
    for (LONG row = 0; !m_pWorkRecordset->IsEOF(); m_pWorkRecordset->MoveNext(), ++row)
    {
        auto* pItem = new MenuListItem;
        m_pWorkRecordset->GetFieldLong(IDS_COL_MENU_MENU, pItem->m_id);
        m_pWorkRecordset->GetFieldText(IDS_COL_MENU_NAME, pItem->m_name);
        m_pWorkRecordset->GetFieldWord(IDS_COL_MENU_SERVINGS, pItem->m_servings);
        pItem->m_value = row;
        list.AddTail(pItem);
    }
    m_pWorkRecordset->Close();
    return TRUE;
}

namespace {

// Appends the ingredients of the open result; only the first with allRows FALSE.
void ReadIngredientRows(CPortRecordset& recordset, CCustObList& list, BOOL allRows)
{
    for (; !recordset.IsEOF(); recordset.MoveNext())
    {
        auto* pItem = new CIngItem;
        recordset.GetFieldLong(IDS_COL_INGREDNT_INGREDIENT, pItem->m_id);
        recordset.GetFieldText(IDS_COL_INGREDNT_NAME, pItem->m_name);
        recordset.GetFieldText(IDS_COL_INGREDNT_PLURAL, pItem->m_extraText);
        list.AddTail(pItem);
        if (!allRows)
            return;
    }
    recordset.Close();
}

}  // namespace

int CCookbookDatabase::SearchIngredients(CCustObList& list, const CString& text, BOOL beginsWith, BOOL allRows)
{
    if (beginsWith && allRows)
        return SearchIngredientsBySound(list, text, beginsWith, allRows);
    list.DeleteAll();
    if (m_pWorkRecordset->IsOpen())
        m_pWorkRecordset->Close();
    if (text.IsEmpty())
        return 1;
    const CString table = LoadSchemaText(IDS_TBL_INGREDNT);
    const CString name = LoadSchemaText(IDS_COL_INGREDNT_NAME);
    CStringList columns;
    AddColumns(columns, {IDS_COL_INGREDNT_INGREDIENT, IDS_COL_INGREDNT_NAME, IDS_COL_INGREDNT_PLURAL});
    const CString condition = BuildLikeClause(table, name, text, beginsWith);
    if (!OpenWorkSelect(BuildSelect(table, &columns, condition, name), &columns))
        return 0;
    ReadIngredientRows(*m_pWorkRecordset, list, allRows);
    return list.GetCount();
}

int CCookbookDatabase::LoadIngredientNames(CCustObList& list)
{
    list.DeleteAll();
    if (m_pWorkRecordset->IsOpen())
        m_pWorkRecordset->Close();
    const CString table = LoadSchemaText(IDS_TBL_INGREDNT);
    CStringList columns;
    AddColumns(columns, {IDS_COL_INGREDNT_INGREDIENT, IDS_COL_INGREDNT_NAME, IDS_COL_INGREDNT_PLURAL});
    if (!OpenWorkSelect(BuildSelect(table, &columns, nullptr, LoadSchemaText(IDS_COL_INGREDNT_NAME)), &columns))
        return 0;
    ReadIngredientRows(*m_pWorkRecordset, list, TRUE);
    return list.GetCount();
}

int CCookbookDatabase::SearchIngredientsBySound(CCustObList& list, const CString& name, BOOL, BOOL allRows)
{
    list.DeleteAll();
    if (name.IsEmpty())
        return 1;
    CString upper = name.Mid(FirstNonBlank(name));
    upper.MakeUpper();
    int digit = 0;
    for (int i = 1; i < upper.GetLength() && digit == 0; ++i)
        digit = SoundGroup(upper[i]);
    CString low;
    low.Format("%c%d00", upper[0], digit);
    CString high = low;
    high.SetAt(1, static_cast<char>('0' + digit + 1));
    // A single letter matches every code that begins with it. The range ends within that
    // letter: the next character code would be no letter for Z, and the column compares
    // without case.
    if (upper.GetLength() == 1)
        high = CString(upper[0]) + "999";

    CStringList columns;
    AddColumns(columns, {IDS_COL_INGREDNT_INGREDIENT, IDS_COL_INGREDNT_NAME, IDS_COL_INGREDNT_PLURAL,
                         IDS_COL_INGREDNT_SOUND_NAME});
    const CString condition =
        LoadSchemaText(IDS_COL_INGREDNT_SOUND_NAME) + " BETWEEN " + QuoteSqlText(low) + " AND " + QuoteSqlText(high);
    if (!OpenWorkSelect(BuildSelect(LoadSchemaText(IDS_TBL_INGREDNT), &columns, condition), &columns))
        return 0;
    ReadIngredientRows(*m_pWorkRecordset, list, allRows);
    return allRows ? list.GetCount() : 1;
}

BOOL CCookbookDatabase::SearchRecipesByIngredient(const CRecordId& categoryId, CMapStringToPtr& map)
{
    for (POSITION position = map.GetStartPosition(); position != nullptr;)
    {
        CString key;
        void* pValue = nullptr;
        map.GetNextAssoc(position, key, pValue);
        delete static_cast<CRecipeListItem*>(pValue);
    }
    map.RemoveAll();

    static const UINT kColumns[] = {IDS_COL_RECIPE_RECIPE, IDS_COL_RECIPE_TITLE, 0};
    CString columnList;
    BuildQualifiedColumnList(columnList, IDS_TBL_RECIPE, kColumns);
    CString quantityToRecipe;
    BuildJoinCondition(quantityToRecipe, IDS_TBL_QUANTITY, IDS_COL_QUANTITY_RECIPE, IDS_TBL_RECIPE,
                       IDS_COL_RECIPE_RECIPE);
    CString ingredientToQuantity;
    BuildJoinCondition(ingredientToQuantity, IDS_TBL_INGREDNT, IDS_COL_INGREDNT_INGREDIENT, IDS_TBL_QUANTITY,
                       IDS_COL_QUANTITY_ITEM);
    CString categoryToIngredient;
    BuildJoinCondition(categoryToIngredient, IDS_TBL_ING_CAT_ITEM, IDS_COL_CAT_ITEM_ITEM, IDS_TBL_INGREDNT,
                       IDS_COL_INGREDNT_INGREDIENT);
    CString ingredientLines;
    BuildColumnCondition(ingredientLines, IDS_TBL_QUANTITY, IDS_COL_QUANTITY_TYPE, "I");
    CString inCategory;
    BuildIdCondition(inCategory, IDS_TBL_ING_CAT_ITEM, IDS_COL_CAT_ITEM_CATID, categoryId);
    const CString sql = "SELECT " + columnList + " FROM " + LoadSchemaText(IDS_TBL_ING_CAT_ITEM) + " INNER JOIN (" +
                        LoadSchemaText(IDS_TBL_INGREDNT) + " INNER JOIN (" + LoadSchemaText(IDS_TBL_QUANTITY) +
                        " INNER JOIN " + LoadSchemaText(IDS_TBL_RECIPE) + " ON " + quantityToRecipe + ") ON " +
                        ingredientToQuantity + ") ON " + categoryToIngredient + " WHERE ((" + ingredientLines +
                        ") AND (" + inCategory + "));";
    CStringList columns;
    AddColumns(columns, {IDS_COL_RECIPE_RECIPE, IDS_COL_RECIPE_TITLE});
    if (!OpenWorkSelect(sql, &columns))
        return FALSE;
    for (; !m_pWorkRecordset->IsEOF(); m_pWorkRecordset->MoveNext())
    {
        // By position: drivers name a qualified result column differently.
        auto* pItem = new CRecipeListItem;
        GetFieldValueLong(*m_pWorkRecordset->GetColumn(0), pItem->m_id);
        pItem->m_name = m_pWorkRecordset->GetColumn(1)->m_strText;
        void* pEarlier = nullptr;
        if (map.Lookup(pItem->m_id.GetText(), pEarlier))
            delete static_cast<CRecipeListItem*>(pEarlier);
        map.SetAt(pItem->m_id.GetText(), pItem);
    }
    m_pWorkRecordset->Close();
    return TRUE;
}

namespace {

// Runs the open parameter query once per id, adding each recipe id found as a key of map.
BOOL ReadRecipesUsing(CPortRecordset& recordset, const CStringList& ingredientIds, CMapStringToPtr& map)
{
    for (POSITION position = ingredientIds.GetHeadPosition(); position != nullptr;)
    {
        const CString& id = ingredientIds.GetNext(position);
        if (id.IsEmpty())
            continue;
        recordset.m_strParam = id;
        if (!recordset.OpenOrRequery(recordset.m_strTable, recordset.m_strQuery, CRecordset::readOnly))
            return FALSE;
        for (; !recordset.IsEOF(); recordset.MoveNext())
        {
            CString recipe;
            recordset.GetFieldText(IDS_COL_QUANTITY_RECIPE, recipe);
            map.SetAt(recipe, nullptr);
        }
    }
    return TRUE;
}

}  // namespace

// An empty list of ids runs no statement: the result says whether the map already held ids.
BOOL CCookbookDatabase::FindRecipesUsingItem(const CStringList& ingredientIds, CMapStringToPtr& map)
{
    if (ingredientIds.IsEmpty())
        return !map.IsEmpty();
    CStringList columns;
    AddColumns(columns, {IDS_COL_QUANTITY_ITEM, IDS_COL_QUANTITY_RECIPE});
    const CString condition =
        LoadSchemaText(IDS_COL_QUANTITY_TYPE) + "='I' AND " + LoadSchemaText(IDS_COL_QUANTITY_ITEM) + "=?";
    const CString sql = BuildSelect(LoadSchemaText(IDS_TBL_QUANTITY), &columns, condition);
    CPortRecordset& recordset = *m_pWorkRecordset;
    if (recordset.IsOpen())
        recordset.Close();
    recordset.m_nParams = 1;
    recordset.m_strParam = "000000";
    const BOOL opened = recordset.OpenTable(LoadSchemaText(IDS_TBL_QUANTITY), sql, &columns);
    const BOOL found = opened && ReadRecipesUsing(recordset, ingredientIds, map);
    if (recordset.IsOpen())
        recordset.Close();
    recordset.m_nParams = 0;
    return found && !map.IsEmpty();
}
