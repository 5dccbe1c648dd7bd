#include "shell/controls/DragSourceList.h"

#include <windows.h>

#include "framework/MessageMap.h"
#include "res/resource.h"
#include "shell/controls/DragPartner.h"
#include "shell/controls/DropQuery.h"

namespace {

constexpr UINT_PTR DragTimer = 1;

}  // namespace

BEGIN_MESSAGE_MAP(CDragSourceList, CListBox)
    ON_WM_LBUTTONDOWN()
    ON_WM_MOUSEMOVE()
    ON_WM_LBUTTONUP()
    ON_WM_RBUTTONDOWN()
    ON_WM_TIMER()
END_MESSAGE_MAP()

CDragSourceList::CDragSourceList() : m_formKind(GetDropFormState().formKind) {}

void CDragSourceList::StartDragIfAllowed()
{
    m_dragging = m_dragEnabled && m_pDragSource != nullptr && m_pDragSource->CanDragSelection();
    if (!m_dragging)
        return;
    SetCapture();
    ShowDragCursor(IDC_DRAG_ROW);
}

void CDragSourceList::OnLButtonDown(UINT, CPoint)
{
    StartDragIfAllowed();
    Default();
}

// The owner starts timer 1 to begin a drag without a button press.
void CDragSourceList::OnTimer(UINT_PTR nIDEvent)
{
    if (nIDEvent != DragTimer)
    {
        Default();
        return;
    }
    KillTimer(DragTimer);
    StartDragIfAllowed();
}

void CDragSourceList::OnMouseMove(UINT, CPoint point)
{
    if (m_dragging)
    {
        POINT screen = point;
        ClientToScreen(&screen);
        bool allowed = ::WindowFromPoint(screen) == m_hWnd || AskDropTarget(screen) > 0;
        ShowDragCursor(allowed ? IDC_DRAG_ROW : IDC_NO_DROP);
    }
    Default();
}

void CDragSourceList::OnLButtonUp(UINT, CPoint point)
{
    if (m_dragging)
        EndDrag(point);
    Default();
}

// The parent hears of the selection afterwards so that it refreshes, dropped or not.
void CDragSourceList::EndDrag(CPoint point)
{
    m_dragging = FALSE;
    POINT screen = point;
    ClientToScreen(&screen);
    HWND parent = ::GetParent(m_hWnd);
    LRESULT command = EndDragAt(screen);
    if (command > 0)
        ::SendMessageA(parent, WM_COMMAND, static_cast<WPARAM>(command), 0);
    if (::GetFocus() != nullptr)
        ::SendMessageA(parent, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(), LBN_SELCHANGE), reinterpret_cast<LPARAM>(m_hWnd));
}

void CDragSourceList::OnRButtonDown(UINT nFlags, CPoint point)
{
    if (nFlags != 0)
    {
        Default();
        return;
    }
    POINT atParent = point;
    ClientToScreen(&atParent);
    HWND parent = ::GetParent(m_hWnd);
    ::ScreenToClient(parent, &atParent);
    ::PostMessageA(parent, WM_RBUTTONDOWN, 0, MAKELPARAM(atParent.x, atParent.y));
}
