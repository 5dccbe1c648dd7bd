#include "listctl/ListCommands.h"

#include "listctl/ListLayout.h"
#include "listctl/ListRecord.h"
#include "listctl/RedrawSuspension.h"

#include <cstring>
#include <memory>
#include <new>

namespace {

// Copies at most capacity - 1 characters and always terminates the copy.
LRESULT CopyBounded(const char* text, char* buffer, WPARAM capacity)
{
    size_t length = text ? std::strlen(text) : 0;
    if (length >= capacity)
        length = capacity - 1;
    if (length > 0)
        std::memcpy(buffer, text, length);
    buffer[length] = '\0';
    return static_cast<LRESULT>(length);
}

bool IsItemCommand(UINT message)
{
    switch (message)
    {
    case LCM_GETTEXT:
    case LCM_GETTEXTLEN:
    case LCM_SELECTITEMEX:
    case LCM_FINDITEM:
    case LCM_GETITEMRECT:
    case LCM_GETITEMDATA:
    case LCM_SETITEMDATA:
    case LCM_FINDITEMEX: return true;
    }
    return false;
}

}  // namespace

bool CListCommands::IsCommand(UINT message)
{
    return message >= LCM_RESETCONTENT && message <= LCM_PAGEUP;
}

LRESULT CListCommands::OnCommand(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (IsItemCommand(message))
    {
        auto* block = reinterpret_cast<LCITEMREQUEST*>(lParam);
        return block ? OnItemCommand(message, wParam, *block) : -1;
    }
    switch (message)
    {
    case LCM_RESETCONTENT: return Restart(false);
    case LCM_SELECT: return m_selector.Select(wParam, lParam);
    case LCM_GETCURSEL: return m_r.m_selection;
    case LCM_GETCOUNT: return m_r.m_total;
    case LCM_SETITEMHEIGHT: return SetItemHeight(LOWORD(lParam));
    case LCM_GETITEMHEIGHT: return ChildMessage(LB_GETITEMHEIGHT, 0, 0);
    case LCM_INIT: return Restart(true);
    case LCM_SETTABSTOPS: return ChildMessage(LB_SETTABSTOPS, wParam, lParam);
    case LCM_GETTOPINDEX: return TopItem();
    case LCM_ENSUREVISIBLE: return EnsureVisible(static_cast<int>(lParam));
    case LCM_GETHORIZONTALEXTENT: return ChildMessage(LB_GETHORIZONTALEXTENT, 0, 0);
    case LCM_SETHORIZONTALEXTENT: m_layout.SetHorizontalExtent(static_cast<int>(wParam)); return 0;
    case LCM_REFRESH: return Refresh();
    case LCM_GETVISIBLEROWS: return m_r.m_visibleRows;
    case LCM_PAGEDOWN: return m_scroller.PageDown(static_cast<int>(wParam)) ? 1 : -1;
    case LCM_PAGEUP: return m_scroller.PageUp(static_cast<int>(wParam)) ? 1 : -1;
    }
    return 0;
}

LRESULT CListCommands::OnItemCommand(UINT message, WPARAM wParam, LCITEMREQUEST& block)
{
    switch (message)
    {
    case LCM_GETTEXT: return GetText(block, wParam);
    case LCM_GETTEXTLEN: return GetTextLength(block);
    case LCM_SELECTITEMEX: return SelectFound(block);
    case LCM_FINDITEM: return Find(LCN_FINDITEM, block);
    case LCM_GETITEMRECT: return GetItemRect(block);
    case LCM_GETITEMDATA: return GetItemData(block);
    case LCM_SETITEMDATA: return SetItemData(block);
    default: return Find(LCN_FINDITEMEX, block);
    }
}

LRESULT CListCommands::Restart(bool init)
{
    CRedrawSuspension suspension(m_r);
    if (init)
        SetScrollRange(m_r.m_child, SB_VERT, 0, 100, FALSE);
    m_r.m_selection = -1;
    m_r.ClearRowSelection();
    m_r.DropAllRows();
    m_r.m_firstIndex = 0;
    AskCount();
    if (init && m_r.HasStyle(LCS_KEYED))
        m_r.m_state |= CListRecord::StateKeyed;
    if (m_r.m_total != 0 && m_r.m_visibleRows > 0)
        m_scroller.FirstPage();
    else
        m_scroller.UpdateThumb();
    return 0;
}

void CListCommands::AskCount()
{
    if (m_r.Query(LCN_GETCOUNT, 0, 0) && m_r.m_request.itemID >= 0)
    {
        m_r.m_total = m_r.m_request.itemID;
        return;
    }
    m_r.m_total = -1;
    m_r.m_state |= CListRecord::StateKeyed;
}

LRESULT CListCommands::Refresh()
{
    AskCount();
    if (m_r.m_total == 0)
    {
        CRedrawSuspension suspension(m_r);
        m_r.DropAllRows();
        m_r.m_firstIndex = 0;
        m_scroller.UpdateThumb();
        return 1;
    }
    if (m_r.RowCount() == 0)
        return m_scroller.FirstPage() ? 1 : -1;
    int top = m_r.IsKeyed() ? static_cast<int>(m_r.RowKey(0)) : m_r.m_firstIndex;
    // A list that shrank below the top row shows its last page.
    return m_scroller.PageAt(top, false) || m_scroller.LastPage() ? 1 : -1;
}

// Without text rows the row data is the key, not text: such texts always come from the parent.
int CListCommands::TextRow(const LCITEMREQUEST& block) const
{
    return m_r.HasText() ? m_r.RowOfItem(static_cast<int>(block.itemData)) : -1;
}

LRESULT CListCommands::GetText(const LCITEMREQUEST& block, WPARAM capacity)
{
    if (!block.pszText || capacity == 0)
        return -1;
    int row = TextRow(block);
    if (row >= 0)
        return CopyRowText(row, block.pszText, capacity);
    int item = static_cast<int>(block.itemData);
    if (!m_r.Query(LCN_GETTEXT, block.itemData, item))
        return -1;
    return CopyBounded(m_r.m_request.pszText, block.pszText, capacity);
}

LRESULT CListCommands::GetTextLength(const LCITEMREQUEST& block)
{
    int row = TextRow(block);
    if (row >= 0)
        return ChildMessage(LB_GETTEXTLEN, row, 0);
    LRESULT length = m_r.Ask(LCN_GETTEXTLEN, block.itemData, static_cast<int>(block.itemData));
    return m_r.m_request.nError == 0 ? length : -1;
}

LRESULT CListCommands::CopyRowText(int row, char* buffer, WPARAM capacity)
{
    LRESULT length = ChildMessage(LB_GETTEXTLEN, row, 0);
    if (length < 0)
        return -1;
    if (static_cast<WPARAM>(length) < capacity)
        return ChildMessage(LB_GETTEXT, row, reinterpret_cast<LPARAM>(buffer));
    std::unique_ptr<char[]> whole(new (std::nothrow) char[length + 1]);
    if (!whole)
        return -1;
    ChildMessage(LB_GETTEXT, row, reinterpret_cast<LPARAM>(whole.get()));
    return CopyBounded(whole.get(), buffer, capacity);
}

LRESULT CListCommands::Find(UINT query, const LCITEMREQUEST& block)
{
    m_r.m_request.lExtra = block.lExtra;
    if (!m_r.Query(query, block.itemData, block.itemID))
        return -1;
    return m_r.IsKeyed() ? static_cast<LRESULT>(m_r.m_request.itemData) : m_r.m_request.itemID;
}

LRESULT CListCommands::SelectFound(const LCITEMREQUEST& block)
{
    LRESULT found = Find(LCN_FINDITEMEX, block);
    if (found == -1 || m_selector.Select(LCN_GETAT, found) != 0)
        return -1;
    return found;
}

LRESULT CListCommands::GetItemRect(const LCITEMREQUEST& block)
{
    int row = m_r.RowOfItem(static_cast<int>(block.itemData));
    if (row < 0 || !block.pszText)
        return -1;
    return ChildMessage(LB_GETITEMRECT, row, reinterpret_cast<LPARAM>(block.pszText));
}

LRESULT CListCommands::GetItemData(const LCITEMREQUEST& block)
{
    int item = static_cast<int>(block.itemData);
    int row = m_r.RowOfItem(item);
    if (row >= 0)
        return static_cast<LRESULT>(m_r.RowKey(row));
    if (!m_r.Query(LCN_GETITEMDATA, block.itemData, item))
        return -1;
    return static_cast<LRESULT>(m_r.m_request.itemData);
}

LRESULT CListCommands::SetItemData(const LCITEMREQUEST& block)
{
    int row = m_r.RowOfItem(static_cast<int>(block.itemData));
    if (row < 0)
        return -1;
    return ChildMessage(LB_SETITEMDATA, row, static_cast<LPARAM>(static_cast<DWORD>(block.itemID)));
}

LRESULT CListCommands::SetItemHeight(int height)
{
    LRESULT result = ChildMessage(LB_SETITEMHEIGHT, 0, height);
    if (result != LB_ERR)
        m_layout.SetRowHeight(height);
    return result;
}

LRESULT CListCommands::TopItem() const
{
    if (!m_r.IsKeyed())
        return m_r.m_firstIndex;
    return m_r.RowCount() > 0 ? static_cast<LRESULT>(m_r.RowKey(0)) : -1;
}

LRESULT CListCommands::EnsureVisible(int item)
{
    int row = m_r.RowOfItem(item);
    if (row > 0)
    {
        m_scroller.PageDown(row - m_r.m_visibleRows);
        return 1;
    }
    return m_scroller.PageAt(item, true) ? 1 : -1;
}

LRESULT CListCommands::ChildMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    return SendMessageA(m_r.m_child, message, wParam, lParam);
}
