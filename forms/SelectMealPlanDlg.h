#pragma once

#include "forms/MealPlanChoiceDlg.h"

// Select Meal Plan: the meal plan the tool bar shows next. On OK it is the form manager's
// current meal plan and the current entry of the browse state's meal-plan list.
class CSelectMealPlanDlg : public CMealPlanChoiceDlg
{
public:
    explicit CSelectMealPlanDlg(CWnd* pParent = nullptr);

    BOOL OnInitDialog() override;
    void OnOK() override;

private:
    void MakeCurrent(const CRecordId& id);
};
