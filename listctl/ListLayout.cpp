#include "listctl/ListLayout.h"

#include "listctl/ListRecord.h"
#include "listctl/RedrawSuspension.h"

void CListLayout::Layout()
{
    RECT client;
    GetClientRect(m_r.m_hwnd, &client);
    if (!m_r.m_child)
    {
        // The list box measures its rows while it is being created, before the record holds it.
        m_r.m_visibleRows = client.bottom / m_r.m_rowHeight;
        return;
    }
    if (ShrinkToWholeRows(client.bottom))
        return;
    // The child's own border falls outside the frame's client area.
    MoveWindow(m_r.m_child, 0, 0, client.right + 2 * GetSystemMetrics(SM_CXBORDER),
               client.bottom + 2 * GetSystemMetrics(SM_CXBORDER), TRUE);
    FitRows();
}

void CListLayout::SetRowHeight(int height)
{
    m_r.m_rowHeight = height > 0 ? height : 1;
    Layout();
}

void CListLayout::UseFontRowHeight()
{
    if (m_r.HasStyle(LBS_OWNERDRAWFIXED))
        SetRowHeight(static_cast<int>(SendMessageA(m_r.m_child, LB_GETITEMHEIGHT, 0, 0)));
    else
        SetRowHeight(TextRowHeight(m_r.m_child, m_r.m_font));
}

void CListLayout::FitRows()
{
    RECT client;
    GetClientRect(m_r.m_child, &client);
    m_r.m_visibleRows = client.bottom / m_r.m_rowHeight;
    if (m_r.m_total == -2)
        return;
    int rows = m_r.RowCount();
    if (rows > m_r.m_visibleRows)
    {
        DropSurplusRows();
    }
    else if (rows < m_r.m_visibleRows)
    {
        bool topKnown = rows > 0 || m_r.m_topHidden;
        int top = rows > 0 ? m_r.ItemOfRow(0) : m_r.m_hiddenTop;
        if (topKnown && m_r.CountKnown() && m_r.m_visibleRows < m_r.m_total)
            m_scroller.PageAt(top, false);
        else
            m_scroller.FirstPage();
    }
}

void CListLayout::SetHorizontalExtent(int extent)
{
    bool needed = HorizontalBarNeeded(extent);
    if (m_r.HasStyle(LBS_DISABLENOSCROLL))
    {
        EnableScrollBar(m_r.m_child, SB_HORZ, needed ? ESB_ENABLE_BOTH : ESB_DISABLE_BOTH);
    }
    else if (needed != m_r.m_horzBarShown)
    {
        ShowScrollBar(m_r.m_child, SB_HORZ, needed);
        m_r.m_horzBarShown = needed;
        FitRows();
    }
    SendMessageA(m_r.m_child, LB_SETHORIZONTALEXTENT, extent, 0);
}

int CListLayout::TextRowHeight(HWND window, HFONT font)
{
    HDC dc = GetDC(window);
    HGDIOBJ previous = font ? SelectObject(dc, font) : nullptr;
    TEXTMETRICA metrics{};
    GetTextMetricsA(dc, &metrics);
    if (previous)
        SelectObject(dc, previous);
    ReleaseDC(window, dc);
    return metrics.tmHeight;
}

bool CListLayout::ShrinkToWholeRows(int clientHeight)
{
    int surplus = clientHeight % m_r.m_rowHeight;
    if (m_r.HasStyle(LBS_NOINTEGRALHEIGHT) || surplus == 0 || clientHeight < m_r.m_rowHeight)
        return false;
    RECT window;
    GetWindowRect(m_r.m_hwnd, &window);
    // The new size comes back through WM_SIZE, which lays the rows out.
    SetWindowPos(m_r.m_hwnd, nullptr, 0, 0, window.right - window.left, window.bottom - window.top - surplus,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    return true;
}

void CListLayout::DropSurplusRows()
{
    CRedrawSuspension suspension(m_r);
    if (m_r.m_visibleRows == 0 && m_r.RowCount() > 0)
    {
        m_r.m_topHidden = true;
        m_r.m_hiddenTop = m_r.ItemOfRow(0);
    }
    for (int rows = m_r.RowCount(); rows > m_r.m_visibleRows; --rows)
        m_r.DropRow(rows - 1);
    if (m_r.m_selection != -1 && m_r.SelectedRow() < 0)
        m_r.SetFocusPending(true);
    m_scroller.UpdateThumb();
}

bool CListLayout::HorizontalBarNeeded(int extent) const
{
    RECT first{};
    bool scrolledSideways = m_r.RowCount() > 0 &&
                            SendMessageA(m_r.m_child, LB_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&first)) != LB_ERR &&
                            first.left != 0;
    RECT client;
    GetClientRect(m_r.m_child, &client);
    return scrolledSideways || extent > client.right;
}
