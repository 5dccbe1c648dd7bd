#pragma once
// The control messages (LCM_*) that a host sends to a Lumbra window.

#include "listctl/ListScroller.h"
#include "listctl/ListSelector.h"

#include <windows.h>

class CListLayout;
class CListRecord;
struct LCITEMREQUEST;

class CListCommands
{
public:
    CListCommands(CListRecord& record, CListLayout& layout)
        : m_r(record), m_layout(layout), m_scroller(record), m_selector(record)
    {
    }

    static bool IsCommand(UINT message);
    LRESULT OnCommand(UINT message, WPARAM wParam, LPARAM lParam);

private:
    LRESULT OnItemCommand(UINT message, WPARAM wParam, LCITEMREQUEST& block);
    LRESULT Restart(bool init);
    void AskCount();
    LRESULT Refresh();
    LRESULT GetText(const LCITEMREQUEST& block, WPARAM capacity);
    LRESULT GetTextLength(const LCITEMREQUEST& block);
    LRESULT CopyRowText(int row, char* buffer, WPARAM capacity);
    LRESULT Find(UINT query, const LCITEMREQUEST& block);
    LRESULT SelectFound(const LCITEMREQUEST& block);
    LRESULT GetItemRect(const LCITEMREQUEST& block);
    LRESULT GetItemData(const LCITEMREQUEST& block);
    LRESULT SetItemData(const LCITEMREQUEST& block);
    LRESULT SetItemHeight(int height);
    LRESULT TopItem() const;
    LRESULT EnsureVisible(int item);
    int TextRow(const LCITEMREQUEST& block) const;
    LRESULT ChildMessage(UINT message, WPARAM wParam, LPARAM lParam);

    CListRecord& m_r;
    CListLayout& m_layout;
    CListScroller m_scroller;
    CListSelector m_selector;
};
