#pragma once

#include "database/VRecordset.h"

// The recipes of a chapter (id 0: every recipe), or of the contents lists of photos, videos
// and sounds (ids 999996-999998), in a sort order. Past either end a step returns the
// first or last row again.
class CVRcpRecordset : public CVRecordset
{
public:
    explicit CVRcpRecordset(CCookbookDatabase* pDatabase);

    bool OpenList(const CRecordId& chapterId, int sortKey) override;
    int FetchFirst(CSortedRecipeListItem& item) override;
    int FetchNext(CSortedRecipeListItem& item) override;
    int FetchPrev(CSortedRecipeListItem& item) override;
    int FetchLast(CSortedRecipeListItem& item) override;
    int FetchAt(long index, CSortedRecipeListItem& item) override;
};
