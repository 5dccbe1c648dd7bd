#pragma once

#include <array>

#include "database/Nutrition.h"
#include "res/resource.h"

// An edit field of a nutrient amount and the amount it shows.
struct NutrientField
{
    int nId;
    NUTRITION::Amount amount;
};

// The nutrient amount fields of the dialogs that edit a profile; they share every field but
// their own calcium and sugars ones.
constexpr std::array<NutrientField, 13> NutrientFields(int nCalciumId, int nSugarsId)
{
    return {{
        {IDC_NUTRIENT_PROTEIN, NUTRITION::Protein},
        {IDC_NUTRIENT_CARBOHYDRATE, NUTRITION::Carbohydrate},
        {IDC_NUTRIENT_ALCOHOL, NUTRITION::Alcohol},
        {IDC_NUTRIENT_TOTAL_FAT, NUTRITION::TotalFat},
        {IDC_NUTRIENT_SATURATED_FAT, NUTRITION::SaturatedFat},
        {IDC_NUTRIENT_CHOLESTEROL, NUTRITION::Cholesterol},
        {IDC_NUTRIENT_SODIUM, NUTRITION::Sodium},
        {IDC_NUTRIENT_IRON, NUTRITION::Iron},
        {IDC_NUTRIENT_VITAMIN_C, NUTRITION::VitaminC},
        {IDC_NUTRIENT_VITAMIN_A, NUTRITION::VitaminA},
        {IDC_NUTRIENT_FIBRE, NUTRITION::Fibre},
        {nCalciumId, NUTRITION::Calcium},
        {nSugarsId, NUTRITION::Sugars},
    }};
}
