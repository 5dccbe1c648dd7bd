#pragma once

#include "database/Nutrition.h"

#include <set>

// A meal plan's nutrient profile per day: one serving of each of its recipes, summed and
// divided by the number of days that hold any.
class CMenuNutritionTotal
{
public:
    void AddRecipe(WORD day, const NUTRITION& perServing);
    NUTRITION GetPerDay() const;

private:
    NUTRITION m_total;
    std::set<WORD> m_days;
};
