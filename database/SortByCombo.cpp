#include "database/SortByCombo.h"

#include "framework/ComboBox.h"
#include "framework/String.h"
#include "res/resource.h"

void FillSortByCombo(CComboBox& comboBox, int index)
{
    if (comboBox.GetCount() == 0)
    {
        for (UINT nId = IDS_SORT_RECIPE_NAME; nId <= IDS_SORT_COST; ++nId)
        {
            CString name;
            name.LoadString(nId);
            comboBox.AddString(name);
        }
    }
    comboBox.SetCurSel(index);
}
