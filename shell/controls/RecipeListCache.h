#pragma once

#include <memory>

#include "database/CustObList.h"
#include "database/SortedRecipeListItem.h"
#include "shell/controls/ListItemSource.h"
#include "database/SortedListView.h"

class CRecordId;

// A window of up to Capacity consecutive rows over a sorted view, so that a list control
// scrolling row by row reads each row from the cookbook once. The window only ever holds
// consecutive rows: a row fetched away from it starts a new window.
class CRecipeListCache : public CListItemSource
{
public:
    static constexpr int Capacity = 50;

    CRecipeListCache() = default;
    CRecipeListCache(const CRecipeListCache&) = delete;
    CRecipeListCache& operator=(const CRecipeListCache&) = delete;

    // The factory that makes views: the current cookbook's unless replaced (tests do).
    static void SetViewFactory(SortedListViewFactory factory);

    // Queries the view (made on first use). existed: whether it was there before.
    bool Open(const CRecordId& id, int sortKey, bool& existed);
    void Empty();
    void SetSourceMode(int mode) { m_sourceMode = mode; }
    const CCustObList& GetItemList() const { return m_cache; }
    long GetFirstCachedIndex() const { return m_firstCached; }

    long Count() override;
    CSortedRecipeListItem* First() override;
    CSortedRecipeListItem* Next(long index) override;
    CSortedRecipeListItem* Prev(long index) override;
    CSortedRecipeListItem* Last() override;
    CSortedRecipeListItem* At(long index) override;

private:
    bool IsCached(long index) const;
    long LastCachedIndex() const;
    CSortedRecipeListItem* Cached(long index) const;
    CSortedRecipeListItem* AddTail(long index);
    CSortedRecipeListItem* AddHead(long index);
    CSortedRecipeListItem* StartWindow(long index);
    CSortedRecipeListItem* LostPosition();
    void DeleteHead();
    void DeleteTail();

    static SortedListViewFactory s_viewFactory;

    CCustObList m_cache;
    long m_firstCached = -1;
    CSortedRecipeListItem m_record;
    std::unique_ptr<CSortedListView> m_view;
    long m_viewPosition = -1;
    int m_sourceMode = 1;
};
