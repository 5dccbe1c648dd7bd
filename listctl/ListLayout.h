#pragma once
// Fits a control's rows to its size: row height, whole rows, the child list's size, and
// the rows dropped or loaded when the number that fits changes.

#include "listctl/ListScroller.h"

#include <windows.h>

class CListRecord;

class CListLayout
{
public:
    explicit CListLayout(CListRecord& record) : m_r(record), m_scroller(record) {}

    void Layout();
    void SetRowHeight(int height);
    void UseFontRowHeight();
    void FitRows();
    void SetHorizontalExtent(int extent);
    static int TextRowHeight(HWND window, HFONT font);

private:
    bool ShrinkToWholeRows(int clientHeight);
    void DropSurplusRows();
    bool HorizontalBarNeeded(int extent) const;

    CListRecord& m_r;
    CListScroller m_scroller;
};
