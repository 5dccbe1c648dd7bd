#include "listctl/ListRecord.h"

CListRecord::CListRecord(HWND hwnd, DWORD creationStyle) : m_hwnd(hwnd), m_style(creationStyle) {}

LRESULT CListRecord::Ask(UINT code, DWORD key, int index)
{
    // nError is left as the previous answer left it: the parent sets it on every answer.
    m_request.CtlID = m_ctlId;
    m_request.pszText = nullptr;
    m_request.itemData = key;
    m_request.itemID = index;
    return SendMessageA(m_parent, code, 0, reinterpret_cast<LPARAM>(&m_request));
}

bool CListRecord::Query(UINT code, DWORD key, int index)
{
    Ask(code, key, index);
    return m_request.nError == 0;
}

void CListRecord::NotifyParent(UINT code, LPARAM lParam) const
{
    SendMessageA(m_parent, code, m_ctlId, lParam);
}

int CListRecord::RowCount() const
{
    if (!m_child)
        return 0;
    LRESULT count = SendMessageA(m_child, LB_GETCOUNT, 0, 0);
    return count > 0 ? static_cast<int>(count) : 0;
}

DWORD CListRecord::RowKey(int row) const
{
    return static_cast<DWORD>(SendMessageA(m_child, LB_GETITEMDATA, row, 0));
}

int CListRecord::ItemOfRow(int row) const
{
    return IsKeyed() ? static_cast<int>(RowKey(row)) : m_firstIndex + row;
}

int CListRecord::RowOfItem(int item) const
{
    int rows = RowCount();
    if (!IsKeyed())
    {
        int row = item - m_firstIndex;
        return row >= 0 && row < rows ? row : -1;
    }
    for (int row = 0; row < rows; ++row)
    {
        if (RowKey(row) == static_cast<DWORD>(item))
            return row;
    }
    return -1;
}

int CListRecord::ReferenceIndex(int row) const
{
    return IsKeyed() ? -1 : m_firstIndex + row;
}

void CListRecord::InsertAnsweredRow(int row)
{
    if (!HasText())
    {
        // A list without strings keeps the insert's argument as the row's data.
        SendMessageA(m_child, LB_INSERTSTRING, row, static_cast<LPARAM>(m_request.itemData));
        return;
    }
    const char* text = m_request.pszText ? m_request.pszText : "";
    LRESULT at = SendMessageA(m_child, LB_INSERTSTRING, row, reinterpret_cast<LPARAM>(text));
    if (at >= 0)
        SendMessageA(m_child, LB_SETITEMDATA, at, static_cast<LPARAM>(m_request.itemData));
}

void CListRecord::DropRow(int row)
{
    NotifyParent(LCN_ITEMDROPPED, ItemOfRow(row));
    SendMessageA(m_child, LB_DELETESTRING, row, 0);
}

void CListRecord::DropAllRows()
{
    m_topHidden = false;
    NotifyParent(LCN_RESETCONTENT, 0);
    SendMessageA(m_child, LB_RESETCONTENT, 0, 0);
}

void CListRecord::ReplaceRowsWithAnswer()
{
    m_topHidden = false;
    InsertAnsweredRow(0);
    LCITEMREQUEST answer = m_request;
    NotifyParent(LCN_RESETCONTENT, 0);
    m_request = answer;
    for (int row = RowCount() - 1; row > 0; --row)
        SendMessageA(m_child, LB_DELETESTRING, row, 0);
}

int CListRecord::SelectedRow() const
{
    return static_cast<int>(SendMessageA(m_child, LB_GETCURSEL, 0, 0));
}

bool CListRecord::SelectRow(int row)
{
    return SendMessageA(m_child, LB_SETCURSEL, row, 0) != LB_ERR;
}

void CListRecord::ClearRowSelection()
{
    SendMessageA(m_child, LB_SETCURSEL, static_cast<WPARAM>(-1), 0);
}

bool CListRecord::RowMatches(int row) const
{
    return m_selection != -1 && ItemOfRow(row) == m_selection;
}

bool CListRecord::SelectIfMatch(int row)
{
    if (!RowMatches(row))
        return false;
    SelectRow(row);
    SetFocusPending(false);
    return true;
}

void CListRecord::ReselectSelection()
{
    int row = m_selection == -1 ? -1 : RowOfItem(m_selection);
    if (row >= 0)
        SelectIfMatch(row);
}

void CListRecord::Synchronise()
{
    int row = SelectedRow();
    if (row >= 0)
        m_selection = ItemOfRow(row);
}

void CListRecord::SuspendRedraw()
{
    if (--m_redraw == 0 && m_child)
        SendMessageA(m_child, WM_SETREDRAW, FALSE, 0);
}

void CListRecord::ResumeRedraw()
{
    if (++m_redraw != 1 || !m_child)
        return;
    SendMessageA(m_child, WM_SETREDRAW, TRUE, 0);
    RedrawWindow(m_hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN);
}

void CListRecord::SetFocusPending(bool pending)
{
    if (pending)
        m_state |= StateFocusPending;
    else
        m_state &= ~StateFocusPending;
    if (!(m_state & StateFocused))
        return;
    HWND target = pending ? m_hwnd : m_child;
    if (target && GetFocus() != target)
        SetFocus(target);
}
