#include "database/MenuNutritionTotal.h"

void CMenuNutritionTotal::AddRecipe(WORD day, const NUTRITION& perServing)
{
    m_total.Add(perServing);
    m_days.insert(day);
}

NUTRITION CMenuNutritionTotal::GetPerDay() const
{
    NUTRITION perDay(m_total);
    perDay.DivideBy(static_cast<int>(m_days.size()));
    perDay.Recalculate();
    return perDay;
}
