#include "listctl/ListSelector.h"

#include "listctl/ListRecord.h"
#include "listctl/RedrawSuspension.h"

#include <optional>

LRESULT CListSelector::Select(WPARAM mode, LPARAM item)
{
    if (item == -1)
    {
        m_r.ClearRowSelection();
        m_r.m_selection = -1;
        return -1;
    }
    if (mode < LCN_GETFIRST || mode > LCN_GETAT)
        return 0;
    int wanted = static_cast<int>(item);
    // Fetching an item that is not loaded rebuilds the rows: draw them once, at the end.
    std::optional<CRedrawSuspension> suspension;
    if (mode != LCN_GETFIRST && mode != LCN_GETLAST && m_r.RowOfItem(wanted) < 0)
        suspension.emplace(m_r);
    int row = RowForMode(mode, wanted);
    return row >= 0 && SelectAndFocus(row) ? 0 : -1;
}

LRESULT CListSelector::OnVScroll(int code, int position)
{
    switch (code)
    {
    case SB_LINEUP: m_scroller.LineUp(); break;
    case SB_LINEDOWN: m_scroller.LineDown(); break;
    case SB_PAGEUP: m_scroller.PageUp(0); break;
    case SB_PAGEDOWN: m_scroller.PageDown(0); break;
    case SB_TOP: m_scroller.FirstPage(); break;
    case SB_BOTTOM: m_scroller.LastPage(); break;
    case SB_THUMBPOSITION: return ThumbReleased(position);
    default: return 1;
    }
    m_r.Synchronise();
    return 1;
}

LRESULT CListSelector::OnSysTimer()
{
    int row = m_r.SelectedRow();
    if (row >= 0 && row == m_r.m_visibleRows - 1)
        m_scroller.LineDown();
    else if (row == 0)
        m_scroller.LineUp();
    else
        return 0;
    m_r.Synchronise();
    return 0;
}

LRESULT CListSelector::OnVKeyToItem(WPARAM wParam)
{
    if (m_r.HasStyle(LBS_WANTKEYBOARDINPUT))
    {
        LRESULT reply = SendMessageA(m_r.m_parent, WM_VKEYTOITEM, wParam, reinterpret_cast<LPARAM>(m_r.m_hwnd));
        if (reply != -1)
            return reply;
    }
    int key = LOWORD(wParam);
    if (key != VK_PRIOR && key != VK_NEXT && key != VK_HOME && key != VK_END && key != VK_UP && key != VK_DOWN)
        return -1;
    if (MoveByKey(key))
        SendMessageA(m_r.m_parent, WM_COMMAND, MAKEWPARAM(m_r.m_ctlId, LBN_SELCHANGE),
                     reinterpret_cast<LPARAM>(m_r.m_hwnd));
    return -2;
}

LRESULT CListSelector::OnCharToItem(WPARAM wParam)
{
    if (!m_r.HasStyle(LBS_WANTKEYBOARDINPUT))
        return -1;
    return SendMessageA(m_r.m_parent, WM_CHARTOITEM, wParam, reinterpret_cast<LPARAM>(m_r.m_hwnd));
}

int CListSelector::RowForMode(WPARAM mode, int item)
{
    switch (mode)
    {
    case LCN_GETFIRST: return m_scroller.FirstPage() ? 0 : -1;
    case LCN_GETLAST: return m_scroller.LastPage() ? m_r.RowCount() - 1 : -1;
    case LCN_GETPREV: return RowBefore(item);
    case LCN_GETNEXT: return RowAfter(item);
    default: return LoadedRow(item);
    }
}

int CListSelector::LoadedRow(int item)
{
    int row = m_r.RowOfItem(item);
    if (row >= 0 || !m_scroller.PageAt(item, true))
        return row;
    return m_r.RowOfItem(item);
}

int CListSelector::RowBefore(int item)
{
    int row = LoadedRow(item);
    if (row != 0)
        return row > 0 ? row - 1 : -1;
    return m_scroller.LineUp() ? 0 : -1;
}

int CListSelector::RowAfter(int item)
{
    int row = LoadedRow(item);
    int last = m_r.RowCount() - 1;
    if (row < 0 || row < last)
        return row < 0 ? -1 : row + 1;
    return m_scroller.LineDown() ? m_r.RowCount() - 1 : -1;
}

bool CListSelector::SelectAndFocus(int row)
{
    if (!m_r.SelectRow(row))
        return false;
    m_r.Synchronise();
    m_r.SetFocusPending(false);
    return true;
}

bool CListSelector::MoveByKey(int key)
{
    switch (key)
    {
    case VK_HOME: return Select(LCN_GETFIRST, 0) == 0;
    case VK_END: return Select(LCN_GETLAST, 0) == 0;
    case VK_PRIOR: return PageByKey(false);
    case VK_NEXT: return PageByKey(true);
    }
    if (m_r.m_selection == -1)
        return false;
    return Select(key == VK_UP ? LCN_GETPREV : LCN_GETNEXT, m_r.m_selection) == 0;
}

bool CListSelector::PageByKey(bool down)
{
    if (m_r.m_selection == -1)
        return false;
    std::optional<CRedrawSuspension> suspension;
    if (m_r.RowOfItem(m_r.m_selection) < 0)
        suspension.emplace(m_r);
    int row = LoadedRow(m_r.m_selection);
    if (row < 0)
        return false;
    // Page Down makes the selected row the top row and selects the bottom one; Page Up the mirror.
    if (down)
    {
        if (row != 0)
            m_scroller.PageDown(row - m_r.m_visibleRows);
        return SelectAndFocus(m_r.RowCount() - 1);
    }
    if (row != m_r.m_visibleRows - 1)
        m_scroller.PageUp(-(row + 1));
    return SelectAndFocus(0);
}

LRESULT CListSelector::ThumbReleased(int position)
{
    // The ends reply 1 whether or not they load, and leave the selection alone.
    if (position == 0)
    {
        m_scroller.FirstPage();
        return 1;
    }
    if (position == 100)
    {
        m_scroller.LastPage();
        return 1;
    }
    bool loaded;
    if (m_r.IsKeyed())
    {
        loaded = m_scroller.PageAtPercent(position);
    }
    else
    {
        long long span = m_r.m_total - m_r.m_visibleRows + 1;
        loaded = m_scroller.PageAt(static_cast<int>(position * span / 100), true);
    }
    if (!loaded)
        return -1;
    m_r.Synchronise();
    return 1;
}
