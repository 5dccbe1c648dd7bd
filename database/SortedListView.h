#pragma once

#include <memory>

class CRecordId;
class CSortedRecipeListItem;

// A sorted recipe list read one row at a time: what the list hosts need of the
// cookbook's sorted views. Fetches return 0 on success, another status when the
// cursor could not move (the item is then left as it was).
class CSortedListView
{
public:
    virtual ~CSortedListView() = default;

    virtual bool OpenList(const CRecordId& id, int sortKey) = 0;
    virtual long GetRowCount() const = 0;
    virtual int FetchFirst(CSortedRecipeListItem& item) = 0;
    virtual int FetchNext(CSortedRecipeListItem& item) = 0;
    virtual int FetchPrev(CSortedRecipeListItem& item) = 0;
    virtual int FetchLast(CSortedRecipeListItem& item) = 0;
    virtual int FetchAt(long index, CSortedRecipeListItem& item) = 0;
};

// Makes the view for a source mode (0 or 1 recipes of a chapter, 2 recipes of a category)
// on the current cookbook; null when there is none.
using SortedListViewFactory = std::unique_ptr<CSortedListView> (*)(int sourceMode);
