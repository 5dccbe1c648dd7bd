#pragma once
// The state of one Lumbra window and the row, query, drawing and focus primitives that the
// walks are built from. The child list box holds only the loaded rows; every row carries its
// item's key as row data.

#include "listctl/ListProtocol.h"

#include <windows.h>

class CListRecord
{
public:
    enum : unsigned short
    {
        StateText = 1,
        StateKeyed = 2,
        StateFocusPending = 8,
        StateFocused = 0x10,
    };

    CListRecord(HWND hwnd, DWORD creationStyle);

    bool IsKeyed() const { return (m_state & StateKeyed) != 0; }
    bool HasText() const { return (m_state & StateText) != 0; }
    bool CountKnown() const { return m_total >= 0; }
    bool HasStyle(DWORD bits) const { return (m_style & bits) != 0; }

    // Send a query on the control's own block: Ask gives the reply, Query whether the parent
    // cleared nError.
    LRESULT Ask(UINT code, DWORD key, int index);
    bool Query(UINT code, DWORD key, int index);
    void NotifyParent(UINT code, LPARAM lParam) const;

    int RowCount() const;
    DWORD RowKey(int row) const;
    int ItemOfRow(int row) const;
    int RowOfItem(int item) const;      // -1 when the item is not loaded
    int ReferenceIndex(int row) const;  // what a query passes as itemID for a row
    void InsertAnsweredRow(int row);    // -1 appends
    void DropRow(int row);
    void DropAllRows();
    // Leaves the answered row alone in the list. The parent may query from its handler of the
    // reset notice, on the same request block: the row goes in before the notice, and the
    // answer is kept across it for the page that is built from it.
    void ReplaceRowsWithAnswer();

    int SelectedRow() const;
    bool SelectRow(int row);
    void ClearRowSelection();
    bool RowMatches(int row) const;
    bool SelectIfMatch(int row);
    void ReselectSelection();
    void Synchronise();

    void SuspendRedraw();
    void ResumeRedraw();
    bool IsDrawing() const { return m_redraw > 0; }
    void SetFocusPending(bool pending);

    HWND m_hwnd;
    UINT m_ctlId = 0;
    HWND m_parent = nullptr;
    HWND m_child = nullptr;
    WNDPROC m_childProc = nullptr;
    int m_rowHeight = 1;
    int m_visibleRows = 0;
    DWORD m_style;
    HFONT m_font = nullptr;
    int m_firstIndex = 0;
    // The top item while the control is too low for one row, so that growing back reloads
    // from it; any page load forgets it.
    bool m_topHidden = false;
    int m_hiddenTop = 0;
    int m_total = -2;
    LCITEMREQUEST m_request{};
    unsigned short m_state = 0;
    int m_selection = -1;
    int m_redraw = 1;
    bool m_horzBarShown = false;
};
