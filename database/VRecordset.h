#pragma once

#include <windef.h>

#include <memory>
#include <vector>

#include "database/GenericRecordset.h"
#include "database/SortedListQuery.h"
#include "database/SortedListView.h"
#include "database/SortedRecipeListItem.h"
#include "framework/String.h"

class COdbcStatement;
class CPortRecordset;

// A sorted recipe list read a window of rows at a time: opening it only counts its rows, and a
// move outside the rows read so far reads the next window, after or before them by their sort
// values or at a position, each walking one index. So a page costs the same at any place in a
// list of any length. Fetches return 0 when a row was filled, another status when not.
class CVRecordset : public CGenericRecordset, public CSortedListView
{
public:
    enum FetchStatus
    {
        kFilled = 0,
        kNoRowBefore = 1,
        kNoRowAfter = 2,
        kNoRow = 3,
        kFetchError = 4
    };

    // Rows read by one window statement.
    static constexpr long kWindowRows = 64;

    explicit CVRecordset(CCookbookDatabase* pDatabase);

    CString GetDefaultSQL() override { return m_strStatement; }
    void DoFieldExchange(CFieldExchange*) override {}
    long GetRowCount() const override { return m_nRowCount; }

    // The whole list as one statement, for callers that show or test it; the windows read it
    // piece by piece, ties broken by the recipe id.
    const CString& GetStatementText() const { return m_strStatement; }

protected:
    struct Row
    {
        CSortedRecipeListItem item;
        SortedListKey key;
    };

    static CString SortOrder(int sortKey);
    static CString SelectList(int sortKey);
    // Counts the list and forgets the rows read before; statement describes the whole list.
    bool OpenWindows(const CSortedListQuery& query, int sortKey, const CString& statement);
    // Moves to the row at index and copies it into item; noData when the list has no such row.
    int MoveTo(long index, CSortedRecipeListItem& item, int noData);
    // -1 before the first move.
    long GetCurrentRow() const { return m_nCurrentRow; }
    const CSortedRecipeListItem& GetCurrentItem() const { return m_rows[m_nCurrentRow - m_nFirstRow].item; }

    CPortRecordset* m_pRememberedRecordset;

private:
    bool IsRead(long index) const;
    void ReadWindowFor(long index);
    void ReadAround(long index);
    void ReadFromSegment(int segment, long offset, std::vector<Row>& rows);
    void ReadBeyond(const SortedListKey& key, bool backwards, std::vector<Row>& rows);
    void ReadLast();
    void TakeRows(std::vector<Row>& rows, bool backwards, long first);
    long SegmentRows(int segment);
    void Run(const SortedListStatement& statement, int segment, std::vector<Row>& rows);
    Row ReadRow(COdbcStatement& statement, int segment) const;
    long Count(const CString& sql);
    CString ReadChangeStamp();

    std::unique_ptr<CSortedListQuery> m_query;
    int m_nSortKey;
    long m_nRowCount;
    // What the count was read for: a new sort order of an unchanged list keeps it.
    CString m_strCounted;
    CString m_strCountStamp;
    // Rows without a sort value, counted when a read by position first needs it; -1 until then.
    long m_nRowsWithoutValue;
    std::vector<Row> m_rows;
    long m_nFirstRow;
    long m_nCurrentRow;
    CString m_strStatement;
};
