#include "forms/MealPlanCombo.h"

#include "database/BrowseState.h"
#include "database/CookbookDatabase.h"
#include "database/CustObArray.h"
#include "database/ListItem.h"
#include "framework/ComboBox.h"
#include "framework/String.h"
#include "shell/services/CurrentDatabase.h"

namespace {

const CCustObArray* MealPlanList(int nListKey)
{
    if (nListKey == 1)
        return g_pBrowseState != nullptr ? g_pBrowseState->GetMenuList() : nullptr;
    CCookbookDatabase* pDatabase = GetCurrentDatabase();
    return pDatabase != nullptr ? &pDatabase->GetMenuList() : nullptr;
}

}  // namespace

// The rows keep the list's order (the combo is not sorted).
int FillMealPlanCombo(CComboBox& combo, const CRecordId& currentId, int nListKey)
{
    combo.ResetContent();
    const CCustObArray* pPlans = MealPlanList(nListKey);
    if (pPlans == nullptr)
        return -1;
    int nSelected = -1;
    for (int i = 0; i < pPlans->GetSize(); ++i)
    {
        const auto* pPlan = static_cast<const CListItem*>(pPlans->GetItemAt(i));
        const int nRow = combo.AddString(pPlan->m_name);
        combo.SetItemData(nRow, static_cast<DWORD_PTR>(pPlan->m_id.GetNumber()));
        if (pPlan->m_id == currentId)
            nSelected = nRow;
    }
    combo.SetCurSel(nSelected);
    return nSelected;
}

CRecordId GetSelectedMealPlanId(const CComboBox& combo, const CString& name)
{
    for (int nRow = 0; nRow < combo.GetCount(); ++nRow)
    {
        CString text;
        combo.GetLBText(nRow, text);
        if (text.CompareNoCase(name) == 0)
            return CRecordId(static_cast<unsigned long>(combo.GetItemData(nRow)));
    }
    return CRecordId("000000");
}
