#include "shopping/ListNameCombo.h"

#include "framework/ComboBox.h"
#include "framework/String.h"
#include "shell/services/DiskSpace.h"

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
