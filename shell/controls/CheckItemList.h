#pragma once

#include "shell/controls/OwnerDrawDragList.h"

class CCheckableItem;

// An owner-drawn list whose rows carry check marks, kept in each row's item data (a
// CCheckableItem); a click on the selected row's box flips its mark.
class CCheckItemList : public COwnerDrawDragList
{
public:
    static constexpr int CheckBoxWidth = 20;

    using COwnerDrawDragList::COwnerDrawDragList;

    BOOL ToggleCurrent();
    BOOL IsChecked(int row) const;
    void SetChecked(int row, BOOL bChecked);

protected:
    DECLARE_MESSAGE_MAP()
    void OnLButtonDown(UINT nFlags, CPoint point);
    LPCSTR RowPicture(DWORD_PTR itemData) const override;

private:
    CCheckableItem* ItemOf(int row) const;
    void RepaintRow(int row);
};
