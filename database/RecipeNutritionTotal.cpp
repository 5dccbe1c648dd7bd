#include "database/RecipeNutritionTotal.h"

#include "database/IngData.h"
#include "database/RecipeData.h"

#include <memory>

CRecipeNutritionTotal::CRecipeNutritionTotal(const CRecipeData& recipe)
    : m_unmatchedLines(recipe.m_lines), m_servings(recipe.m_servings)
{
}

void CRecipeNutritionTotal::AddIngredientRow(const char* itemId, const NUTRITION& storedProfile)
{
    if (!*itemId || CRecordId(itemId) == 0UL)
        return;
    std::unique_ptr<CIngData> pLine(TakeLineFor(itemId));
    if (!pLine || pLine->m_optional)
        return;
    NUTRITION lineTotal(storedProfile);
    if (storedProfile.m_unitQuantity == 0.0f)
        lineTotal.SetAll(0.0);
    else
        lineTotal.MultiplyBy(static_cast<double>(pLine->GetNutritionFactor()));
    m_total.Add(lineTotal);
}

void CRecipeNutritionTotal::AddEmbeddedRecipe(const CIngData& line, const NUTRITION& wholeRecipe)
{
    NUTRITION lineTotal(wholeRecipe);
    lineTotal.MultiplyBy(line.m_minQty);
    m_total.Add(lineTotal);
}

bool CRecipeNutritionTotal::IsCountedEmbeddedRecipe(const CIngData& line)
{
    return line.m_lineType == "R" && !line.m_optional;
}

NUTRITION CRecipeNutritionTotal::GetPerServing() const
{
    NUTRITION perServing(m_total);
    if (m_servings != 0)
        perServing.DivideBy(static_cast<int>(m_servings));
    perServing.Recalculate();
    return perServing;
}

CIngData* CRecipeNutritionTotal::TakeLineFor(const char* itemId)
{
    for (POSITION position = m_unmatchedLines.GetHeadPosition(); position;)
    {
        POSITION current = position;
        CIngData* pLine = static_cast<CIngData*>(m_unmatchedLines.GetNext(position));
        if (pLine && pLine->m_itemId == itemId)
        {
            m_unmatchedLines.RemoveAt(current);
            return pLine;
        }
    }
    return nullptr;
}
