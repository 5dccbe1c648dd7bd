#include "printing/MealPlanReport.h"

#include "database/CookbookDatabase.h"
#include "database/MenuData.h"
#include "database/MenuItem.h"
#include "database/Nutrition.h"
#include "printing/NutritionReport.h"
#include "printing/PageFormatter.h"
#include "res/resource.h"
#include "shell/services/CurrentDatabase.h"
#include "shell/settings/AppSettings.h"

namespace {

const int kBodyIndent = 3;

// Paragraph styles of the meal-plan lines.
const int kHotSpotStyle = 19;
const int kItemStyle = 20;
const int kExcludedStyle = 21;
const int kDayStyle = 22;
const int kMealStyle = 23;

const char kRecipeItem[] = "R";
const char kExcludedItem[] = "E";
// An excluded item ending in this continues on the line of the next excluded item.
const char kContinued = '^';

bool IsContinued(const CString& text)
{
    return !text.IsEmpty() && text[text.GetLength() - 1] == kContinued;
}

}  // namespace

CMealPlanReport::CMealPlanReport(CPageFormatter* pOutput)
    : CReportJob(pOutput, DefaultLineBufferSize), m_pMenu(nullptr), m_previousDay(0), m_previousMeal(0),
      m_hotSpotCount(0), m_wroteExcluded(false)
{
}

void CMealPlanReport::SetMealPlan(CMenuData* pMenu)
{
    m_pMenu = pMenu;
}

int CMealPlanReport::WriteMealPlan(CMenuData* pMenu, PrintPrefs* pPrefs)
{
    if (pMenu == nullptr)
        return 1;
    WriteMealPlanDays(pMenu, pPrefs);
    if (m_pPrintRecord->MenuNutrition != 0)
    {
        GetCurrentDatabase()->ComputeMenuNutrition(*m_pMenu);
        WriteBlankLines(1);
        WriteNutritionSummary(1);
    }
    return 0;
}

int CMealPlanReport::WriteMealPlanDays(CMenuData* pMenu, PrintPrefs* pPrefs)
{
    SetMealPlan(pMenu);
    LoadPrintOptions(pPrefs);
    SetLineFormat(0, CLineFormat::Plain, kBodyIndent, NormalSizePercent, 0, 0, NoStyleValue);
    WriteBody();
    return 1;
}

void CMealPlanReport::WriteNutritionSummary(int nTable)
{
    if (m_pMenu == nullptr || m_pMenu->m_pNutrition == nullptr)
        return;
    NUTRITION profile(*m_pMenu->m_pNutrition);
    profile.Sanitize();
    CNutritionReport nutrition(m_pOutput);
    nutrition.SetScheduled(m_pMenu->HasScheduledItems() != FALSE);
    nutrition.SetColumnsFormat();
    if (nTable != 0)
        nutrition.WriteNutritionTable(profile, 1);
    else
        nutrition.WriteNutritionLabel(profile, 1);
    WriteBlankLines(0);
}

void CMealPlanReport::WriteBody()
{
    WriteHeading();
    WriteItems();
    WriteBlankLines(1);
    m_pOutput->WriteRule(2);
    if (m_wroteExcluded)
        WriteExcludedNote();
}

void CMealPlanReport::WriteHeading()
{
    SetLineFormat(CLineFormat::FlagBold, CLineFormat::Centred, kBodyIndent, TitleSizePercent, 0, 0, NoStyleValue);
    WriteLine(m_pMenu->m_name, 0);
    WriteBlankLines(1);
    SetLineFormat(CLineFormat::FlagItalic, CLineFormat::Centred, kBodyIndent, NormalSizePercent, 0, 0, NoStyleValue);
    WriteTextLines(m_pMenu->m_description);
    WriteBlankLines(1);
}

void CMealPlanReport::WriteItems()
{
    m_previousDay = 0;
    m_previousMeal = 0;
    m_hotSpotCount = 0;
    m_wroteExcluded = false;
    m_pendingExcluded.Empty();
    int index = 0;
    for (POSITION at = m_pMenu->m_items.GetHeadPosition(); at != nullptr; ++index)
    {
        if (m_numberEveryItem)
            m_hotSpotCount = index;
        WriteItem(*static_cast<const CMenuItem*>(m_pMenu->m_items.GetNext(at)));
    }
    // The last excluded item may still wait for one to continue it: it is written all the same.
    if (!m_pendingExcluded.IsEmpty())
        WritePendingExcluded();
}

void CMealPlanReport::WriteItem(const CMenuItem& item)
{
    WriteDayAndMeal(item);
    if (item.m_type == kRecipeItem)
    {
        CString text;
        text.Format("%s  (%d)", static_cast<const char*>(item.m_text),
                    m_pMenu->m_servings != 0 ? m_pMenu->m_servings : item.m_servings);
        WriteHotSpot(text, 0, kHotSpotStyle);
    }
    else if (item.m_type == kExcludedItem)
        WriteExcludedItem(item);
    else
    {
        SetLineFormat(0, CLineFormat::Centred, kBodyIndent, NormalSizePercent, kItemStyle, 0,
                      m_numberEveryItem ? m_hotSpotCount : NoStyleValue);
        WriteLine(item.m_text, 0);
    }
}

void CMealPlanReport::WriteDayAndMeal(const CMenuItem& item)
{
    const int day = item.m_day == 0 && m_pMenu->HasScheduledItems() ? 1 : item.m_day;
    if (day != m_previousDay)
    {
        SetLineFormat(0, CLineFormat::Centred, kBodyIndent, NormalSizePercent, kDayStyle, 0, NoStyleValue);
        WriteFormatted("Day %d:", day);
        m_previousDay = day;
        m_previousMeal = 0;
    }
    const CStringArray& mealNames = g_pAppSettings->GetMealNames();
    if (item.m_meal != 0 && item.m_meal != m_previousMeal && item.m_meal < mealNames.GetSize())
    {
        SetLineFormat(0, CLineFormat::Centred, kBodyIndent, NormalSizePercent, kMealStyle, 0, NoStyleValue);
        WriteLine("   " + mealNames[item.m_meal], 0);
        m_previousMeal = item.m_meal;
    }
}

void CMealPlanReport::WriteExcludedItem(const CMenuItem& item)
{
    m_pendingExcluded += item.m_text;
    if (!IsContinued(item.m_text) || m_numberEveryItem)
        WritePendingExcluded();
}

void CMealPlanReport::WritePendingExcluded()
{
    WriteHotSpot(m_pendingExcluded, CLineFormat::FlagItalic, kExcludedStyle);
    m_pendingExcluded.Empty();
    m_wroteExcluded = true;
}

void CMealPlanReport::WriteHotSpot(const CString& text, int nFlags, int nStyle)
{
    SetLineFormat(nFlags, CLineFormat::Centred, kBodyIndent, NormalSizePercent, nStyle, 0, m_hotSpotCount++);
    WriteLine(text, 0);
}

void CMealPlanReport::WriteExcludedNote()
{
    CString note;
    note.LoadString(IDS_EXCLUDED_ITEMS_NOTE);
    WriteBlankLines(1);
    SetLineFormat(CLineFormat::FlagItalic, CLineFormat::Centred, kBodyIndent, NormalSizePercent, 0, 0, NoStyleValue);
    WriteLine(note, 0);
    WriteBlankLines(1);
}
