#pragma once

#include "printing/ReportJob.h"

class CMenuData;
class CRecipeList;
class CRecordId;
class NUTRITION;

// Writes a nutrient profile (a recipe's, a meal plan's, a recipe list's total or an empty
// label) as a nutrition-facts panel with daily values, as a wide table or as a short list.
class CNutritionReport : public CReportJob
{
public:
    explicit CNutritionReport(CPageFormatter* pOutput);

    // Writes nothing when the recipe does not load.
    void WriteRecipeNutrition(const CRecordId& recipeId);
    // The summed profiles of the list's recipes.
    void WriteListNutrition(const CRecipeList& list);
    // Writes nothing when the meal plan has no profile.
    void WriteMealPlanNutrition(CMenuData& menu);
    // A zeroed panel to fill in by hand.
    void WriteBlankLabel();
    // nPanel != 0: the facts panel; 0: the short list.
    void WriteNutritionLabel(const NUTRITION& profile, int nPanel);
    // nPanel != 0: the wide table; 0: the short list.
    void WriteNutritionTable(const NUTRITION& profile, int nPanel);

    // A profile that is a day's total, or a meal plan with items on days, is headed per day.
    void SetPerDay(bool bPerDay) { m_perDay = bPerDay; }
    void SetScheduled(bool bScheduled) { m_scheduled = bScheduled; }
    // The format of a profile written on its own: tab columns in the nutrition style.
    void SetColumnsFormat();

private:
    void WritePanel(const NUTRITION& profile);
    void WriteWideTable(const NUTRITION& profile);
    void WriteShortList(const NUTRITION& profile);
    void WriteAmountHeading();
    void WriteNutrientRows(const NUTRITION& profile);
    void SetBold(bool bBold);
    void SetTabColumns();

    bool m_perDay;
    bool m_scheduled;
};
