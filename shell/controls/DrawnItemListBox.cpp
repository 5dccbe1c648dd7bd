#include "shell/controls/DrawnItemListBox.h"

#include <windows.h>

#include "res/resource.h"
#include "shell/controls/DragPartner.h"
#include "shell/controls/DropQuery.h"

namespace {

POINT PointOf(LPARAM lParam)
{
    return POINT{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
}

}  // namespace

HWND CDrawnItemListBox::InnerList() const
{
    return ::GetWindow(m_hWnd, GW_CHILD);
}

POINT CDrawnItemListBox::ToScreen(LPARAM lParam) const
{
    POINT point = PointOf(lParam);
    ::ClientToScreen(InnerList(), &point);
    return point;
}

bool CDrawnItemListBox::IsOwnWindow(HWND hWnd) const
{
    return hWnd == m_hWnd || ::IsChild(m_hWnd, hWnd);
}

long CDrawnItemListBox::RowFromPoint(POINT point) const
{
    long top = static_cast<long>(SendMessage(LCM_GETTOPINDEX));
    long visible = static_cast<long>(SendMessage(LCM_GETVISIBLEROWS));
    for (long row = top; row < top + visible; ++row)
    {
        RECT rect{};
        LCITEMREQUEST request{};
        request.CtlID = static_cast<std::uint32_t>(GetDlgCtrlID());
        request.itemData = static_cast<std::uint32_t>(row);
        request.itemID = static_cast<std::int32_t>(row);
        request.pszText = reinterpret_cast<char*>(&rect);
        if (SendMessage(LCM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&request)) == -1)
            return -1;
        if (::PtInRect(&rect, point))
            return row;
    }
    return -1;
}

LRESULT CDrawnItemListBox::OnListLButtonDown(WPARAM, LPARAM lParam)
{
    m_dragging = FALSE;
    if (!m_dragEnabled || m_pDragPartner == nullptr || !m_pDragPartner->CanDragSelection())
        return 1;
    long row = RowFromPoint(PointOf(lParam));
    SelectItem(row, LCN_GETAT);
    if (row == -1)
        return 1;
    m_dragging = TRUE;
    ::SetCapture(InnerList());
    ShowDragCursor(IDC_DRAG_ROW);
    return 1;
}

LRESULT CDrawnItemListBox::OnListMouseMove(WPARAM wParam, LPARAM lParam)
{
    if (!m_dragging)
        return 1;
    if (!(wParam & MK_LBUTTON))
    {
        EndDrag(wParam, lParam);
        return 0;
    }
    POINT screen = ToScreen(lParam);
    HWND under = ::WindowFromPoint(screen);
    if (under == nullptr)
        return 1;
    bool allowed = IsOwnWindow(under) || AskDropTarget(screen) > 0;
    ShowDragCursor(allowed ? IDC_DRAG_ROW : IDC_NO_DROP);
    return 0;
}

LRESULT CDrawnItemListBox::OnListLButtonUp(WPARAM wParam, LPARAM lParam)
{
    if (m_pDragPartner != nullptr)
        EndDrag(wParam, lParam);
    return 1;
}

// A row dropped on a window that answers the drop query makes the parent perform the answered
// command. The button-up reaches the parent in every case, so a form can finish its own handling.
void CDrawnItemListBox::EndDrag(WPARAM wParam, LPARAM lParam)
{
    HWND parent = ::GetParent(m_hWnd);
    if (m_dragging)
    {
        m_dragging = FALSE;
        LRESULT command = EndDragAt(ToScreen(lParam));
        if (command > 0)
            ::SendMessageA(parent, WM_COMMAND, static_cast<WPARAM>(command), 0);
    }
    ::SendMessageA(parent, WM_LBUTTONUP, wParam, lParam);
}

// The parent shows its context handling at the point, in its own client coordinates.
LRESULT CDrawnItemListBox::OnListRButtonDown(WPARAM wParam, LPARAM lParam)
{
    if (wParam & MK_LBUTTON)
        return 1;
    HWND parent = ::GetParent(m_hWnd);
    POINT point = ToScreen(lParam);
    ::ScreenToClient(parent, &point);
    ::PostMessageA(parent, WM_RBUTTONDOWN, wParam, MAKELPARAM(point.x, point.y));
    return 1;
}
