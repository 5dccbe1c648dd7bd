// The import steps of the engine: what a source offers, and one recipe with its ingredient
// lines, their ingredients, embedded recipes, basic ingredients and nutrition.
#include "exchange/Arbiter.h"

#include "database/CharTranslation.h"
#include "database/CookbookDatabase.h"
#include "database/FieldValue.h"
#include "database/IngData.h"
#include "database/Nutrition.h"
#include "database/RecipeData.h"
#include "database/TimeText.h"
#include "exchange/RecipeImporter.h"
#include "exchange/RecipeLinkSteps.h"
#include "exchange/SourceCookbook.h"
#include "exchange/SourceRecordset.h"
#include "res/resource.h"

namespace {

// Field positions of the configured tables.
enum ChapterPosition
{
    kChapterId = 0,
    kChapterTitle = 1
};
enum RecipePosition
{
    kRecipeChapter = 0,
    kRecipeId = 1,
    kRecipeTitle = 3,
    kRecipeSubtitle = 4,
    kRecipeServings = 5,
    kRecipeYieldUnit = 6,
    kRecipeCost = 7,
    kRecipeCostUnit = 8,
    kRecipePrepHours = 10,
    kRecipeCookHours = 12,
    kRecipeStandHours = 14,
    kRecipeSource = 16,
    kRecipeOriginal = 17,
    kRecipePage = 18,
    kRecipeIntro = 19,
    kRecipeDirections = 21,
    kRecipeDate = 22
};
enum QuantityPosition
{
    kQuantityLine = 0,
    kQuantityRecipe = 1,
    kQuantityType = 2,
    kQuantityItem = 3,
    kQuantityLargest = 4,
    kQuantitySmallest = 5,
    kQuantityUnit = 6,
    kQuantityPreparation = 7,
    kQuantityOptional = 8,
    kQuantitySwitch = 9
};
enum IngredientPosition
{
    kIngredientId = 0,
    kIngredientName = 1,
    kIngredientPlural = 2,
    kIngredientWeight = 5
};
// Category items (type I: an ingredient filed under a basic ingredient) and both category tables.
enum CategoryPosition
{
    kCatItemCategory = 1,
    kCatItemType = 2,
    kCatItemItem = 3,
    kCategoryId = 0,
    kCategoryName = 2
};
const int kNutritionIngredient = 1;
struct NutrientPosition
{
    int position;
    NUTRITION::Amount amount;
};
const NutrientPosition kNutrients[] = {
    {5, NUTRITION::Carbohydrate}, {6, NUTRITION::Alcohol},      {7, NUTRITION::Protein}, {8, NUTRITION::TotalFat},
    {9, NUTRITION::SaturatedFat}, {10, NUTRITION::Cholesterol}, {11, NUTRITION::Sodium}, {12, NUTRITION::Iron},
    {13, NUTRITION::VitaminC},    {14, NUTRITION::VitaminA},    {15, NUTRITION::Fibre}};
const int kNutritionUnitType = 16;
const int kNutritionUnitQuantity = 17;

template <class Number, void (*Convert)(const CFieldValue&, Number&)>
Number Read(const CSourceRecordset& table, int position)
{
    CFieldValue value;
    table.ReadPosition(position, value);
    Number number = 0;
    Convert(value, number);
    return number;
}

double ReadDouble(const CSourceRecordset& table, int position)
{
    return Read<double, GetFieldValueDouble>(table, position);
}

int ReadInt(const CSourceRecordset& table, int position)
{
    return Read<int, GetFieldValueInt>(table, position);
}

float ReadFloat(const CSourceRecordset& table, int position)
{
    return Read<float, GetFieldValueFloat>(table, position);
}

CString ReadText(const CSourceRecordset& table, int position)
{
    CFieldValue value;
    table.ReadPosition(position, value);
    if (!CFieldValue::IsIntegerType(value.m_nSqlType) && !CFieldValue::IsFloatType(value.m_nSqlType))
        return value.m_strText;
    CString text;
    text.Format("%g", ReadDouble(table, position));
    return text;
}

// "000000" for an id no record id holds.
CRecordId ReadId(const CSourceRecordset& table, int position)
{
    CFieldValue value;
    table.ReadPosition(position, value);
    CRecordId id;
    if (!CArbiter::ReadSourceId(value, id))
        return CRecordId();
    return id;
}

CString ReadTime(const CSourceRecordset& table, int hoursPosition)
{
    return FormatTimeText(ReadInt(table, hoursPosition), ReadInt(table, hoursPosition + 1));
}

// Moves to the rows whose column at the position equals the value; FALSE when the position is
// bound to no column.
BOOL Seek(CSourceRecordset& table, int position, const CString& value)
{
    if (!table.IsPositionBound(position) || !table.SetFilter(table.GetPositionColumn(position) + "=?"))
        return FALSE;
    table.SetParameters({value});
    table.Requery();
    return TRUE;
}

template <class Step>
BOOL ForEachLine(CCustObList& lines, const char* lineType, Step step)
{
    for (POSITION position = lines.GetHeadPosition(); position != nullptr;)
    {
        auto* pLine = static_cast<CIngData*>(lines.GetNext(position));
        if ((lineType == nullptr || pLine->m_lineType == lineType) && !step(*pLine))
            return FALSE;
    }
    return TRUE;
}

CString LoadText(UINT id)
{
    CString text;
    text.LoadString(id);
    return text;
}

}  // namespace

CCustObArray& CArbiter::LoadChapters()
{
    m_chapters.DeleteAll();
    if (IsOwnSchema())
    {
        if (m_pSourceCookbook != nullptr)
            m_pSourceCookbook->LoadChapters(m_chapters);
        return m_chapters;
    }
    CSourceRecordset* pChapters = GetSourceTable(kChapter);
    if (pChapters == nullptr || !pChapters->SetFilter(CString()))
        return m_chapters;
    for (pChapters->Requery(); !pChapters->IsEOF(); pChapters->MoveNext())
    {
        CFieldValue id;
        CRecordId chapterId;
        pChapters->ReadPosition(kChapterId, id);
        if (ReadSourceId(id, chapterId))
            m_chapters.Add(new TOCListItem(ReadText(*pChapters, kChapterTitle), chapterId.GetNumber(), 'T'));
    }
    return m_chapters;
}

BOOL CArbiter::ListRecipes(CStringArray& titles, std::vector<unsigned long>& ids, const CRecordId* pChapter)
{
    const CRecordId chapter = pChapter != nullptr ? *pChapter : CRecordId();
    if (IsListed(chapter))
        return TRUE;
    titles.RemoveAll();
    ids.clear();
    m_unlisted.RemoveAll();
    if (IsOwnSchema())
    {
        if (m_pSourceCookbook == nullptr || chapter == 0UL || !m_pSourceCookbook->ListRecipes(chapter, titles, ids))
            return FALSE;
    }
    else
    {
        CSourceRecordset* pRecipes = GetSourceTable(kRecipe);
        if (pRecipes == nullptr || ReportProgress(LoadText(IDS_LOADING_RECIPE_TITLES), 1) != 0)
            return FALSE;
        if (chapter == 0UL ? !pRecipes->SetFilter(CString()) : !Seek(*pRecipes, kRecipeChapter, chapter.GetText()))
            return FALSE;
        for (pRecipes->Requery(); !pRecipes->IsEOF(); pRecipes->MoveNext())
        {
            const CString title = ReadText(*pRecipes, kRecipeTitle);
            if (ReportProgress("Recipe: " + title, 2) != 0)
                return FALSE;
            CFieldValue value;
            CRecordId id;
            pRecipes->ReadPosition(kRecipeId, value);
            if (!ReadSourceId(value, id))
            {
                m_unlisted.Add(title);
                continue;
            }
            titles.Add(title);
            ids.push_back(static_cast<unsigned long>(id.GetNumber()));
        }
    }
    m_bListed = TRUE;
    m_listedChapter = chapter;
    return TRUE;
}

BOOL CArbiter::ImportRecipeById(unsigned long sourceNumber, CRecipeData& recipe)
{
    if (m_pTarget == nullptr)
        return FALSE;
    if (IsOwnSchema())
        return ImportOwnSchemaRecipe(CRecordId(sourceNumber), recipe);
    CSourceRecordset* pRecipes = GetSourceTable(kRecipe);
    return pRecipes != nullptr && Seek(*pRecipes, kRecipeId, CRecordId(sourceNumber).GetText()) && !pRecipes->IsEOF() &&
           ReadRecipe(*pRecipes, recipe);
}

BOOL CArbiter::ImportRecipeByName(const CString& title, CRecipeData& recipe)
{
    CSourceRecordset* pRecipes = GetSourceTable(kRecipe);
    if (m_pTarget == nullptr || pRecipes == nullptr)
        return FALSE;
    // Titles are stored as the source program stores them.
    CString stored = title;
    if (m_driverId == IDS_DRIVER_FOXPRO)
        TranslateCharsByTable(stored);
    return Seek(*pRecipes, kRecipeTitle, stored) && !pRecipes->IsEOF() && ReadRecipe(*pRecipes, recipe);
}

BOOL CArbiter::ReadRecipe(CSourceRecordset& recipes, CRecipeData& recipe)
{
    const CRecordId sourceId = ReadId(recipes, kRecipeId);
    recipe.m_title = ReadText(recipes, kRecipeTitle);
    recipe.m_subtitle = ReadText(recipes, kRecipeSubtitle);
    recipe.m_servings = static_cast<WORD>(ReadInt(recipes, kRecipeServings));
    recipe.m_yieldUnit = ReadText(recipes, kRecipeYieldUnit);
    recipe.m_cost = ReadDouble(recipes, kRecipeCost);
    recipe.m_costUnit = ReadText(recipes, kRecipeCostUnit);
    recipe.m_prepTime = ReadTime(recipes, kRecipePrepHours);
    recipe.m_cookTime = ReadTime(recipes, kRecipeCookHours);
    recipe.m_standTime = ReadTime(recipes, kRecipeStandHours);
    recipe.m_source = ReadText(recipes, kRecipeSource);
    recipe.m_original = ReadText(recipes, kRecipeOriginal);
    recipe.m_page = ReadText(recipes, kRecipePage);
    recipe.m_intro = ReadText(recipes, kRecipeIntro);
    recipe.m_directions = ReadText(recipes, kRecipeDirections);
    recipe.m_date = ReadText(recipes, kRecipeDate);
    recipe.GetNutrition();
    if (ReportProgress("Retrieving Ingredient Info...", 2) != 0)
        return FALSE;

    m_recipesInReading.insert(sourceId.GetNumber());
    CCustObList& lines = recipe.m_lines;
    lines.DeleteAll();
    const BOOL read = ImportQuantities(sourceId, lines) && ImportIngredients(lines) && ImportEmbeddedRecipes(lines) &&
                      ImportBasicIngredients(lines) && ImportNutrition(lines) && StoreIngredients(lines) &&
                      ImportLinks(sourceId, recipe) && ImportLinkedRecipes(lines);
    m_recipesInReading.erase(sourceId.GetNumber());
    if (!read)
        return FALSE;
    recipe.m_recipeId = CRecordId();
    PlaceInChapter(recipe);
    return TRUE;
}

void CArbiter::PlaceInChapter(CRecipeData& recipe) const
{
    recipe.m_chapterId = m_chapterItem.m_id;
    recipe.m_chapterTitle = m_chapterItem.m_name;
}

// A recipe without lines in the source comes without lines.
BOOL CArbiter::ImportQuantities(const CRecordId& recipeId, CCustObList& lines)
{
    CSourceRecordset* pQuantities = GetSourceTable(kQuantity);
    if (pQuantities == nullptr)
        return TRUE;
    if (!pQuantities->IsPositionBound(kQuantityLine) || !Seek(*pQuantities, kQuantityRecipe, recipeId.GetText()))
        return FALSE;
    for (; !pQuantities->IsEOF(); pQuantities->MoveNext())
    {
        auto* pLine = new CIngData;
        pLine->m_lineType = ReadText(*pQuantities, kQuantityType);
        if (pLine->m_lineType.IsEmpty())
            pLine->m_lineType = "I";
        pLine->m_itemId = ReadId(*pQuantities, kQuantityItem);
        pLine->m_maxQty = ReadDouble(*pQuantities, kQuantityLargest);
        pLine->m_minQty = ReadDouble(*pQuantities, kQuantitySmallest);
        pLine->m_unitId = ReadId(*pQuantities, kQuantityUnit);
        pLine->m_preparation = ReadText(*pQuantities, kQuantityPreparation);
        pLine->m_optional = ReadInt(*pQuantities, kQuantityOptional);
        pLine->m_switch = ReadInt(*pQuantities, kQuantitySwitch);
        lines.AddTail(pLine);
    }
    return TRUE;
}

BOOL CArbiter::ImportIngredients(CCustObList& lines)
{
    CSourceRecordset* pIngredients = GetSourceTable(kIngredient);
    if (pIngredients == nullptr)
        return TRUE;
    return ForEachLine(lines, "I", [&](CIngData& line) {
        if (!Seek(*pIngredients, kIngredientId, line.m_itemId.GetText()))
            return FALSE;
        if (!pIngredients->IsEOF())
        {
            line.m_name = ReadText(*pIngredients, kIngredientName);
            line.m_plural = ReadText(*pIngredients, kIngredientPlural);
            line.m_fractional = ReadDouble(*pIngredients, kIngredientWeight);
        }
        return TRUE;
    });
}

BOOL CArbiter::ImportEmbeddedRecipes(CCustObList& lines)
{
    CSourceRecordset* pRecipes = GetSourceTable(kRecipe);
    if (pRecipes == nullptr)
        return TRUE;
    return ForEachLine(lines, "R", [&](CIngData& line) {
        if (!Seek(*pRecipes, kRecipeId, line.m_itemId.GetText()))
            return FALSE;
        if (!pRecipes->IsEOF())
            line.m_name = ReadText(*pRecipes, kRecipeTitle);
        return TRUE;
    });
}

// The source files an ingredient under its basic ingredient as a category item; the target
// knows the basic ingredient by name.
BOOL CArbiter::ImportBasicIngredients(CCustObList& lines)
{
    CSourceRecordset* pItems = GetSourceTable(kCatItem);
    if (pItems == nullptr)
        return TRUE;
    if (!pItems->IsPositionBound(kCatItemType) || !pItems->IsPositionBound(kCatItemItem) ||
        !pItems->SetFilter(pItems->GetPositionColumn(kCatItemType) + "='I' AND " +
                           pItems->GetPositionColumn(kCatItemItem) + "=?"))
        return FALSE;
    return ForEachLine(lines, "I", [&](CIngData& line) {
        pItems->SetParameters({line.m_itemId.GetText()});
        pItems->Requery();
        line.m_basicItemId = CRecordId();
        line.m_basicItemName.Empty();
        if (!pItems->IsEOF())
        {
            line.m_basicItemId = ReadId(*pItems, kCatItemCategory);
            line.m_basicItemName = ReadCategoryName(line.m_basicItemId);
        }
        return TRUE;
    });
}

CString CArbiter::ReadCategoryName(const CRecordId& categoryId)
{
    CSourceRecordset* pCategories = GetSourceTable(kCategory);
    if (pCategories == nullptr)
        pCategories = GetSourceTable(kHiCat);
    if (pCategories == nullptr || !Seek(*pCategories, kCategoryId, categoryId.GetText()) || pCategories->IsEOF())
        return CString();
    return ReadText(*pCategories, kCategoryName);
}

BOOL CArbiter::ImportNutrition(CCustObList& lines)
{
    CSourceRecordset* pNutrition = GetSourceTable(kNutrition);
    if (pNutrition == nullptr)
        return TRUE;
    return ForEachLine(lines, "I", [&](CIngData& line) {
        if (!Seek(*pNutrition, kNutritionIngredient, line.m_itemId.GetText()))
            return FALSE;
        if (pNutrition->IsEOF())
            return TRUE;
        NUTRITION& profile = *line.GetNutrition();
        for (const NutrientPosition& nutrient : kNutrients)
            profile.m_amount[nutrient.amount] = ReadFloat(*pNutrition, nutrient.position);
        profile.m_unitType = ReadFloat(*pNutrition, kNutritionUnitType);
        profile.m_unitQuantity = ReadFloat(*pNutrition, kNutritionUnitQuantity);
        profile.Recalculate();
        return TRUE;
    });
}

BOOL CArbiter::StoreIngredients(CCustObList& lines)
{
    const BOOL stored = ForEachLine(lines, "I", [&](CIngData& line) {
        line.m_basicItemId = m_pTarget->FindBasicItem(line.m_basicItemName);
        return m_pTarget->StoreIngredient(line);
    });
    m_pTargetDatabase->CloseRecordsets();
    return stored;
}

BOOL CArbiter::ImportLinks(const CRecordId& sourceId, CRecipeData& recipe)
{
    switch (m_sourceKind)
    {
    case IDS_SOURCE_PANTRIX_IMPORT:
    case IDS_SOURCE_PANTRIX_MASTER:
    case IDS_SOURCE_BREVANA_IMPORT:
    case IDS_SOURCE_BREVANA_MASTER:
    case IDS_SOURCE_TABLEWISE_IMPORT: return m_pLinkSteps == nullptr || m_pLinkSteps->ImportLinks(sourceId, recipe);
    default: return FALSE;
    }
}

// A recipe used as an ingredient is read too, so that its own ingredients and categories reach
// the target; one already being read (a recipe that uses itself, directly or not) is not read
// again. The line then names the target's recipe of that title, or becomes a text line.
BOOL CArbiter::ImportLinkedRecipes(CCustObList& lines)
{
    return ForEachLine(lines, "R", [&](CIngData& line) {
        if (m_recipesInReading.count(line.m_itemId.GetNumber()) == 0)
        {
            CRecipeData linked;
            linked.m_recipeId = line.m_itemId;
            if (!ImportRecipeByName(line.m_name, linked) && m_pImporter != nullptr &&
                m_pImporter->GetStatus() == CRecipeImporter::kAborted)
                return FALSE;
        }
        m_pTarget->ResolveRecipeLine(line);
        return TRUE;
    });
}

BOOL CArbiter::ImportOwnSchemaRecipe(const CRecordId& sourceId, CRecipeData& recipe)
{
    if (m_pSourceCookbook == nullptr || !m_pSourceCookbook->ImportRecipe(sourceId, recipe, *m_pTarget))
        return FALSE;
    m_pTargetDatabase->CloseRecordsets();
    PlaceInChapter(recipe);
    return m_pLinkSteps == nullptr || m_pLinkSteps->CopyPhotos(recipe.m_links);
}
