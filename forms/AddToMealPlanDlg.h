#pragma once

#include "database/MenuItem.h"
#include "forms/MealPlanChoiceDlg.h"
#include "forms/NumericSpinEdit.h"

// Add To Meal Plan: the plan, day and meal for an item about to be added to a meal plan. On OK
// the plan is the form manager's current meal plan and the item carries the day and meal.
class CAddToMealPlanDlg : public CMealPlanChoiceDlg
{
public:
    // item: text, type and id filled by the caller; the dialog sets its meal and day.
    CAddToMealPlanDlg(CMenuItem& item, CWnd* pParent);

    BOOL OnInitDialog() override;
    void OnOK() override;

    // The day and meal chosen last, offered at the next opening.
    static WORD GetLastDay() { return s_lastDay; }
    static WORD GetLastMeal() { return s_lastMeal; }

protected:
    DECLARE_MESSAGE_MAP()
    void OnMealChosen();
    void OnDayChange();
    void OnSpinDeltaPos(tagNMHDR* pHeader, LRESULT* pResult);
    BOOL AcceptFoundPlan(const CRecordId& id) override;

private:
    void FillMeals();

    CMenuItem& m_item;
    CNumericSpinEdit m_dayEdit;
    static WORD s_lastDay;
    static WORD s_lastMeal;
};
