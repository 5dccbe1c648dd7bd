#pragma once

#include "shell/controls/ItemListBox.h"

class CDragPartner;

// A list control host whose rows can be dragged onto another window of the program: the
// window under the mouse is asked the drop query and the command it answers is sent to the
// list's parent when the button is released there.
class CDrawnItemListBox : public CItemListBox
{
public:
    void SetDragPartner(CDragPartner* pPartner) { m_pDragPartner = pPartner; }
    void EnableDrag(BOOL bEnable) { m_dragEnabled = bEnable; }
    BOOL IsDragging() const { return m_dragging; }

    // The absolute row under a point of the control's inner list, -1 when none.
    long RowFromPoint(POINT point) const;

protected:
    LRESULT OnListLButtonDown(WPARAM wParam, LPARAM lParam) override;
    LRESULT OnListLButtonUp(WPARAM wParam, LPARAM lParam) override;
    LRESULT OnListMouseMove(WPARAM wParam, LPARAM lParam) override;
    LRESULT OnListRButtonDown(WPARAM wParam, LPARAM lParam) override;

private:
    HWND InnerList() const;
    POINT ToScreen(LPARAM lParam) const;
    bool IsOwnWindow(HWND hWnd) const;
    void EndDrag(WPARAM wParam, LPARAM lParam);

    BOOL m_dragging = FALSE;
    BOOL m_dragEnabled = TRUE;
    CDragPartner* m_pDragPartner = nullptr;
};
