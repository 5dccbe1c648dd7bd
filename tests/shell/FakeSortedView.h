#pragma once
// A sorted recipe view over numbered rows "Recipe 00000" ... held in memory; it counts the
// cursor moves it is asked for. Rating of row i: i % 5 - 1.
#include <cstdio>

#include "database/SortedRecipeListItem.h"
#include "database/SortedListView.h"

class CFakeSortedView : public CSortedListView
{
public:
    static inline long s_rowCount = 0;
    static inline int s_fetches = 0;

    static std::unique_ptr<CSortedListView> Make(int) { return std::make_unique<CFakeSortedView>(); }

    static CString NameOf(long row)
    {
        char name[32];
        std::snprintf(name, sizeof name, "Recipe %05ld", row);
        return name;
    }

    bool OpenList(const CRecordId&, int) override
    {
        m_row = -1;
        return true;
    }
    long GetRowCount() const override { return s_rowCount; }
    int FetchFirst(CSortedRecipeListItem& item) override { return MoveTo(0, item); }
    int FetchNext(CSortedRecipeListItem& item) override { return MoveTo(m_row + 1, item); }
    int FetchPrev(CSortedRecipeListItem& item) override { return MoveTo(m_row - 1, item); }
    int FetchLast(CSortedRecipeListItem& item) override { return MoveTo(s_rowCount - 1, item); }
    int FetchAt(long index, CSortedRecipeListItem& item) override { return MoveTo(index, item); }

private:
    int MoveTo(long row, CSortedRecipeListItem& item)
    {
        ++s_fetches;
        if (row < 0 || row >= s_rowCount)
            return 3;
        m_row = row;
        item.m_name = NameOf(row);
        item.m_rating = row % 5 - 1;
        item.m_sortValue = static_cast<float>(row) / 2.0f;
        return 0;
    }

    long m_row = -1;
};
