#include "shell/controls/VirtualListBox.h"

#include <windows.h>

namespace {

bool IsMouseRelay(UINT message)
{
    return message >= LCN_LBUTTONDOWN && message <= LCN_RBUTTONDOWN;
}

bool IsNotice(UINT message)
{
    return message == LCN_ITEMDROPPED || message == LCN_RESETCONTENT;
}

bool IsQuery(UINT message)
{
    return message >= LCN_FINDITEM && message <= LCN_GETATPERCENT;
}

}  // namespace

CVirtualListBox::CVirtualListBox() : m_request{} {}

int CVirtualListBox::GetCurSel() const
{
    return static_cast<int>(SendMessage(LCM_GETCURSEL));
}

BOOL CVirtualListBox::SelectItem(long item, UINT mode)
{
    return SendMessage(LCM_SELECT, mode, item) == 0;
}

LRESULT CVirtualListBox::SendRequest(UINT message, long extra)
{
    m_request.CtlID = static_cast<std::uint32_t>(GetDlgCtrlID());
    m_request.lExtra = static_cast<std::uint32_t>(extra);
    return SendMessage(message, 0, reinterpret_cast<LPARAM>(&m_request));
}

LRESULT CVirtualListBox::FindItem(long extra)
{
    return SendRequest(LCM_FINDITEM, extra);
}

LRESULT CVirtualListBox::FindItemEx(long extra)
{
    return SendRequest(LCM_FINDITEMEX, extra);
}

LRESULT CVirtualListBox::SelectItemEx(long extra)
{
    return SendRequest(LCM_SELECTITEMEX, extra);
}

LRESULT CVirtualListBox::GetItemData(long item)
{
    m_request.itemData = static_cast<std::uint32_t>(item);
    m_request.itemID = static_cast<std::int32_t>(item);
    return SendRequest(LCM_GETITEMDATA, 0);
}

BOOL CVirtualListBox::SetItemData(long item)
{
    m_request.itemData = static_cast<std::uint32_t>(item);
    m_request.itemID = static_cast<std::int32_t>(item);
    return SendRequest(LCM_SETITEMDATA, 0) != -1;
}

BOOL CVirtualListBox::Attach(CWnd* pDialog, UINT nID)
{
    return SubclassDlgItem(nID, pDialog);
}

bool CVirtualListBox::HandlesListMessage(UINT message, WPARAM wParam, LPARAM lParam) const
{
    if (m_hWnd == nullptr)
        return false;
    UINT id = static_cast<UINT>(GetDlgCtrlID());
    if (IsNotice(message))
        return wParam == id;
    if (!IsQuery(message) || lParam == 0)
        return false;
    return reinterpret_cast<const LCITEMREQUEST*>(lParam)->CtlID == id;
}

LRESULT CVirtualListBox::OnListMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == LCN_ITEMDROPPED)
        return OnItemDropped(lParam);
    if (message == LCN_RESETCONTENT)
        return OnResetContent();
    if (IsMouseRelay(message))
        return DispatchRelay(message, wParam, lParam);
    if (message < LCM_RESETCONTENT || message > LCN_GETATPERCENT)
        return 0;
    auto* pRequest = reinterpret_cast<LCITEMREQUEST*>(lParam);
    if (pRequest != nullptr && pRequest->CtlID != static_cast<std::uint32_t>(GetDlgCtrlID()))
        return 0;
    if (pRequest == nullptr || !IsQuery(message))
        return 1;
    pRequest->nError = -1;
    return DispatchQuery(message, pRequest);
}

LRESULT CVirtualListBox::DispatchQuery(UINT message, LCITEMREQUEST* pRequest)
{
    switch (message)
    {
    case LCN_GETCOUNT: return OnGetCount(pRequest);
    case LCN_GETFIRST: return OnGetFirst(pRequest);
    case LCN_GETLAST: return OnGetLast(pRequest);
    case LCN_GETNEXT: return OnGetNext(pRequest);
    case LCN_GETPREV: return OnGetPrev(pRequest);
    case LCN_GETITEMDATA: return OnGetItemData(pRequest);
    case LCN_GETAT: return OnGetAt(pRequest);
    case LCN_GETATPERCENT: return OnGetAtPercent(pRequest);
    case LCN_FINDITEM: return OnFindItem(pRequest);
    case LCN_FINDITEMEX: return OnFindItemEx(pRequest);
    case LCN_SPARE: return OnSpare(pRequest);
    case LCN_GETTEXTLEN: return OnGetTextLen(pRequest);
    default: return OnGetText(pRequest);
    }
}

LRESULT CVirtualListBox::DispatchRelay(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message)
    {
    case LCN_LBUTTONDOWN: return OnListLButtonDown(wParam, lParam);
    case LCN_LBUTTONUP: return OnListLButtonUp(wParam, lParam);
    case LCN_MOUSEMOVE: return OnListMouseMove(wParam, lParam);
    default: return OnListRButtonDown(wParam, lParam);
    }
}

// The control relays its list's mouse messages to the parent without saying which control it
// is; with two lists on a form the parent could not tell them apart, so each list answers
// its own control's relays here and they go no further.
LRESULT CVirtualListBox::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (IsMouseRelay(message))
        return OnListMessage(message, wParam, lParam);
    return CListBox::WindowProc(message, wParam, lParam);
}

LRESULT CVirtualListBox::OnGetCount(LCITEMREQUEST*)
{
    return 1;
}
LRESULT CVirtualListBox::OnGetFirst(LCITEMREQUEST*)
{
    return 1;
}
LRESULT CVirtualListBox::OnGetLast(LCITEMREQUEST*)
{
    return 1;
}
LRESULT CVirtualListBox::OnGetNext(LCITEMREQUEST*)
{
    return 1;
}
LRESULT CVirtualListBox::OnGetPrev(LCITEMREQUEST*)
{
    return 1;
}
LRESULT CVirtualListBox::OnGetItemData(LCITEMREQUEST*)
{
    return 1;
}
LRESULT CVirtualListBox::OnGetAt(LCITEMREQUEST*)
{
    return 1;
}
LRESULT CVirtualListBox::OnGetAtPercent(LCITEMREQUEST*)
{
    return 1;
}
LRESULT CVirtualListBox::OnFindItem(LCITEMREQUEST*)
{
    return 1;
}
LRESULT CVirtualListBox::OnFindItemEx(LCITEMREQUEST*)
{
    return 1;
}
LRESULT CVirtualListBox::OnSpare(LCITEMREQUEST*)
{
    return 1;
}
LRESULT CVirtualListBox::OnGetTextLen(LCITEMREQUEST*)
{
    return 1;
}
LRESULT CVirtualListBox::OnGetText(LCITEMREQUEST*)
{
    return 1;
}
LRESULT CVirtualListBox::OnItemDropped(LPARAM)
{
    return 1;
}
LRESULT CVirtualListBox::OnResetContent()
{
    return 1;
}

LRESULT CVirtualListBox::OnListLButtonDown(WPARAM, LPARAM)
{
    return 1;
}
LRESULT CVirtualListBox::OnListLButtonUp(WPARAM, LPARAM)
{
    return 1;
}
LRESULT CVirtualListBox::OnListMouseMove(WPARAM, LPARAM)
{
    return 1;
}
LRESULT CVirtualListBox::OnListRButtonDown(WPARAM, LPARAM)
{
    return 1;
}

void CVirtualListBox::DrawItem(tagDRAWITEMSTRUCT*) {}
void CVirtualListBox::MeasureItem(tagMEASUREITEMSTRUCT*) {}
int CVirtualListBox::CompareItem(tagCOMPAREITEMSTRUCT*)
{
    return 0;
}
