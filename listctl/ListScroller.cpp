#include "listctl/ListScroller.h"

#include "listctl/ListRecord.h"
#include "listctl/RedrawSuspension.h"

bool CListScroller::LineDown()
{
    if (!QueryAfterBottom())
        return false;
    bool quiet = BeginQuietMove();
    if (m_r.SelectedRow() == 0)
    {
        m_r.ClearRowSelection();
        m_r.SetFocusPending(true);
    }
    // The answer goes in before the drop is announced: the parent may query from its
    // handler, and that answer lands in the same request block.
    m_r.InsertAnsweredRow(-1);
    m_r.DropRow(0);
    ++m_r.m_firstIndex;
    EndQuietMove(quiet, true);
    UpdateThumb();
    m_r.SelectIfMatch(m_r.RowCount() - 1);
    return true;
}

bool CListScroller::LineUp()
{
    if (!QueryBeforeTop())
        return false;
    bool quiet = BeginQuietMove();
    if (m_r.SelectedRow() == m_r.m_visibleRows - 1)
    {
        m_r.ClearRowSelection();
        m_r.SetFocusPending(true);
    }
    m_r.InsertAnsweredRow(0);
    --m_r.m_firstIndex;
    if (m_r.RowCount() > m_r.m_visibleRows)
        m_r.DropRow(m_r.m_visibleRows);
    EndQuietMove(quiet, false);
    UpdateThumb();
    m_r.SelectIfMatch(0);
    return true;
}

bool CListScroller::PageDown(int extraLines)
{
    return Page(extraLines, true);
}

bool CListScroller::PageUp(int extraLines)
{
    return Page(extraLines, false);
}

// Both directions share the guard, selection and redraw handling; only the row shuffle differs.
bool CListScroller::Page(int extraLines, bool down)
{
    int steps = m_r.m_visibleRows + extraLines;
    if (steps <= 0)
        return true;
    if (!(down ? QueryAfterBottom() : QueryBeforeTop()))
        return false;
    m_r.ClearRowSelection();
    m_r.SetFocusPending(true);
    CRedrawSuspension suspension(m_r);
    int step = 0;
    do
    {
        if (down)
        {
            m_r.InsertAnsweredRow(-1);
            m_r.DropRow(0);
            ++m_r.m_firstIndex;
        }
        else
        {
            m_r.InsertAnsweredRow(0);
            --m_r.m_firstIndex;
            if (m_r.RowCount() > m_r.m_visibleRows)
                m_r.DropRow(m_r.m_visibleRows);
        }
    } while (++step < steps && (down ? QueryAfterBottom() : QueryBeforeTop()));
    m_r.ReselectSelection();
    UpdateThumb();
    return true;
}

bool CListScroller::FirstPage()
{
    if (!m_r.Query(LCN_GETFIRST, 0, 0))
    {
        UpdateThumb();
        return false;
    }
    m_r.SetFocusPending(true);
    CRedrawSuspension suspension(m_r);
    StartPage();
    if (!m_r.IsKeyed())
        m_r.m_firstIndex = m_r.m_request.itemID;
    else
        m_r.m_firstIndex = m_r.CountKnown() ? 0 : static_cast<int>(m_r.m_request.itemData);
    m_r.SelectIfMatch(0);
    FillDown();
    UpdateThumb();
    return true;
}

bool CListScroller::LastPage()
{
    if (!m_r.Query(LCN_GETLAST, 0, 0))
        return false;
    m_r.SetFocusPending(true);
    CRedrawSuspension suspension(m_r);
    StartPage();
    if (!m_r.IsKeyed())
        m_r.m_firstIndex = m_r.m_request.itemID;
    else
        m_r.m_firstIndex = m_r.CountKnown() ? m_r.m_total - 1 : static_cast<int>(m_r.m_request.itemData);
    m_r.SelectIfMatch(0);
    FillUp();
    UpdateThumb();
    return true;
}

bool CListScroller::PageAt(int item, bool placeFirstIndex)
{
    if (!m_r.Query(LCN_GETAT, static_cast<DWORD>(item), item))
        return false;
    m_r.SetFocusPending(true);
    CRedrawSuspension suspension(m_r);
    StartPage();
    // In index mode row numbers are derived from the first index, so it always follows the answer.
    if (!m_r.IsKeyed())
        m_r.m_firstIndex = m_r.m_request.itemID;
    else if (placeFirstIndex)
        m_r.m_firstIndex = m_r.CountKnown() ? m_r.m_total / 2 : static_cast<int>(m_r.m_request.itemData);
    m_r.SelectIfMatch(0);
    FillDown();
    FillUp();
    UpdateThumb();
    return true;
}

bool CListScroller::PageAtPercent(int position)
{
    m_r.m_request.lExtra = static_cast<DWORD>(position);
    if (!m_r.Query(LCN_GETATPERCENT, static_cast<DWORD>(position), position))
        return false;
    m_r.SetFocusPending(true);
    CRedrawSuspension suspension(m_r);
    StartPage();
    if (m_r.CountKnown())
    {
        long long span = m_r.m_total - m_r.m_visibleRows + 1;
        m_r.m_firstIndex = static_cast<int>(position * span / 100);
    }
    else
    {
        m_r.m_firstIndex = static_cast<int>(m_r.m_request.itemData);
    }
    m_r.SelectIfMatch(0);
    FillDown();
    FillUp();
    UpdateThumb();
    return true;
}

void CListScroller::UpdateThumb()
{
    if (!m_r.m_child || m_r.m_total == -2)
        return;
    if (m_r.m_total == -1)
    {
        ShowVerticalBar(true);
        SetThumb(50);
        return;
    }
    if (m_r.m_visibleRows >= m_r.m_total)
    {
        ShowVerticalBar(false);
        return;
    }
    ShowVerticalBar(true);
    SetThumb(ThumbPosition());
}

// Drawing the bar at once costs far more than a whole page of rows (about 10 ms under Wine):
// the bar is only marked for the next paint, so that a walk draws it once.
void CListScroller::SetThumb(int position)
{
    if (GetScrollPos(m_r.m_child, SB_VERT) == position)
        return;
    SetScrollPos(m_r.m_child, SB_VERT, position, FALSE);
    RECT client;
    GetClientRect(m_r.m_child, &client);
    RECT bar = {client.right, client.top, client.right + GetSystemMetrics(SM_CXVSCROLL), client.bottom};
    RedrawWindow(m_r.m_child, &bar, nullptr, RDW_INVALIDATE | RDW_FRAME);
}

bool CListScroller::QueryAfterBottom()
{
    int last = m_r.RowCount() - 1;
    return last >= 0 && m_r.Query(LCN_GETNEXT, m_r.RowKey(last), m_r.ReferenceIndex(last));
}

bool CListScroller::QueryBeforeTop()
{
    return m_r.RowCount() > 0 && m_r.Query(LCN_GETPREV, m_r.RowKey(0), m_r.ReferenceIndex(0));
}

void CListScroller::StartPage()
{
    m_r.ReplaceRowsWithAnswer();
}

void CListScroller::FillDown()
{
    while (m_r.RowCount() < m_r.m_visibleRows && QueryAfterBottom())
    {
        m_r.InsertAnsweredRow(-1);
        m_r.SelectIfMatch(m_r.RowCount() - 1);
    }
}

void CListScroller::FillUp()
{
    while (m_r.RowCount() < m_r.m_visibleRows && QueryBeforeTop())
    {
        m_r.InsertAnsweredRow(0);
        if (m_r.CountKnown())
            --m_r.m_firstIndex;
        m_r.SelectIfMatch(0);
    }
}

void CListScroller::ShowVerticalBar(bool show)
{
    if (m_r.HasStyle(LBS_DISABLENOSCROLL))
    {
        EnableScrollBar(m_r.m_child, SB_VERT, show ? ESB_ENABLE_BOTH : ESB_DISABLE_BOTH);
        return;
    }
    bool shown = (GetWindowLongPtrA(m_r.m_child, GWL_STYLE) & WS_VSCROLL) != 0;
    if (shown != show)
        ShowScrollBar(m_r.m_child, SB_VERT, show);
}

int CListScroller::ThumbPosition() const
{
    long long first = m_r.m_firstIndex;
    long long span = m_r.m_total - m_r.m_visibleRows;
    if (first >= span)
        return 100;
    if (first <= 0)
        return 0;
    return static_cast<int>(first * 100 / (span + 1));
}

// A line step moves the pixels already shown and repaints only the row that came in; while
// a page is being rebuilt (drawing suspended) or a repaint is due anyway, the list repaints.
bool CListScroller::BeginQuietMove()
{
    bool quiet = m_r.IsDrawing() && !GetUpdateRect(m_r.m_child, nullptr, FALSE);
    if (quiet)
        SendMessageA(m_r.m_child, WM_SETREDRAW, FALSE, 0);
    return quiet;
}

void CListScroller::EndQuietMove(bool quiet, bool down)
{
    if (!quiet)
        return;
    SendMessageA(m_r.m_child, WM_SETREDRAW, TRUE, 0);
    ValidateRect(m_r.m_child, nullptr);
    RECT client;
    GetClientRect(m_r.m_child, &client);
    int height = m_r.m_rowHeight;
    int bottom = m_r.m_visibleRows * height;
    RECT moved = {0, down ? height : 0, client.right, down ? bottom : bottom - height};
    ScrollWindowEx(m_r.m_child, 0, down ? -height : height, &moved, &client, nullptr, nullptr, SW_INVALIDATE);
}
