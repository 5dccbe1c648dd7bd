#pragma once

class CSortedRecipeListItem;

// Rows of a virtual list by absolute index. A null item: no such row, or it could not be read.
// Items stay valid until the source's next call.
class CListItemSource
{
public:
    virtual ~CListItemSource() = default;

    virtual long Count() = 0;
    virtual CSortedRecipeListItem* First() = 0;
    virtual CSortedRecipeListItem* Next(long index) = 0;
    virtual CSortedRecipeListItem* Prev(long index) = 0;
    virtual CSortedRecipeListItem* Last() = 0;
    virtual CSortedRecipeListItem* At(long index) = 0;
};
