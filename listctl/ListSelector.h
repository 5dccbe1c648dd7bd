#pragma once
// Moves a control's selection: LCM_SELECT, the scroll bar, the keys and the automatic
// scrolling of the list while the mouse is held outside it.

#include "listctl/ListScroller.h"

#include <windows.h>

class CListRecord;

class CListSelector
{
public:
    explicit CListSelector(CListRecord& record) : m_r(record), m_scroller(record) {}

    LRESULT Select(WPARAM mode, LPARAM item);
    LRESULT OnVScroll(int code, int position);
    LRESULT OnSysTimer();
    LRESULT OnVKeyToItem(WPARAM wParam);
    LRESULT OnCharToItem(WPARAM wParam);

private:
    int RowForMode(WPARAM mode, int item);
    int LoadedRow(int item);
    int RowBefore(int item);
    int RowAfter(int item);
    bool SelectAndFocus(int row);
    bool MoveByKey(int key);
    bool PageByKey(bool down);
    LRESULT ThumbReleased(int position);

    CListRecord& m_r;
    CListScroller m_scroller;
};
