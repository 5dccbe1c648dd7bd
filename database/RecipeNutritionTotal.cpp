#include "database/RecipeNutritionTotal.h"

#include "database/IngData.h"
#include "database/RecipeData.h"

CRecipeNutritionTotal::CRecipeNutritionTotal(const CRecipeData& recipe)
    : m_servings(recipe.m_servings)
{
    m_unmatchedLines.reserve(static_cast<std::size_t>(recipe.m_lines.GetCount()));
    for (POSITION position = recipe.m_lines.GetHeadPosition(); position != nullptr;)
        if (const auto* pLine = static_cast<const CIngData*>(recipe.m_lines.GetNext(position)))
            m_unmatchedLines.push_back(pLine);
}

void CRecipeNutritionTotal::AddIngredientRow(const char* itemId, const NUTRITION& storedProfile)
{
    if (!*itemId || CRecordId(itemId) == 0UL)
        return;
    const CIngData* pLine = TakeLineFor(itemId);
    if (pLine == nullptr || pLine->m_optional)
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

const CIngData* CRecipeNutritionTotal::TakeLineFor(const char* itemId)
{
    for (auto line = m_unmatchedLines.begin(); line != m_unmatchedLines.end(); ++line)
        if ((*line)->m_itemId == itemId)
        {
            const CIngData* pLine = *line;
            m_unmatchedLines.erase(line);
            return pLine;
        }
    return nullptr;
}
