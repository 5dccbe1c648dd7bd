#include "database/VRecordset.h"

#include <windows.h>
#include <sql.h>
#include <sqlext.h>

#include "database/CookbookDatabase.h"
#include "database/FieldValue.h"
#include "database/MultiRecordColumn.h"
#include "database/SortedRecipeListItem.h"
#include "framework/DBException.h"
#include "framework/OdbcStatement.h"
#include "res/resource.h"
#include "database/SqlText.h"

namespace {

struct SortKey
{
    UINT column;
    BOOL isDouble;
    UINT bufferName;
};

// Keys 0 and 1 select PREP_MIN and RATING into a long buffer named TOTAL_MIN.
const SortKey kSortKeys[] = {
    {IDS_COL_RECIPE_PREP_MIN, FALSE, IDS_COL_RECIPE_TOTAL_MIN},
    {IDS_COL_RECIPE_RATING, FALSE, IDS_COL_RECIPE_TOTAL_MIN},
    {IDS_COL_ING_NUTRITION_CALORIES, TRUE, IDS_COL_ING_NUTRITION_CALORIES},
    {IDS_COL_ING_NUTRITION_PCNT_CAL_FAT, TRUE, IDS_COL_ING_NUTRITION_PCNT_CAL_FAT},
    {IDS_COL_ING_NUTRITION_TOTAL_FAT, TRUE, IDS_COL_ING_NUTRITION_TOTAL_FAT},
    {IDS_COL_ING_NUTRITION_SODIUM, TRUE, IDS_COL_ING_NUTRITION_SODIUM},
    {IDS_COL_ING_NUTRITION_CHOLESTRL, TRUE, IDS_COL_ING_NUTRITION_CHOLESTRL},
    {IDS_COL_RECIPE_TOTAL_MIN, FALSE, IDS_COL_RECIPE_TOTAL_MIN},
    {IDS_COL_RECIPE_PREP_MIN, FALSE, IDS_COL_RECIPE_PREP_MIN},
    {IDS_COL_RECIPE_COST, TRUE, IDS_COL_RECIPE_COST},
};

const SortKey& KeyOf(int sortKey)
{
    return kSortKeys[sortKey >= 0 && sortKey <= 9 ? sortKey : 0];
}

enum Column
{
    kRecipe,
    kTitle,
    kChapter,
    kServings,
    kRating,
    kSortValue,
    kColumnCount
};

}  // namespace

CVRecordset::CVRecordset(CCookbookDatabase* pDatabase)
    : CGenericRecordset(pDatabase), m_strColumns("*"), m_nSortKey(0), m_pRememberedRecordset(nullptr), m_nCurrentRow(0),
      m_nRowCount(0), m_nFetchFlag(1), m_bBound(FALSE), m_bDistinct(FALSE)
{
}

CVRecordset::~CVRecordset()
{
    CVRecordset::Close();
}

void CVRecordset::Close()
{
    CGenericRecordset::Close();
    m_bBound = FALSE;
    m_nCurrentRow = 0;
}

CString CVRecordset::SortColumn(int sortKey)
{
    return LoadSchemaText(KeyOf(sortKey).column);
}

CString CVRecordset::SortOrder(int sortKey)
{
    const CString title = LoadSchemaText(IDS_COL_RECIPE_TITLE);
    if (sortKey == 1)
        return SortColumn(1) + " DESC," + title;
    if (sortKey >= 2 && sortKey <= 9)
        return SortColumn(sortKey) + "," + title;
    return title;
}

void CVRecordset::SetColumns(int sortKey)
{
    m_strColumns.Empty();
    for (UINT id : {IDS_COL_RECIPE_RECIPE, IDS_COL_RECIPE_TITLE, IDS_COL_RECIPE_COOKBOOK, IDS_COL_RECIPE_SERVINGS,
                    IDS_COL_RECIPE_RATING})
        m_strColumns += LoadSchemaText(id) + ",";
    m_strColumns += SortColumn(sortKey);
    m_nSortKey = sortKey;
}

BOOL CVRecordset::OpenQuery(const CString& source, const CString& where, const CString& orderBy)
{
    Close();
    m_strSource = source;
    m_strFilter.Empty();
    m_strSort.Empty();
    m_nRowCount = 0;
    m_strActiveColumns = m_strColumns;
    return Execute(where, orderBy);
}

BOOL CVRecordset::Execute(const CString& where, const CString& orderBy)
{
    if (m_strSource.IsEmpty())
        return FALSE;
    CloseStatement();
    m_strStatement =
        CString(m_bDistinct ? "SELECT DISTINCT " : "SELECT ") + m_strActiveColumns + " FROM " + m_strSource;
    if (!where.IsEmpty())
        m_strStatement += " WHERE " + where;
    if (!orderBy.IsEmpty())
        m_strStatement += " ORDER BY " + orderBy;
    try
    {
        COdbcStatement statement(*m_pDatabase);
        SQLHSTMT hstmt = statement.GetHandle();
        statement.Check(
            SQLSetStmtAttr(hstmt, SQL_ATTR_CONCURRENCY, reinterpret_cast<SQLPOINTER>(SQL_CONCUR_READ_ONLY), 0));
        statement.Check(
            SQLSetStmtAttr(hstmt, SQL_ATTR_CURSOR_TYPE, reinterpret_cast<SQLPOINTER>(SQL_CURSOR_STATIC), 0));
        statement.Check(SQLSetStmtAttr(hstmt, SQL_ATTR_ROW_ARRAY_SIZE, reinterpret_cast<SQLPOINTER>(1), 0));
        statement.Prepare(m_pDatabase->AdaptSql(m_strStatement));
        statement.Execute();
        m_hstmt = statement.Detach();
    }
    catch (CDBException* e)
    {
        ReportException(e, LoadSchemaText(IDS_DATABASE_ERROR));
        e->Delete();
        return FALSE;
    }
    return CountRows(where) && BindColumns();
}

int CVRecordset::CloseStatement()
{
    if (m_hstmt == nullptr)
        return 1;
    const SQLRETURN rc = SQLFreeStmt(m_hstmt, SQL_DROP);
    m_hstmt = nullptr;
    m_bBound = FALSE;
    m_nCurrentRow = 0;
    return SQL_SUCCEEDED(rc) ? 1 : 4;
}

BOOL CVRecordset::CountRows(const CString& where)
{
    CString from = m_strSource;
    if (!where.IsEmpty())
        from += " WHERE " + where;
    const CString sql = m_bDistinct ? "SELECT COUNT(*) FROM (SELECT DISTINCT " + LoadSchemaText(IDS_COL_RECIPE_RECIPE) +
                                          " FROM " + from + ")"
                                    : "SELECT COUNT(*) FROM " + from;
    try
    {
        COdbcStatement statement(*m_pDatabase);
        statement.ExecDirect(m_pDatabase->AdaptSql(sql));
        long count = 0;
        if (statement.Fetch())
            statement.GetLong(1, count);
        m_nRowCount = count;
        return TRUE;
    }
    catch (CDBException* e)
    {
        ReportException(e, LoadSchemaText(IDS_DATABASE_ERROR));
        e->Delete();
        return FALSE;
    }
}

BOOL CVRecordset::BindColumns()
{
    if (m_bBound)
        return TRUE;
    const SortKey& key = KeyOf(m_nSortKey);
    m_pBuffers.reset(new CMultiRecordColumn[kColumnCount]);
    m_pBuffers[kRecipe].Init(CFieldValue::typeChar, 6, 1, IDS_COL_RECIPE_RECIPE);
    m_pBuffers[kTitle].Init(CFieldValue::typeChar, 70, 1, IDS_COL_RECIPE_TITLE);
    m_pBuffers[kChapter].Init(CFieldValue::typeChar, 6, 1, IDS_COL_RECIPE_COOKBOOK);
    m_pBuffers[kServings].Init(CFieldValue::typeInteger, 4, 1, IDS_COL_RECIPE_SERVINGS);
    m_pBuffers[kRating].Init(CFieldValue::typeInteger, 4, 1, IDS_COL_RECIPE_RATING);
    m_pBuffers[kSortValue].Init(key.isDouble ? CFieldValue::typeDouble : CFieldValue::typeInteger, 8, 1,
                                key.bufferName);
    static const SQLSMALLINT kCTypes[] = {SQL_C_CHAR, SQL_C_CHAR, SQL_C_CHAR, SQL_C_LONG, SQL_C_LONG};
    for (int column = 0; column < kColumnCount; ++column)
    {
        const SQLSMALLINT cType = column < kSortValue ? kCTypes[column] : (key.isDouble ? SQL_C_DOUBLE : SQL_C_LONG);
        CMultiRecordColumn& buffer = m_pBuffers[column];
        const SQLRETURN rc = SQLBindCol(m_hstmt, static_cast<SQLUSMALLINT>(column + 1), cType, buffer.GetBuffer(),
                                        buffer.GetElementWidth(), reinterpret_cast<SQLLEN*>(buffer.GetLengths()));
        if (rc == SQL_ERROR)
            return ReportSqlErrors(m_hstmt);
    }
    m_bBound = TRUE;
    return TRUE;
}

int CVRecordset::Scroll(short orientation, long row, CSortedRecipeListItem& item, int noData)
{
    if (m_hstmt == nullptr || !m_bBound)
        return noData;
    const SQLRETURN rc = m_pDatabase->CallWhileExecuting(
        [&] { return SQLFetchScroll(m_hstmt, orientation, orientation == SQL_FETCH_ABSOLUTE ? row : 0); });
    if (rc == SQL_NO_DATA)
        return noData;
    if (!SQL_SUCCEEDED(rc))
    {
        ReportSqlErrors(m_hstmt);
        return kFetchError;
    }
    switch (orientation)
    {
    case SQL_FETCH_FIRST: m_nCurrentRow = 1; break;
    case SQL_FETCH_LAST: m_nCurrentRow = m_nRowCount; break;
    case SQL_FETCH_NEXT: ++m_nCurrentRow; break;
    case SQL_FETCH_PRIOR: --m_nCurrentRow; break;
    default: m_nCurrentRow = row; break;
    }
    return FillItem(item);
}

// A NULL column (a recipe without nutrition) reads as 0, never as the previous row's value.
int CVRecordset::FillItem(CSortedRecipeListItem& item)
{
    for (int column = 0; column < kColumnCount; ++column)
        m_pBuffers[column].Rewind();
    const BOOL sortValueNull = m_pBuffers[kSortValue].GetLengths()[0] == SQL_NULL_DATA;
    CString text;
    m_pBuffers[kRecipe].GetText(text);
    item.m_id = CRecordId(text);
    m_pBuffers[kTitle].GetText(item.m_name);
    long number = 0;
    m_pBuffers[kServings].GetLong(number);
    item.m_servings = m_pBuffers[kServings].GetLengths()[0] == SQL_NULL_DATA ? 0 : static_cast<WORD>(number);
    m_pBuffers[kChapter].GetText(text);
    item.m_chapterId = CRecordId(text);
    number = 0;
    m_pBuffers[kRating].GetLong(number);
    item.m_rating = m_pBuffers[kRating].GetLengths()[0] == SQL_NULL_DATA ? 0 : number;
    item.m_type = 'R';
    item.m_number = m_nCurrentRow - 1;
    double sortValue = 0.0;
    if (m_nSortKey == 1)
        sortValue = item.m_rating;
    else if (m_nSortKey >= 2 && m_nSortKey <= 9 && !sortValueNull)
        m_pBuffers[kSortValue].GetDouble(sortValue);
    item.m_sortValue = static_cast<float>(sortValue);
    return kFilled;
}
