#pragma once

#include "framework/String.h"
#include "printing/ReportJob.h"

class CMenuData;
class CMenuItem;

// Writes a meal plan day by day: its heading, description and items, recipes as hot spots,
// with the plan's nutrition summary when the print record asks for it.
class CMealPlanReport : public CReportJob
{
public:
    explicit CMealPlanReport(CPageFormatter* pOutput);

    void SetMealPlan(CMenuData* pMenu);
    // A null meal plan returns 1; else the plan and its summary, and 0.
    int WriteMealPlan(CMenuData* pMenu, PrintPrefs* pPrefs);
    // The plan without its summary; returns 1.
    int WriteMealPlanDays(CMenuData* pMenu, PrintPrefs* pPrefs);
    // nTable != 0: the wide table; 0: the panel.
    void WriteNutritionSummary(int nTable);
    // For an editor of the plan: every item gets a line of its own carrying its index in the
    // plan, meal plans and ingredients as well as recipes and text.
    void NumberEveryItem() { m_numberEveryItem = true; }

private:
    void WriteBody();
    void WriteHeading();
    void WriteItems();
    void WriteItem(const CMenuItem& item);
    void WriteDayAndMeal(const CMenuItem& item);
    // An excluded item ending in '^' waits for the next one to continue its line.
    void WriteExcludedItem(const CMenuItem& item);
    void WritePendingExcluded();
    void WriteHotSpot(const CString& text, int nFlags, int nStyle);
    void WriteExcludedNote();

    CMenuData* m_pMenu;
    int m_previousDay;
    int m_previousMeal;
    int m_hotSpotCount;
    bool m_wroteExcluded;
    CString m_pendingExcluded;
    bool m_numberEveryItem = false;
};
