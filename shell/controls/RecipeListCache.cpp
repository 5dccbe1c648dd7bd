#include "shell/controls/RecipeListCache.h"

#include "shell/controls/SortedViewFactory.h"

SortedListViewFactory CRecipeListCache::s_viewFactory = &MakeSortedListView;

void CRecipeListCache::SetViewFactory(SortedListViewFactory factory)
{
    s_viewFactory = factory;
}

bool CRecipeListCache::Open(const CRecordId& id, int sortKey, bool& existed)
{
    existed = m_view != nullptr;
    if (!m_view && s_viewFactory)
        m_view = s_viewFactory(m_sourceMode);
    if (!m_view)
        return false;
    Empty();
    m_viewPosition = -1;
    return m_view->OpenList(id, sortKey);
}

void CRecipeListCache::Empty()
{
    m_cache.DeleteAll();
    m_firstCached = -1;
}

long CRecipeListCache::LastCachedIndex() const
{
    return m_firstCached + m_cache.GetCount() - 1;
}

bool CRecipeListCache::IsCached(long index) const
{
    return !m_cache.IsEmpty() && m_firstCached != -1 && m_firstCached <= index && LastCachedIndex() >= index;
}

CSortedRecipeListItem* CRecipeListCache::Cached(long index) const
{
    return static_cast<CSortedRecipeListItem*>(m_cache.GetAt(m_cache.FindIndex(index - m_firstCached)));
}

long CRecipeListCache::Count()
{
    return m_view ? m_view->GetRowCount() : 0;
}

CSortedRecipeListItem* CRecipeListCache::First()
{
    if (IsCached(0))
        return Cached(0);
    if (!m_view || m_view->FetchFirst(m_record) != 0)
        return nullptr;
    return StartWindow(0);
}

CSortedRecipeListItem* CRecipeListCache::Next(long index)
{
    long next = index + 1;
    if (next >= Count() || next < 0)
        return nullptr;
    if (IsCached(next))
        return Cached(next);
    int status = m_viewPosition == index ? m_view->FetchNext(m_record) : m_view->FetchAt(next, m_record);
    return status == 0 ? AddTail(next) : LostPosition();
}

CSortedRecipeListItem* CRecipeListCache::Prev(long index)
{
    long previous = index - 1;
    if (previous < 0 || previous >= Count())
        return nullptr;
    if (IsCached(previous))
        return Cached(previous);
    int status = m_viewPosition == index ? m_view->FetchPrev(m_record) : m_view->FetchAt(previous, m_record);
    return status == 0 ? AddHead(previous) : LostPosition();
}

CSortedRecipeListItem* CRecipeListCache::Last()
{
    long last = Count() - 1;
    if (last < 0)
        return nullptr;
    if (IsCached(last))
        return Cached(last);
    if (m_view->FetchLast(m_record) != 0)
        return nullptr;
    return StartWindow(last);
}

CSortedRecipeListItem* CRecipeListCache::At(long index)
{
    if (IsCached(index))
        return Cached(index);
    if (index < 0 || index >= Count() || m_view->FetchAt(index, m_record) != 0)
        return nullptr;
    return StartWindow(index);
}

CSortedRecipeListItem* CRecipeListCache::StartWindow(long index)
{
    Empty();
    return AddTail(index);
}

CSortedRecipeListItem* CRecipeListCache::AddTail(long index)
{
    if (!m_cache.IsEmpty() && index != LastCachedIndex() + 1)
        Empty();
    if (m_cache.GetCount() == Capacity)
        DeleteHead();
    auto* item = static_cast<CSortedRecipeListItem*>(m_record.Clone());
    m_cache.AddTail(item);
    if (m_cache.GetCount() == 1)
        m_firstCached = index;
    m_viewPosition = index;
    return item;
}

CSortedRecipeListItem* CRecipeListCache::AddHead(long index)
{
    if (!m_cache.IsEmpty() && index != m_firstCached - 1)
        Empty();
    if (m_cache.GetCount() == Capacity)
        DeleteTail();
    auto* item = static_cast<CSortedRecipeListItem*>(m_record.Clone());
    m_cache.AddHead(item);
    m_firstCached = index;
    m_viewPosition = index;
    return item;
}

// A failed move may leave the view's cursor anywhere: the next read goes by index.
CSortedRecipeListItem* CRecipeListCache::LostPosition()
{
    m_viewPosition = -1;
    return nullptr;
}

void CRecipeListCache::DeleteHead()
{
    delete m_cache.RemoveHead();
    ++m_firstCached;
}

void CRecipeListCache::DeleteTail()
{
    delete m_cache.RemoveTail();
}
