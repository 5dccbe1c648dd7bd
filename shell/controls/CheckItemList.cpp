#include "shell/controls/CheckItemList.h"

#include <windows.h>

#include "framework/MessageMap.h"
#include "shell/controls/CheckableItem.h"

BEGIN_MESSAGE_MAP(CCheckItemList, COwnerDrawDragList)
    ON_WM_LBUTTONDOWN()
END_MESSAGE_MAP()

CCheckableItem* CCheckItemList::ItemOf(int row) const
{
    if (row < 0 || row >= GetCount())
        return nullptr;
    return static_cast<CCheckableItem*>(GetItemDataPtr(row));
}

BOOL CCheckItemList::IsChecked(int row) const
{
    CCheckableItem* item = ItemOf(row);
    return item != nullptr && item->CheckMark() != 0;
}

void CCheckItemList::SetChecked(int row, BOOL bChecked)
{
    if (CCheckableItem* item = ItemOf(row))
        item->CheckMark() = bChecked ? 1 : 0;
}

BOOL CCheckItemList::ToggleCurrent()
{
    int row = GetCurSel();
    if (row < 0)
        return FALSE;
    SetChecked(row, !IsChecked(row));
    RepaintRow(row);
    return TRUE;
}

void CCheckItemList::RepaintRow(int row)
{
    RECT rect;
    GetItemRect(row, &rect);
    InvalidateRect(&rect);
}

void CCheckItemList::OnLButtonDown(UINT nFlags, CPoint point)
{
    int row = GetCurSel();
    RECT rect{};
    if (row >= 0 && GetItemRect(row, &rect) != LB_ERR && ::PtInRect(&rect, point) &&
        point.x - rect.left < CheckBoxWidth)
        ToggleCurrent();
    COwnerDrawDragList::OnLButtonDown(nFlags, point);
}

LPCSTR CCheckItemList::RowPicture(DWORD_PTR itemData) const
{
    auto* item = reinterpret_cast<CCheckableItem*>(itemData);
    return item != nullptr && item->CheckMark() != 0 ? "CHKYES" : "CHKNO";
}
