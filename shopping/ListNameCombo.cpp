#include "shopping/ListNameCombo.h"

#include <windows.h>

#include "framework/ComboBox.h"
#include "framework/String.h"
#include "res/resource.h"
#include "shell/controls/DialogControls.h"
#include "shell/services/DiskSpace.h"
#include "shopping/SelectShoppingListDlg.h"

namespace {

CString LoadText(UINT nId)
{
    CString text;
    text.LoadString(nId);
    return text;
}

}  // namespace

void FillListNameCombo(CComboBox& combo, const CString& currentName)
{
    FillComboWithFiles(combo.m_hWnd, "*.shp");
    for (int nRow = 0; nRow < combo.GetCount(); ++nRow)
    {
        CString name;
        combo.GetLBText(nRow, name);
        const int nDot = name.Find('.');
        if (nDot >= 0)
            name = name.Left(nDot);
        combo.DeleteString(static_cast<UINT>(nRow));
        combo.InsertString(nRow, name);
        if (name == currentName)
            combo.SetCurSel(nRow);
    }
}

void CheckTypedListName(CComboBox& combo)
{
    CWnd* pEdit = combo.GetWindow(GW_CHILD);
    CheckFieldLength(pEdit != nullptr ? pEdit->m_hWnd : combo.m_hWnd, CSelectShoppingListDlg::kMaxNameLength,
                     LoadText(IDS_SHOPPING_LIST_NAME_LABEL), LoadText(IDS_SHOPPING_LIST_NAME_LIMIT));
}
