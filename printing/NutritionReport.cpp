#include "printing/NutritionReport.h"

#include "database/CookbookDatabase.h"
#include "database/MenuData.h"
#include "database/Nutrition.h"
#include "database/RecipeData.h"
#include "database/RecipeList.h"
#include "database/RecipeListItem.h"
#include "printing/PageFormatter.h"
#include "shell/services/CurrentDatabase.h"

namespace {

const int kLineBufferSize = 2000;
const BYTE kLoadNutrition = CRecipeData::kLoadNutrition;
const int kNutritionStyle = 12;
const int kColumnsIndent = 4;

// Percent of the daily value per unit of each amount.
const double kTotalFatDaily = 1.5384616;
const double kSaturatedFatDaily = 5.0;
const double kCholesterolDaily = 0.33333334;
const double kSodiumDaily = 0.041666668;
const double kCarbohydrateDaily = 0.33333334;
const double kFibreDaily = 4.0;
const double kVitaminADaily = 100 * 0.0002;
const double kVitaminCDaily = 100 * 0.016666668;
const double kCalciumDaily = 100 * 0.001;
const double kIronDaily = 100 * 0.055555556;
const double kCaloriesPerGramFat = 9.0;

double Amount(const NUTRITION& profile, NUTRITION::Amount amount)
{
    return profile.m_amount[amount];
}

double Share(const NUTRITION& profile, NUTRITION::Share share)
{
    return profile.m_share[share];
}

NUTRITION ZeroedProfile()
{
    NUTRITION profile;
    profile.SetAll(0.0);
    return profile;
}

void Finish(NUTRITION& profile)
{
    profile.Recalculate();
    profile.Sanitize();
}

}  // namespace

CNutritionReport::CNutritionReport(CPageFormatter* pOutput)
    : CReportJob(pOutput, kLineBufferSize), m_perDay(false), m_scheduled(false)
{
}

void CNutritionReport::WriteRecipeNutrition(const CRecordId& recipeId)
{
    CRecipeData recipe;
    recipe.m_recipeId = recipeId;
    if (GetCurrentDatabase()->LoadRecipe(&recipe, kLoadNutrition) != 0)
        return;
    SetColumnsFormat();
    WritePanel(*recipe.GetNutrition());
}

void CNutritionReport::WriteListNutrition(const CRecipeList& list)
{
    NUTRITION total = ZeroedProfile();
    for (int i = 0; i < list.GetSize(); ++i)
    {
        CRecipeData recipe;
        recipe.m_recipeId = list.GetRecipeAt(i)->m_id;
        if (GetCurrentDatabase()->LoadRecipe(&recipe, kLoadNutrition) == 0)
            total.Add(*recipe.GetNutrition());
    }
    Finish(total);
    SetColumnsFormat();
    WritePanel(total);
}

void CNutritionReport::WriteMealPlanNutrition(CMenuData& menu)
{
    GetCurrentDatabase()->ComputeMenuNutrition(menu);
    if (menu.m_pNutrition == nullptr)
        return;
    SetScheduled(menu.HasScheduledItems() != FALSE);
    SetColumnsFormat();
    WritePanel(*menu.m_pNutrition);
}

void CNutritionReport::WriteBlankLabel()
{
    NUTRITION blank = ZeroedProfile();
    Finish(blank);
    SetColumnsFormat();
    WritePanel(blank);
}

void CNutritionReport::WriteNutritionLabel(const NUTRITION& profile, int nPanel)
{
    if (nPanel != 0)
        WritePanel(profile);
    else
        WriteShortList(profile);
}

void CNutritionReport::WriteNutritionTable(const NUTRITION& profile, int nPanel)
{
    if (nPanel != 0)
        WriteWideTable(profile);
    else
        WriteShortList(profile);
}

void CNutritionReport::WritePanel(const NUTRITION& profile)
{
    WriteAmountHeading();
    WriteFormatted("Calories  %.0lf", static_cast<double>(profile.m_calories));
    WriteFormatted("Calories from Fat  %.0lf", Amount(profile, NUTRITION::TotalFat) * kCaloriesPerGramFat);
    WriteLine("Percent Total Calories From:", 0);
    WriteFormatted("Fat  %.0lf%%   Protein  %.0lf%%   Carb.  %.0lf%%", Share(profile, NUTRITION::FatShare),
                   Share(profile, NUTRITION::ProteinShare), Share(profile, NUTRITION::CarbohydrateShare));
    m_pOutput->WriteRule(2);
    SetTabColumns();
    WriteLine("\t\t\t\t% Daily", 0);
    WriteLine("\t\t\t\tValue", 0);
    WriteNutrientRows(profile);
    m_pOutput->WriteRule(2);
    WriteFormatted("Vitamin A  %.0lf%%\t\t\t\tVitamin C  %.0lf%%",
                   Amount(profile, NUTRITION::VitaminA) * kVitaminADaily,
                   Amount(profile, NUTRITION::VitaminC) * kVitaminCDaily);
    WriteFormatted("Calcium  %.0lf%%\t\t\t\tIron  %.0lf%%", Amount(profile, NUTRITION::Calcium) * kCalciumDaily,
                   Amount(profile, NUTRITION::Iron) * kIronDaily);
}

void CNutritionReport::WriteWideTable(const NUTRITION& profile)
{
    WriteAmountHeading();
    WriteFormatted("Calories  %.0lf        Calories from Fat  %.0lf", static_cast<double>(profile.m_calories),
                   Amount(profile, NUTRITION::TotalFat) * kCaloriesPerGramFat);
    WriteLine("Percent Total Calories From:", 0);
    WriteFormatted("Fat   %.0lf%%        Protein   %.0lf%%        Carb.  %.0lf%%", Share(profile, NUTRITION::FatShare),
                   Share(profile, NUTRITION::ProteinShare), Share(profile, NUTRITION::CarbohydrateShare));
    WriteBlankLines(1);
    SetTabColumns();
    WriteLine("Nutrient\t\tAmount per\t\t% Daily", 0);
    WriteLine("\t\tServing\t\tValue", 0);
    WriteNutrientRows(profile);
    WriteBlankLines(1);
    WriteFormatted("Vitamin A   %.0lf%%      Vitamin C   %.0lf%%      Calcium   %.0lf%%      Iron   %.0lf%%",
                   Amount(profile, NUTRITION::VitaminA) * kVitaminADaily,
                   Amount(profile, NUTRITION::VitaminC) * kVitaminCDaily,
                   Amount(profile, NUTRITION::Calcium) * kCalciumDaily, Amount(profile, NUTRITION::Iron) * kIronDaily);
}

void CNutritionReport::WriteShortList(const NUTRITION& profile)
{
    WriteFormatted(m_perDay ? "Nutrition (per day):  %.0lf calories" : "Nutrition (per serving):  %.0lf calories",
                   static_cast<double>(profile.m_calories));
    WriteFormatted("\t  Saturated fat\t%6.0lf\tg", Amount(profile, NUTRITION::SaturatedFat));
    WriteFormatted("\t  Total Fat\t    %6.0lf\tg (%.0lf%% calories)", Amount(profile, NUTRITION::TotalFat),
                   Share(profile, NUTRITION::FatShare));
    WriteFormatted("\t  Protein\t      %6.0lf\tg (%.0lf%% calories)", Amount(profile, NUTRITION::Protein),
                   Share(profile, NUTRITION::ProteinShare));
    WriteFormatted("\t  Carbohydrates\t%6.0lf\tg (%.0lf%% calories)", Amount(profile, NUTRITION::Carbohydrate),
                   Share(profile, NUTRITION::CarbohydrateShare));
    WriteBlankLines(1);
    WriteFormatted("\t  Cholesterol\t  %6.0lf\tmg", Amount(profile, NUTRITION::Cholesterol));
    WriteFormatted("\t  Fiber\t        %6.0lf\tg", Amount(profile, NUTRITION::Fibre));
    WriteFormatted("\t  Calcium\t      %6.0lf\tg", Amount(profile, NUTRITION::Calcium));
    WriteFormatted("\t  Sugars\t       %6.0lf\tg", Amount(profile, NUTRITION::Sugars));
    WriteFormatted("\t  Alcohol\t      %6.0lf\tg", Amount(profile, NUTRITION::Alcohol));
    WriteFormatted("\t  Vitamin A\t    %6.0lf\tIU", Amount(profile, NUTRITION::VitaminA));
    WriteFormatted("\t  Vitamin C\t    %6.0lf\tmg", Amount(profile, NUTRITION::VitaminC));
    WriteFormatted("\t  Sodium\t       %6.0lf\tmg", Amount(profile, NUTRITION::Sodium));
    WriteFormatted("\t  Iron\t         %6.0lf\tmg", Amount(profile, NUTRITION::Iron));
}

void CNutritionReport::WriteAmountHeading()
{
    SetBold(true);
    WriteLine(m_perDay || m_scheduled ? "Amount Per Day" : "Amount Per Serving", 0);
    SetBold(false);
}

void CNutritionReport::WriteNutrientRows(const NUTRITION& profile)
{
    const double totalFat = Amount(profile, NUTRITION::TotalFat);
    const double saturatedFat = Amount(profile, NUTRITION::SaturatedFat);
    const double cholesterol = Amount(profile, NUTRITION::Cholesterol);
    const double sodium = Amount(profile, NUTRITION::Sodium);
    const double carbohydrate = Amount(profile, NUTRITION::Carbohydrate);
    const double fibre = Amount(profile, NUTRITION::Fibre);
    WriteFormatted("Total Fat\t\t%.0lf\tg\t%.0lf%%", totalFat, totalFat * kTotalFatDaily);
    WriteFormatted("  Saturated Fat\t\t%.0lf\tg\t%.0lf%%", saturatedFat, saturatedFat * kSaturatedFatDaily);
    WriteFormatted("Cholesterol\t\t%.0lf\tmg\t%.0lf%%", cholesterol, cholesterol * kCholesterolDaily);
    WriteFormatted("Sodium\t\t%.0lf\tmg\t%.0lf%%", sodium, sodium * kSodiumDaily);
    WriteFormatted("Total Carbohydrate\t\t%.0lf\tg\t%.0lf%%", carbohydrate, carbohydrate * kCarbohydrateDaily);
    WriteFormatted("  Dietary Fiber\t\t%.0lf\tg\t%.0lf%%", fibre, fibre * kFibreDaily);
    WriteFormatted("  Sugars\t\t%.0lf\tg", Amount(profile, NUTRITION::Sugars));
    WriteFormatted("Protein\t\t%.0lf\tg", Amount(profile, NUTRITION::Protein));
}

// The emphasis and the columns change in place, so that the format a caller set for the
// section (italics, indent, style) carries through the profile.
void CNutritionReport::SetBold(bool bBold)
{
    m_pOutput->GetLineFormat().Bold = bBold ? 1 : 0;
}

void CNutritionReport::SetTabColumns()
{
    m_pOutput->GetLineFormat().Mode = CLineFormat::Columns;
    m_currentMode = CLineFormat::Columns;
}

void CNutritionReport::SetColumnsFormat()
{
    SetLineFormat(0, CLineFormat::Columns, kColumnsIndent, 100, kNutritionStyle, 0, -1);
}
