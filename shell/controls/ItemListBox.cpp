#include "shell/controls/ItemListBox.h"

#include <windows.h>

#include "shell/controls/ListControlLibrary.h"

CItemListBox::CItemListBox()
{
    CListControlLibrary::AddHost();
}

// The control's window class lives in the library: the window goes before the library can.
CItemListBox::~CItemListBox()
{
    if (m_hWnd != nullptr && ::IsWindow(m_hWnd))
        DestroyWindow();
    CListControlLibrary::RemoveHost();
}

LRESULT CItemListBox::Initialise(int sortKey, const CRecordId& id)
{
    bool existed = false;
    bool opened = m_cache.Open(id, sortKey, existed);
    if (existed)
        return opened;
    return SendMessage(LCM_INIT);
}

void CItemListBox::Reset()
{
    m_cache.Empty();
    SendMessage(LCM_RESETCONTENT);
}

LRESULT CItemListBox::OnGetCount(LCITEMREQUEST* pRequest)
{
    pRequest->itemID = static_cast<std::int32_t>(m_cache.Count());
    pRequest->nError = 0;
    return 1;
}

LRESULT CItemListBox::OnGetFirst(LCITEMREQUEST* pRequest)
{
    return Answer(pRequest, 0, m_cache.First());
}

LRESULT CItemListBox::OnGetLast(LCITEMREQUEST* pRequest)
{
    long count = m_cache.Count();
    return Answer(pRequest, count - 1, m_cache.Last());
}

LRESULT CItemListBox::OnGetNext(LCITEMREQUEST* pRequest)
{
    long key = static_cast<long>(pRequest->itemData);
    return Answer(pRequest, key + 1, m_cache.Next(key));
}

LRESULT CItemListBox::OnGetPrev(LCITEMREQUEST* pRequest)
{
    long key = static_cast<long>(pRequest->itemData);
    return Answer(pRequest, key - 1, m_cache.Prev(key));
}

LRESULT CItemListBox::OnGetAt(LCITEMREQUEST* pRequest)
{
    long key = static_cast<long>(pRequest->itemData);
    return Answer(pRequest, key, m_cache.At(key));
}

LRESULT CItemListBox::Answer(LCITEMREQUEST* pRequest, long index, CSortedRecipeListItem* pItem)
{
    if (pItem == nullptr)
    {
        pRequest->nError = -1;
        return 0;
    }
    return FillRequest(pRequest, index, pItem);
}

// The control copies the text before it asks again, so the cached item's text may be lent.
LRESULT CItemListBox::FillRequest(LCITEMREQUEST* pRequest, long index, CSortedRecipeListItem* pItem)
{
    pRequest->itemData = static_cast<std::uint32_t>(index);
    pRequest->itemID = static_cast<std::int32_t>(index);
    pRequest->nError = 0;
    pRequest->pszText = const_cast<char*>(static_cast<LPCSTR>(pItem->m_name));
    return 1;
}
