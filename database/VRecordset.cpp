#include "database/VRecordset.h"

#include <windows.h>
#include <sql.h>
#include <sqlext.h>

#include <algorithm>

#include "database/CookbookDatabase.h"
#include "database/SqlText.h"
#include "framework/DBException.h"
#include "framework/OdbcStatement.h"
#include "res/resource.h"

CVRecordset::CVRecordset(CCookbookDatabase* pDatabase)
    : CGenericRecordset(pDatabase), m_pRememberedRecordset(nullptr), m_nSortKey(0), m_nRowCount(0),
      m_nRowsWithoutValue(-1), m_nFirstRow(0), m_nCurrentRow(-1)
{
}

CString CVRecordset::SortOrder(int sortKey)
{
    const CString title = LoadSchemaText(IDS_COL_RECIPE_TITLE);
    if (sortKey == 1)
        return CSortedListQuery::SortColumn(1) + " DESC," + title;
    if (sortKey >= 2 && sortKey <= 9)
        return CSortedListQuery::SortColumn(sortKey) + "," + title;
    return title;
}

CString CVRecordset::SelectList(int sortKey)
{
    CString columns;
    for (UINT id : {IDS_COL_RECIPE_RECIPE, IDS_COL_RECIPE_TITLE, IDS_COL_RECIPE_COOKBOOK, IDS_COL_RECIPE_SERVINGS,
                    IDS_COL_RECIPE_RATING})
        columns += LoadSchemaText(id) + ",";
    return columns + CSortedListQuery::SortColumn(sortKey);
}

bool CVRecordset::OpenWindows(const CSortedListQuery& query, int sortKey, const CString& statement)
{
    m_query = std::make_unique<CSortedListQuery>(query);
    m_nSortKey = sortKey;
    m_strStatement = statement;
    m_rows.clear();
    m_nFirstRow = 0;
    m_nCurrentRow = -1;
    m_nRowsWithoutValue = -1;
    try
    {
        const CString stamp = ReadChangeStamp();
        if (query.CountStatement() != m_strCounted || stamp != m_strCountStamp)
        {
            m_strCounted.Empty();
            m_nRowCount = Count(query.CountStatement());
            m_strCounted = query.CountStatement();
            m_strCountStamp = stamp;
        }
        return true;
    }
    catch (CDBException* e)
    {
        m_nRowCount = 0;
        ReportException(e, LoadSchemaText(IDS_DATABASE_ERROR));
        e->Delete();
        return false;
    }
}

int CVRecordset::MoveTo(long index, CSortedRecipeListItem& item, int noData)
{
    if (!m_query || index < 0 || index >= m_nRowCount)
        return noData;
    if (!IsRead(index))
    {
        try
        {
            ReadWindowFor(index);
        }
        catch (CDBException* e)
        {
            ReportException(e, LoadSchemaText(IDS_DATABASE_ERROR));
            e->Delete();
            return kFetchError;
        }
        // Fewer rows than counted: another program changed the cookbook meanwhile.
        if (!IsRead(index))
            return noData;
    }
    m_nCurrentRow = index;
    item = GetCurrentItem();
    item.m_number = index;
    return kFilled;
}

bool CVRecordset::IsRead(long index) const
{
    return index >= m_nFirstRow && index < m_nFirstRow + static_cast<long>(m_rows.size());
}

// A step off either edge of the rows read reads on from the edge row's sort values; anything
// else reads by position.
void CVRecordset::ReadWindowFor(long index)
{
    std::vector<Row> rows;
    const long end = m_nFirstRow + static_cast<long>(m_rows.size());
    if (index == end && !m_rows.empty() && m_rows.back().key.seekable)
    {
        ReadBeyond(m_rows.back().key, false, rows);
        TakeRows(rows, false, end);
    }
    else if (index == m_nFirstRow - 1 && !m_rows.empty() && m_rows.front().key.seekable)
    {
        ReadBeyond(m_rows.front().key, true, rows);
        TakeRows(rows, true, m_nFirstRow);
    }
    else if (index == m_nRowCount - 1)
    {
        ReadLast();
    }
    else
    {
        ReadAround(index);
    }
}

void CVRecordset::ReadBeyond(const SortedListKey& key, bool backwards, std::vector<Row>& rows)
{
    for (const SortedListStatement& statement : m_query->ReadBeyond(key, backwards, kWindowRows))
    {
        if (static_cast<long>(rows.size()) >= kWindowRows)
            return;
        Run(statement, key.segment, rows);
    }
    const int step = backwards ? -1 : 1;
    for (int segment = key.segment + step;
         segment >= 0 && segment < m_query->SegmentCount() && static_cast<long>(rows.size()) < kWindowRows;
         segment += step)
        Run(m_query->Read(segment, backwards, 0, kWindowRows - static_cast<long>(rows.size())), segment, rows);
}

void CVRecordset::ReadLast()
{
    std::vector<Row> rows;
    for (int segment = m_query->SegmentCount() - 1; segment >= 0 && static_cast<long>(rows.size()) < kWindowRows;
         --segment)
        Run(m_query->Read(segment, true, 0, kWindowRows - static_cast<long>(rows.size())), segment, rows);
    TakeRows(rows, true, m_nRowCount);
}

// Backwards rows arrive last first and end before edge; others start at edge.
void CVRecordset::TakeRows(std::vector<Row>& rows, bool backwards, long edge)
{
    if (backwards)
        std::reverse(rows.begin(), rows.end());
    m_nFirstRow = backwards ? edge - static_cast<long>(rows.size()) : edge;
    m_rows.swap(rows);
}

void CVRecordset::ReadAround(long index)
{
    long first = std::max(0L, std::min(index - kWindowRows / 2, m_nRowCount - kWindowRows));
    const long start = first;
    int segment = 0;
    while (first > 0 && segment + 1 < m_query->SegmentCount() && first >= SegmentRows(segment))
        first -= SegmentRows(segment++);
    std::vector<Row> rows;
    ReadFromSegment(segment, first, rows);
    for (++segment; segment < m_query->SegmentCount() && static_cast<long>(rows.size()) < kWindowRows; ++segment)
        Run(m_query->Read(segment, false, 0, kWindowRows - static_cast<long>(rows.size())), segment, rows);
    TakeRows(rows, false, start);
}

// Skipping rows walks the index one entry at a time: from the nearer end of the segment.
void CVRecordset::ReadFromSegment(int segment, long offset, std::vector<Row>& rows)
{
    if (offset == 0)
    {
        Run(m_query->Read(segment, false, 0, kWindowRows), segment, rows);
        return;
    }
    const long segmentRows = SegmentRows(segment);
    const long wanted = std::min(kWindowRows, segmentRows - offset);
    if (offset <= segmentRows / 2 || wanted <= 0)
    {
        Run(m_query->Read(segment, false, offset, kWindowRows), segment, rows);
        return;
    }
    Run(m_query->Read(segment, true, segmentRows - offset - wanted, wanted), segment, rows);
    std::reverse(rows.begin(), rows.end());
}

long CVRecordset::SegmentRows(int segment)
{
    if (m_query->SegmentCount() == 1)
        return m_nRowCount;
    if (m_nRowsWithoutValue < 0)
        m_nRowsWithoutValue = Count(m_query->NullSegmentCountStatement());
    return segment == m_query->NullSegment() ? m_nRowsWithoutValue : m_nRowCount - m_nRowsWithoutValue;
}

void CVRecordset::Run(const SortedListStatement& statement, int segment, std::vector<Row>& rows)
{
    COdbcStatement odbc(*m_pDatabase);
    SQLHSTMT hstmt = odbc.GetHandle();
    odbc.Prepare(statement.sql);
    std::vector<SQLLEN> lengths(statement.parameters.size(), SQL_NTS);
    for (size_t i = 0; i < statement.parameters.size(); ++i)
    {
        const CString& text = statement.parameters[i];
        odbc.Check(SQLBindParameter(hstmt, static_cast<SQLUSMALLINT>(i + 1), SQL_PARAM_INPUT, SQL_C_CHAR, SQL_VARCHAR,
                                    static_cast<SQLULEN>(text.GetLength()), 0, const_cast<char*>(text.GetString()), 0,
                                    &lengths[i]));
    }
    odbc.Execute();
    while (odbc.Fetch())
        rows.push_back(ReadRow(odbc, segment));
}

// A NULL column (a recipe without nutrition) reads as 0.
CVRecordset::Row CVRecordset::ReadRow(COdbcStatement& statement, int segment) const
{
    Row row;
    CSortedRecipeListItem& item = row.item;
    statement.GetText(CSortedListQuery::kRecipe, row.key.recipe);
    item.m_id = CRecordId(row.key.recipe);
    row.key.seekable = statement.GetText(CSortedListQuery::kTitle, item.m_name) != FALSE;
    row.key.title = item.m_name;
    CString chapter;
    statement.GetText(CSortedListQuery::kChapter, chapter);
    item.m_chapterId = CRecordId(chapter);
    long number = 0;
    statement.GetLong(CSortedListQuery::kServings, number);
    item.m_servings = static_cast<WORD>(number);
    statement.GetLong(CSortedListQuery::kRating, number);
    item.m_rating = number;
    item.m_type = 'R';
    double sortValue = 0.0;
    if (m_nSortKey == 1)
        sortValue = item.m_rating;
    else if (CSortedListQuery::IsDoubleKey(m_nSortKey))
        statement.GetDouble(CSortedListQuery::kSortValue, sortValue);
    else if (m_nSortKey == 7 || m_nSortKey == 8)
        sortValue = statement.GetLong(CSortedListQuery::kSortValue, number) ? number : 0;
    item.m_sortValue = static_cast<float>(sortValue);
    row.key.segment = segment;
    return row;
}

// Changes through this connection and commits through any other, so that an unchanged
// stamp means an unchanged cookbook.
CString CVRecordset::ReadChangeStamp()
{
    COdbcStatement statement(*m_pDatabase);
    statement.ExecDirect("SELECT total_changes() || '.' || data_version FROM pragma_data_version()");
    CString stamp;
    if (statement.Fetch())
        statement.GetText(1, stamp);
    return stamp;
}

long CVRecordset::Count(const CString& sql)
{
    COdbcStatement statement(*m_pDatabase);
    statement.ExecDirect(sql);
    long count = 0;
    if (statement.Fetch())
        statement.GetLong(1, count);
    return count;
}
