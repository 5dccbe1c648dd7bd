#pragma once
// The sorted recipe list of one chapter from rows the test keeps, counting how often the
// cookbook would have been asked for it.
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "database/RecordId.h"
#include "database/SortedListView.h"
#include "database/SortedRecipeListItem.h"

namespace printtest {

class CFakeChapterView : public CSortedListView
{
public:
    struct Row
    {
        const char* id;
        const char* title;
    };

    // The rows and the count are shared: the job makes its view through a plain function.
    static std::vector<Row>& Rows()
    {
        static std::vector<Row> rows;
        return rows;
    }
    static int& Opens()
    {
        static int opens = 0;
        return opens;
    }
    static std::unique_ptr<CSortedListView> Make(int /*sourceMode*/) { return std::make_unique<CFakeChapterView>(); }

    bool OpenList(const CRecordId& /*id*/, int /*sortKey*/) override
    {
        ++Opens();
        return true;
    }
    long GetRowCount() const override { return static_cast<long>(Rows().size()); }
    int FetchFirst(CSortedRecipeListItem& item) override { return FetchAt(m_next = 0, item); }
    int FetchNext(CSortedRecipeListItem& item) override { return FetchAt(++m_next, item); }
    int FetchPrev(CSortedRecipeListItem& item) override { return FetchAt(--m_next, item); }
    int FetchLast(CSortedRecipeListItem& item) override { return FetchAt(m_next = GetRowCount() - 1, item); }
    int FetchAt(long index, CSortedRecipeListItem& item) override
    {
        if (index < 0 || index >= GetRowCount())
            return 3;
        item.m_id = CRecordId(Rows()[static_cast<std::size_t>(index)].id);
        item.m_name = Rows()[static_cast<std::size_t>(index)].title;
        return 0;
    }

private:
    long m_next = 0;
};

}  // namespace printtest
