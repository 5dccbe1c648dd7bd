#pragma once

#include "framework/Wnd.h"

// The common controls' tab control: a row of labelled tabs, one of them selected. A change of
// selection by the user reaches the parent as WM_NOTIFY with TCN_SELCHANGE; SetCurSel does not.
class CTabCtrl : public CWnd
{
    DECLARE_DYNAMIC(CTabCtrl)
public:
    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

    // The index the tab got, -1 on failure.
    int InsertItem(int nItem, LPCSTR lpszText);
    int GetItemCount() const;
    // -1 when no tab is selected.
    int GetCurSel() const;
    // The previously selected tab, -1 when none was or nItem is out of range.
    int SetCurSel(int nItem);
};
