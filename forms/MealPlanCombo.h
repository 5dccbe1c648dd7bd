#pragma once

#include "database/RecordId.h"

class CComboBox;
class CString;

// The meal-plan combo of the meal-plan dialogs: each plan's name with its numeric record id as
// item data. nListKey 0 lists every meal plan of the cookbook, 1 the browse state's meal-plan
// list. Selects the plan of currentId and returns its row, or -1.
int FillMealPlanCombo(CComboBox& combo, const CRecordId& currentId, int nListKey);
// The record id of the first row named name, letter case ignored; "000000" when none is.
CRecordId GetSelectedMealPlanId(const CComboBox& combo, const CString& name);
