#include "printing/SpecialsReport.h"

#include "database/Nutrition.h"
#include "database/RecipeList.h"
#include "database/RecipeListItem.h"
#include "printing/NutritionReport.h"
#include "printing/PageFormatter.h"
#include "shell/settings/AppSettings.h"

namespace {

const int kHotSpotStyle = 19;

}  // namespace

CSpecialsReport::CSpecialsReport(CPageFormatter* pOutput) : CReportJob(pOutput, DefaultLineBufferSize) {}

void CSpecialsReport::WriteSpecials(const CRecipeList& list, PrintPrefs* pPrefs)
{
    LoadPrintOptions(pPrefs);
    WriteBody(list);
}

void CSpecialsReport::WriteSpecialsWithNutrition(const CRecipeList& list, PrintPrefs* pPrefs)
{
    WriteSpecials(list, pPrefs);
    if (m_pPrintRecord->MenuNutrition == 0)
        return;
    WriteBlankLines(1);
    WriteSummedNutrition(list);
}

void CSpecialsReport::WriteBody(const CRecipeList& list)
{
    SetLineFormat(CLineFormat::FlagBold, CLineFormat::Centred, 0, TitleSizePercent, 0, 0, NoStyleValue);
    WriteLine("Specials", 0);
    WriteBlankLines(0);
    for (int i = 0; i < list.GetSize(); ++i)
    {
        SetLineFormat(0, CLineFormat::Plain, 0, NormalSizePercent, kHotSpotStyle, 0, i);
        WriteLine(list.GetRecipeAt(i)->m_name, 1);
    }
    m_pOutput->WriteRule(2);
}

NUTRITION CSpecialsReport::SumNutrition(const CRecipeList& list)
{
    NUTRITION total;
    total.SetAll(0.0);
    for (int i = 0; i < list.GetSize(); ++i)
        total.Add(list.GetRecipeAt(i)->m_nutrition);
    total.Recalculate();
    total.Sanitize();
    return total;
}

void CSpecialsReport::WriteSummedNutrition(const CRecipeList& list)
{
    CNutritionReport nutrition(m_pOutput);
    nutrition.SetColumnsFormat();
    nutrition.WriteNutritionLabel(SumNutrition(list), 1);
}
