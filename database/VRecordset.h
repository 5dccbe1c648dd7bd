#pragma once

#include <windef.h>

#include <memory>

#include "database/GenericRecordset.h"
#include "framework/String.h"
#include "database/SortedListView.h"

class CMultiRecordColumn;
class CPortRecordset;

// A sorted recipe list read one row at a time: its own statement with a static, read-only
// cursor, six result columns bound to one-row buffers, and a separate COUNT(*) so that the
// list can size itself first. The statement runs once per OpenList; moving to any row is one
// scroll of the open cursor. Fetches return 0 when a row was filled, another status when not.
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

    explicit CVRecordset(CCookbookDatabase* pDatabase);
    ~CVRecordset() override;

    CString GetDefaultSQL() override { return m_strStatement; }
    void DoFieldExchange(CFieldExchange*) override {}
    void Close() override;

    // The select list, source and order of a sort key: shared by every list.
    virtual BOOL OpenQuery(const CString& source, const CString& where, const CString& orderBy);
    virtual BOOL GetFetchFlag() const { return m_nFetchFlag; }
    virtual int CloseStatement();
    long GetRowCount() const override { return m_nRowCount; }
    virtual BOOL CountRows(const CString& where);

    // The text of the last statement run, for callers that show or test it.
    const CString& GetStatementText() const { return m_strStatement; }

protected:
    // The sixth select column and ORDER BY of a sort key (0-9; others sort as 0).
    static CString SortColumn(int sortKey);
    static CString SortOrder(int sortKey);
    static BOOL IsNutritionKey(int sortKey) { return sortKey >= 2 && sortKey <= 6; }
    void SetColumns(int sortKey);

    // Moves the cursor (SQL_FETCH_FIRST, ... with row for SQL_FETCH_ABSOLUTE) and fills the
    // item; noData is the status when there is no such row.
    int Scroll(short orientation, long row, CSortedRecipeListItem& item, int noData);
    BOOL Execute(const CString& where, const CString& orderBy);
    BOOL BindColumns();
    int FillItem(CSortedRecipeListItem& item);

    CString m_strColumns;
    CString m_strActiveColumns;
    int m_nSortKey;
    CString m_strSource;
    CPortRecordset* m_pRememberedRecordset;
    // 1-based position of the row in the buffers; 0 before the first.
    long m_nCurrentRow;
    long m_nRowCount;
    BOOL m_nFetchFlag;
    BOOL m_bBound;
    // One row per recipe even when a source lists a recipe more than once.
    BOOL m_bDistinct;
    std::unique_ptr<CMultiRecordColumn[]> m_pBuffers;
    CString m_strStatement;
};
