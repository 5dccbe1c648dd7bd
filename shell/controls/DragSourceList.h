#pragma once

#include "framework/ListBox.h"

class CDragPartner;

// A list box whose selection can be dragged onto another window of the program; the command
// that window answers to the drop query is sent to the list's parent, which performs it on
// its selection.
class CDragSourceList : public CListBox
{
public:
    CDragSourceList();

    void SetDragSource(CDragPartner* pSource) { m_pDragSource = pSource; }
    void EnableDrag(BOOL bEnable) { m_dragEnabled = bEnable; }
    BOOL IsDragging() const { return m_dragging; }
    int GetFormKind() const { return m_formKind; }

protected:
    DECLARE_MESSAGE_MAP()
    void OnLButtonDown(UINT nFlags, CPoint point);
    void OnMouseMove(UINT nFlags, CPoint point);
    void OnLButtonUp(UINT nFlags, CPoint point);
    void OnRButtonDown(UINT nFlags, CPoint point);
    void OnTimer(UINT_PTR nIDEvent);

private:
    void StartDragIfAllowed();
    void EndDrag(CPoint point);

    BOOL m_dragging = FALSE;
    BOOL m_dragEnabled = TRUE;
    int m_formKind;
    CDragPartner* m_pDragSource = nullptr;
};
