#pragma once

#include "shell/controls/RecipeListCache.h"
#include "shell/controls/VirtualListBox.h"

class CRecordId;

// A list control host that answers the control's row queries from a cached window over a
// sorted recipe view; the row index is the key. The list control library stays loaded
// while any of these exists (the constructor throws the file exception when it is missing).
class CItemListBox : public CVirtualListBox
{
public:
    CItemListBox();
    ~CItemListBox() override;

    // Opens the rows; on the first call also starts the control. Non-zero on success.
    LRESULT Initialise(int sortKey, const CRecordId& id);
    void Reset();
    CSortedRecipeListItem* GetItemAt(long index) { return m_cache.At(index); }
    const CCustObList& GetItemList() const { return m_cache.GetItemList(); }
    void SetSourceMode(int mode) { m_cache.SetSourceMode(mode); }

protected:
    LRESULT OnGetCount(LCITEMREQUEST* pRequest) override;
    LRESULT OnGetFirst(LCITEMREQUEST* pRequest) override;
    LRESULT OnGetLast(LCITEMREQUEST* pRequest) override;
    LRESULT OnGetNext(LCITEMREQUEST* pRequest) override;
    LRESULT OnGetPrev(LCITEMREQUEST* pRequest) override;
    LRESULT OnGetAt(LCITEMREQUEST* pRequest) override;

    virtual LRESULT FillRequest(LCITEMREQUEST* pRequest, long index, CSortedRecipeListItem* pItem);

    CRecipeListCache m_cache;

private:
    LRESULT Answer(LCITEMREQUEST* pRequest, long index, CSortedRecipeListItem* pItem);
};
