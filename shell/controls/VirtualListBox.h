#pragma once

#include "framework/ListBox.h"
#include "listctl/ListProtocol.h"

// The program's side of one list control placed in a dialog template. The control asks its
// parent for every row; the parent hands each query in the control's message range to its
// lists (HandlesListMessage picks the one it is for) and the list answers it in the handlers.
// Mouse messages that the control relays are taken here on their way to the parent, so each
// list sees only its own control's.
class CVirtualListBox : public CListBox
{
public:
    CVirtualListBox();

    virtual int GetCurSel() const;

    // mode: LCN_GETFIRST ... LCN_GETAT; item: the key or index. TRUE when the control moved.
    BOOL SelectItem(long item, UINT mode);
    LRESULT FindItem(long extra);
    LRESULT FindItemEx(long extra);
    LRESULT SelectItemEx(long extra);
    LRESULT GetItemData(long item);
    BOOL SetItemData(long item);

    BOOL Attach(CWnd* pDialog, UINT nID);

    // Whether a message that the parent got belongs to this list.
    bool HandlesListMessage(UINT message, WPARAM wParam, LPARAM lParam) const;
    virtual LRESULT OnListMessage(UINT message, WPARAM wParam, LPARAM lParam);

    void DrawItem(tagDRAWITEMSTRUCT* lpDrawItemStruct) override;
    void MeasureItem(tagMEASUREITEMSTRUCT* lpMeasureItemStruct) override;
    int CompareItem(tagCOMPAREITEMSTRUCT* lpCompareItemStruct) override;

protected:
    // Parent queries: the request arrives with nError -1; an answer sets it to 0.
    virtual LRESULT OnGetCount(LCITEMREQUEST* pRequest);
    virtual LRESULT OnGetFirst(LCITEMREQUEST* pRequest);
    virtual LRESULT OnGetLast(LCITEMREQUEST* pRequest);
    virtual LRESULT OnGetNext(LCITEMREQUEST* pRequest);
    virtual LRESULT OnGetPrev(LCITEMREQUEST* pRequest);
    virtual LRESULT OnGetItemData(LCITEMREQUEST* pRequest);
    virtual LRESULT OnGetAt(LCITEMREQUEST* pRequest);
    virtual LRESULT OnGetAtPercent(LCITEMREQUEST* pRequest);
    virtual LRESULT OnFindItem(LCITEMREQUEST* pRequest);
    virtual LRESULT OnFindItemEx(LCITEMREQUEST* pRequest);
    virtual LRESULT OnSpare(LCITEMREQUEST* pRequest);
    virtual LRESULT OnGetTextLen(LCITEMREQUEST* pRequest);
    virtual LRESULT OnGetText(LCITEMREQUEST* pRequest);
    virtual LRESULT OnItemDropped(LPARAM item);
    virtual LRESULT OnResetContent();

    // Relays of the control's mouse messages (parameters of the mouse message, point in the
    // control's inner list). 1: the control goes on as usual; 0 to a move swallows it.
    virtual LRESULT OnListLButtonDown(WPARAM wParam, LPARAM lParam);
    virtual LRESULT OnListLButtonUp(WPARAM wParam, LPARAM lParam);
    virtual LRESULT OnListMouseMove(WPARAM wParam, LPARAM lParam);
    virtual LRESULT OnListRButtonDown(WPARAM wParam, LPARAM lParam);

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

    LCITEMREQUEST m_request;

private:
    LRESULT SendRequest(UINT message, long extra);
    LRESULT DispatchQuery(UINT message, LCITEMREQUEST* pRequest);
    LRESULT DispatchRelay(UINT message, WPARAM wParam, LPARAM lParam);
};
