#include "database/CookbookDatabase.h"

#include <windows.h>
#include <sql.h>
#include <sqlext.h>

#include <io.h>

#include <cerrno>
#include <memory>

#include "database/BusyNotice.h"
#include "database/CookbookTransaction.h"
#include "database/FieldValue.h"
#include "database/GenericRecordset.h"
#include "database/IngredientFacts.h"
#include "database/MultiRecordColumn.h"
#include "database/OdbcSetup.h"
#include "database/PortRecordset.h"
#include "database/RowValues.h"
#include "framework/AfxMessageBox.h"
#include "framework/DBException.h"
#include "framework/ObList.h"
#include "framework/OdbcDataSources.h"
#include "framework/OdbcStatement.h"
#include "framework/StringList.h"
#include "framework/WinApp.h"
#include "res/resource.h"
#include "database/SqlText.h"

IMPLEMENT_DYNAMIC(CCookbookDatabase, CDatabase)

namespace {

void ShowDatabaseError(const CDBException* e, const CString& prefix, UINT nStyle)
{
    CGenericRecordset::ReportException(e, prefix, nStyle);
}

// The tables every form reads: a file without one of them is no cookbook, whatever its version.
BOOL HasCookbookTables(CCookbookDatabase& database)
{
    static const UINT kTables[] = {
        IDS_TBL_COOKBOOK,  IDS_TBL_RECIPE,       IDS_TBL_INGREDNT,      IDS_TBL_MISC,          IDS_TBL_BASIC,
        IDS_TBL_NUTRITION, IDS_TBL_QUANTITY,     IDS_TBL_ING_NUTRITION, IDS_TBL_RCP_NUTRITION, IDS_TBL_CATEGORY,
        IDS_TBL_HICAT,     IDS_TBL_RCP_CAT_ITEM, IDS_TBL_MENU_CAT_ITEM, IDS_TBL_ING_CAT_ITEM,  IDS_TBL_REFERENC,
        IDS_TBL_REFITEM,   IDS_TBL_SHOPPING,     IDS_TBL_SH_ITEM,       IDS_TBL_CALENDAR,      IDS_TBL_MENU,
        IDS_TBL_MN_ITEM,   IDS_TBL_STORE,        IDS_TBL_STORE_SEC,
    };
    for (UINT table : kTables)
    {
        if (!database.ValidateTable(table))
            return FALSE;
    }
    return TRUE;
}

// A failed upgrade leaves the file as it was.
void UpgradeInOneTransaction(CCookbookDatabase& database)
{
    CCookbookTransaction transaction(database);
    if (database.UpgradeCookbook())
        transaction.Commit();
}

}  // namespace

CCookbookDatabase::CCookbookDatabase()
    : m_pWorkRecordset(nullptr), m_pIngredientRecordset(nullptr), m_pThirdRecordset(nullptr),
      m_pFourthRecordset(nullptr), m_dwColourDisplay(0), m_dwReserved(0),
      m_bOldIngredientQuery(FALSE), m_bStale{TRUE, TRUE, TRUE, TRUE}, m_nRecipeCount(-1)
{
    m_pWorkRecordset = new CPortRecordset(this);
    m_pIngredientRecordset = new CPortRecordset(this);
}

CCookbookDatabase::~CCookbookDatabase()
{
    delete m_pWorkRecordset;
    delete m_pThirdRecordset;
    delete m_pIngredientRecordset;
    delete m_pFourthRecordset;
}

void CCookbookDatabase::Close()
{
    m_insertStatements.Clear();
    m_columnDefaults.Clear();
    m_describedTables.clear();
    m_ingredientFacts.clear();
    EndDeferredInserts(FALSE);
    CDatabase::Close();
}

void CCookbookDatabase::ClearCaches()
{
    for (BOOL& stale : m_bStale)
        stale = TRUE;
    m_nRecipeCount = -1;
    m_bOldIngredientQuery = FALSE;
    m_currentId = CRecordId();
    m_contents.DeleteAll();
    m_units.DeleteAll();
    m_groups.clear();
    m_basicItems.DeleteAll();
    for (BOOL& stale : m_bCategoryStale)
        stale = TRUE;
    for (CSlotArray& tree : m_categoryTrees)
        tree.DeleteAll();
    m_menuList.DeleteAll();
    m_storeList.DeleteAll();
    m_sectionList.DeleteAll();
    m_nSectionStore = -1;
    m_describedTables.clear();
}

void CCookbookDatabase::CloseRecordsets()
{
    for (CPortRecordset* recordset : {m_pFourthRecordset, m_pWorkRecordset, m_pThirdRecordset, m_pIngredientRecordset})
    {
        if (recordset != nullptr && recordset->IsOpen())
            recordset->Close();
    }
}

BOOL CCookbookDatabase::OpenCookbookFile(const CString& path, UINT driverNameId, UINT dataSourceNameId, BOOL readOnly)
{
    CString initializing;
    initializing.LoadString(IDS_INITIALIZING_COOKBOOK);
    const std::unique_ptr<CBusyNotice> busy = CBusyNotice::Show(initializing);
    const CString driver = IsOdbcDriverInstalled(LoadSchemaText(driverNameId));
    if (_access(path, 0) != 0)
        return FALSE;
    if (driver.IsEmpty() || !RegisterCookbookDataSource(driver, LoadSchemaText(dataSourceNameId), path))
        return FALSE;
    return OpenCookbook(dataSourceNameId, readOnly);
}

BOOL CCookbookDatabase::OpenCookbook(UINT dataSourceNameId, BOOL readOnly)
{
    const CString name = LoadSchemaText(dataSourceNameId);
    if (COdbcDataSources::GetDriver(name).IsEmpty())
        return FALSE;
    CloseRecordsets();
    delete m_pFourthRecordset;
    m_pFourthRecordset = nullptr;
    ClearCaches();
    try
    {
        Open(nullptr, FALSE, readOnly, "ODBC;DSN=" + BraceConnectValue(name), TRUE);
    }
    catch (CDBException* e)
    {
        ShowDatabaseError(e, CString(), MB_ICONEXCLAMATION | MB_OK);
        e->Delete();
        return FALSE;
    }

    const CString path = GetConnectAttribute(GetConnect(), "DBQ");
    if (!readOnly && _access(path, 2) != 0)
    {
        if (errno == ENOENT)
        {
            Close();
            return FALSE;
        }
        // The driver writes to a read-only file all the same: our own check keeps it unchanged.
        m_bUpdatable = FALSE;
        AfxMessageBox(IDS_COOKBOOK_READ_ONLY, MB_OK);
    }

    CString version;
    if (!CheckVersion(version) || !HasCookbookTables(*this))
    {
        Close();
        return FALSE;
    }
    if (version == "1.2")
    {
        if (CanUpdate())
            UpgradeInOneTransaction(*this);
        else
            m_bOldIngredientQuery = TRUE;
    }
    if (!m_bOldIngredientQuery && (!CheckVersion(version) || version != "1.3"))
    {
        Close();
        return FALSE;
    }
    if (CanUpdate())
        MakeListIndexes();
    if (!OpenIngredientRecordset())
        return FALSE;
    m_bStale[0] = m_bStale[1] = TRUE;
    return TRUE;
}

// The statements come from the script the templates are built with, one per semicolon.
void CCookbookDatabase::MakeListIndexes()
{
    HINSTANCE hInst = AfxGetResourceHandle();
    HRSRC hResource = ::FindResourceA(hInst, MAKEINTRESOURCEA(IDR_LIST_INDEXES), MAKEINTRESOURCEA(10));
    HGLOBAL hData = hResource != nullptr ? ::LoadResource(hInst, hResource) : nullptr;
    const char* pText = hData != nullptr ? static_cast<const char*>(::LockResource(hData)) : nullptr;
    if (pText == nullptr)
        return;
    const CString script(pText, static_cast<int>(::SizeofResource(hInst, hResource)));
    try
    {
        for (int start = 0, end = script.Find(';'); end >= 0; start = end + 1, end = script.Find(';', start))
            ExecuteDirect(script.Mid(start, end - start));
    }
    catch (CDBException* e)
    {
        // Without them the lists read more slowly, but they read: the cookbook opens all the same.
        e->Delete();
    }
}

BOOL CCookbookDatabase::CheckVersion(CString& version)
{
    try
    {
        COdbcStatement statement(*this);
        statement.ExecDirect("SELECT * FROM " + LoadSchemaText(IDS_TBL_DBVERSION));
        if (!statement.Fetch())
            return FALSE;
        statement.GetText(1, version);
        return !version.IsEmpty();
    }
    catch (CDBException* e)
    {
        // Only a lock deserves a word here: any other failure means the file is no cookbook.
        if (e->IsBusy())
            ShowDatabaseError(e, CString(), MB_ICONEXCLAMATION | MB_OK);
        e->Delete();
        return FALSE;
    }
}

BOOL CCookbookDatabase::OpenIngredientRecordset(const CRecordId& recipeId)
{
    CString query;
    CString sql;
    if (m_bOldIngredientQuery)
    {
        query = LoadSchemaText(IDS_QRY_SHOW_INGREDIENTS);
        sql = "SELECT * FROM " + query + " WHERE " + LoadSchemaText(IDS_COL_QUANTITY_RECIPE) + "=?";
    }
    else
    {
        query = LoadSchemaText(IDS_QRY_NEW_SHOW_INGREDIENTS);
        sql = "{call " + query + "(?)}";
    }
    CPortRecordset& lines = *m_pIngredientRecordset;
    if (lines.IsOpen())
        lines.Close();
    lines.m_nParams = 1;
    lines.m_strParam = recipeId.GetText();
    return lines.OpenTable(query, sql, nullptr);
}

BOOL CCookbookDatabase::OpenRecordset(CRecordset* pRecordset, const CString& name, const CString& sql)
{
    const BOOL reopen = pRecordset->IsOpen();
    try
    {
        return reopen ? pRecordset->Requery() : pRecordset->Open(CRecordset::snapshot, sql, CRecordset::none);
    }
    catch (CDBException* e)
    {
        ShowDatabaseError(e, (reopen ? "Error requerying " : "Error obtaining ") + name + " Recordset: \r\n",
                          MB_ICONSTOP | MB_OK);
        e->Delete();
        return FALSE;
    }
}

CString CCookbookDatabase::BuildSelect(const CString& table, const CStringList* columns, LPCSTR condition, LPCSTR order)
{
    return BuildSelectStatement(table, columns, condition, order);
}

BOOL CCookbookDatabase::FindRowByValue(UINT tableId, UINT columnId, const CString& value, UINT readColumnId,
                                       long& place)
{
    CPortRecordset recordset(this);
    const CString table = LoadSchemaText(tableId);
    const CString column = LoadSchemaText(columnId);
    if (!recordset.OpenTable(table, BuildSelect(table), nullptr))
        return FALSE;
    const CFieldValue* described = recordset.FindColumn(column);
    if (described == nullptr)
        return FALSE;
    const CString condition =
        column + "=" + (CFieldValue::IsTextType(described->m_nSqlType) ? QuoteSqlText(value) : value);
    recordset.Close();
    if (!recordset.OpenTable(table, BuildSelect(table, nullptr, condition), nullptr))
        return FALSE;
    const BOOL found = !(recordset.IsBOF() && recordset.IsEOF());
    const CFieldValue* read = recordset.FindColumn(LoadSchemaText(readColumnId));
    if (found && read != nullptr)
    {
        int number = 0;
        GetFieldValueInt(*read, number);
        place = number;
    }
    recordset.Close();
    return found && read != nullptr;
}

BOOL CCookbookDatabase::ValidateTable(UINT nameId)
{
    const CString name = LoadSchemaText(nameId);
    try
    {
        COdbcStatement statement(*this);
        statement.Check(CallWhileExecuting(
            [&] { return SQLTables(statement.GetHandle(), nullptr, 0, nullptr, 0, nullptr, 0, nullptr, 0); }));
        CString tableName;
        while (statement.Fetch())
        {
            statement.GetText(3, tableName);
            if (tableName == name)
                return TRUE;
        }
        return FALSE;
    }
    catch (CDBException* e)
    {
        ShowDatabaseError(e, "Error Validating " + name + ": \r\n", MB_ICONSTOP | MB_OK);
        e->Delete();
        return FALSE;
    }
}

CString CCookbookDatabase::BuildLikeClause(const CString& table, const CString& column, const CString& pattern,
                                           BOOL startsWith)
{
    CString literal = pattern;
    literal.Replace("\\", "\\\\");
    literal.Replace("%", "\\%");
    literal.Replace("_", "\\_");
    return table + "." + column + " LIKE " + QuoteSqlText((startsWith ? "" : "%") + literal + "%") + " ESCAPE '\\'";
}

CString CCookbookDatabase::BuildInsertFromFields(const CString& table, CMultiRecordColumn* fields, int count)
{
    if (fields == nullptr)
        return CString();
    CString columnPart = " (";
    CString valuePart;
    for (int i = 0; i < count; ++i)
    {
        const CString text = fields[i].FormatValue();
        if (text.IsEmpty())
            continue;
        columnPart += "\"" + fields[i].GetName() + "\",";
        valuePart += (CFieldValue::IsTextType(fields[i].GetKind()) ? QuoteSqlText(text) : text) + ",";
    }
    columnPart = columnPart.Left(columnPart.GetLength() - 1) + ")";
    valuePart = valuePart.Left(valuePart.GetLength() - 1) + ")";
    return LoadSchemaText(IDS_SQL_INSERT_INTO) + table + columnPart + " VALUES (" + valuePart;
}

CString CCookbookDatabase::BuildInsertFromLists(const CString& table, const CStringList* columns, const CObList* values)
{
    WrittenValues written;
    if (table.IsEmpty() || !ListWrittenValues(columns, values, written))
        return CString();
    CString columnPart;
    CString valuePart;
    for (const auto& column : written)
    {
        columnPart += (columnPart.IsEmpty() ? "\"" : ",\"") + column.first + "\"";
        valuePart += (valuePart.IsEmpty() ? "" : ",") + QuoteValue(*column.second);
    }
    return LoadSchemaText(IDS_SQL_INSERT_INTO) + table + "(" + columnPart + ") VALUES (" + valuePart + ")";
}

// The columns and values an insert writes: empty text is left to the column's default.
BOOL CCookbookDatabase::ListWrittenValues(const CStringList* columns, const CObList* values, WrittenValues& written)
{
    if (columns == nullptr || values == nullptr || columns->GetCount() != values->GetCount())
        return FALSE;
    written.reserve(static_cast<std::size_t>(columns->GetCount()));
    POSITION column = columns->GetHeadPosition();
    for (POSITION value = values->GetHeadPosition(); value != nullptr && column != nullptr;)
    {
        const CString& name = columns->GetNext(column);
        const auto* pValue = static_cast<const CFieldValue*>(values->GetNext(value));
        if (IsWritten(*pValue))
            written.emplace_back(name, pValue);
    }
    return TRUE;
}

BOOL CCookbookDatabase::IsWritten(const CFieldValue& value)
{
    return value.m_bNull || !IsQuotedType(value.m_nSqlType) || !value.m_strText.IsEmpty();
}

CString CCookbookDatabase::BuildUpdate(const CString& table, const CStringList* columns, const CObList* values,
                                       const CString& condition)
{
    if (table.IsEmpty() || columns == nullptr || values == nullptr || columns->GetCount() != values->GetCount() ||
        condition.IsEmpty())
        return CString();
    CString assignments;
    POSITION column = columns->GetHeadPosition();
    for (POSITION value = values->GetHeadPosition(); value != nullptr && column != nullptr;)
    {
        const CString& name = columns->GetNext(column);
        assignments += (assignments.IsEmpty() ? "" : ",") + name + "=" +
                       QuoteValue(*static_cast<const CFieldValue*>(values->GetNext(value)));
    }
    CString sql;
    sql.Format(LoadSchemaText(IDS_SQL_UPDATE_SET), table.GetString(), assignments.GetString());
    return sql + " WHERE " + condition;
}

CString CCookbookDatabase::BuildDelete(const CString& table, const CString& condition)
{
    if (condition.IsEmpty())
        return CString();
    return LoadSchemaText(IDS_SQL_DELETE_FROM) + table + " WHERE " + condition;
}

BOOL CCookbookDatabase::ExecuteUpdate(UINT tableId, UINT columnId, const CString& value, UINT conditionColumnId,
                                      const CString& conditionValue)
{
    try
    {
        return ExecuteWrite("UPDATE " + LoadSchemaText(tableId) + " SET " + LoadSchemaText(columnId) + "=" + value +
                            " WHERE " + LoadSchemaText(conditionColumnId) + "=" + conditionValue);
    }
    catch (CDBException* e)
    {
        ShowDatabaseError(e, CString(), MB_ICONEXCLAMATION | MB_OK);
        e->Delete();
        return FALSE;
    }
}

CString CCookbookDatabase::JoinList(const CStringList& list)
{
    CString joined;
    for (POSITION position = list.GetHeadPosition(); position != nullptr;)
        joined += (joined.IsEmpty() ? "" : ",") + list.GetNext(position);
    return "(" + joined + ")";
}

CString CCookbookDatabase::QuoteValue(const CFieldValue& value)
{
    if (value.m_bNull)
        return "NULL";
    const CString text = ValueText(value);
    return IsQuotedType(value.m_nSqlType) ? QuoteSqlText(text) : text;
}

BOOL CCookbookDatabase::IsQuotedType(short type)
{
    return CFieldValue::IsTextType(type) || CFieldValue::IsDateType(type);
}

// A number as a statement spells it, or the text unquoted.
CString CCookbookDatabase::ValueText(const CFieldValue& value)
{
    CString text;
    switch (value.m_nSqlType)
    {
    case CFieldValue::typeBit: text.Format("%lu", static_cast<unsigned long>(value.m_lValue)); break;
    case CFieldValue::typeTinyInt: text.Format("%u", static_cast<unsigned>(value.m_byValue)); break;
    case CFieldValue::typeInteger: text.Format("%ld", value.m_lValue); break;
    case CFieldValue::typeSmallInt: text.Format("%d", value.m_nValue); break;
    case CFieldValue::typeFloat:
    case CFieldValue::typeReal: text.Format("%.9g", static_cast<double>(value.m_fValue)); break;
    case CFieldValue::typeDouble: text.Format("%.17g", value.m_dValue); break;
    default:
        if (IsQuotedType(value.m_nSqlType))
            text = value.m_strText;
        break;
    }
    return text;
}

BOOL CCookbookDatabase::ExecuteWrite(const CString& sql)
{
    if (!CanUpdate())
        return FALSE;
    ExecuteSQL(sql);
    return TRUE;
}

BOOL CCookbookDatabase::InsertRow(UINT tableId, const CRowValues& row)
{
    return InsertRows(tableId, {&row});
}

BOOL CCookbookDatabase::InsertRows(UINT tableId, const std::vector<const CRowValues*>& rows)
{
    if (!CanUpdate())
        return FALSE;
    std::vector<InsertedRow>& pending = m_pendingInserts[tableId];
    std::vector<UINT>& columnIds = m_writtenColumnIds;
    for (const CRowValues* pRow : rows)
    {
        InsertedRow& row = pending.emplace_back();
        columnIds.clear();
        row.values.reserve(pRow->GetCount());
        for (std::size_t i = 0; i < pRow->GetCount(); ++i)
            if (IsWritten(pRow->GetValue(i)))
            {
                columnIds.push_back(pRow->GetColumnId(i));
                row.values.push_back(BoundValueOf(pRow->GetValue(i)));
            }
        row.pColumnIds = &*m_columnSets.insert(columnIds).first;
    }
    return m_bDeferringInserts || WritePendingInserts();
}

void CCookbookDatabase::DeferInserts()
{
    m_bDeferringInserts = TRUE;
}

BOOL CCookbookDatabase::EndDeferredInserts(BOOL write)
{
    m_bDeferringInserts = FALSE;
    if (write)
        return WritePendingInserts();
    m_pendingInserts.clear();
    return TRUE;
}

// Table by table, in the order the rows came; what waits is dropped whether it was written or not.
BOOL CCookbookDatabase::WritePendingInserts()
{
    std::map<UINT, std::vector<InsertedRow>> pending;
    pending.swap(m_pendingInserts);
    try
    {
        for (const auto& table : pending)
            for (std::size_t first = 0; first < table.second.size();)
            {
                const std::size_t end = EndOfInsertGroup(table.second, first);
                InsertGroup(table.first, table.second, first, end);
                first = end;
            }
        return TRUE;
    }
    catch (CDBException* e)
    {
        ShowDatabaseError(e, LoadSchemaText(IDS_DATABASE_ERROR), MB_ICONEXCLAMATION | MB_OK);
        e->Delete();
        return FALSE;
    }
}

// Rows that write the same columns go in one statement, as many as its parameters allow.
std::size_t CCookbookDatabase::EndOfInsertGroup(const std::vector<InsertedRow>& rows, std::size_t first)
{
    const std::size_t kMostParameters = 900;
    std::size_t parameters = rows[first].values.size();
    std::size_t end = first + 1;
    for (; end < rows.size() && rows[end].pColumnIds == rows[first].pColumnIds &&
           parameters + rows[end].values.size() <= kMostParameters;
         ++end)
        parameters += rows[end].values.size();
    return end;
}

// "WITH NEW_ROWS AS (VALUES (?,...),...) INSERT INTO table(columns) SELECT * FROM NEW_ROWS" for that
// many rows. The SQLite driver compiles a statement that opens with INSERT again at every execution,
// which costs as much as inserting its rows; one that opens with WITH it compiles once, when prepared.
CString CCookbookDatabase::BuildInsertGroup(UINT tableId, const std::vector<UINT>& columnIds, std::size_t nRows)
{
    CString columnPart;
    CString markers;
    for (const UINT columnId : columnIds)
    {
        columnPart += (columnPart.IsEmpty() ? "\"" : ",\"") + LoadSchemaText(columnId) + "\"";
        markers += markers.IsEmpty() ? "?" : ",?";
    }
    CString valuePart = "(" + markers + ")";
    for (std::size_t row = 1; row < nRows; ++row)
        valuePart += ",(" + markers + ")";
    return "WITH NEW_ROWS AS (VALUES " + valuePart + ") " + LoadSchemaText(IDS_SQL_INSERT_INTO) +
           LoadSchemaText(tableId) + "(" + columnPart + ") SELECT * FROM NEW_ROWS";
}

void CCookbookDatabase::InsertGroup(UINT tableId, const std::vector<InsertedRow>& rows, std::size_t first,
                                    std::size_t end)
{
    const std::vector<UINT>& rowColumns = *rows[first].pColumnIds;
    std::vector<std::size_t> written;
    std::vector<UINT> writtenIds;
    for (std::size_t column = 0; column < rowColumns.size(); ++column)
        if (!TakesDefault(tableId, rows, first, end, column))
        {
            written.push_back(column);
            writtenIds.push_back(rowColumns[column]);
        }
    // An insert names one column at least.
    if (written.empty())
    {
        written.push_back(0);
        writtenIds.push_back(rowColumns[0]);
    }
    const std::vector<UINT>& columnIds = *m_columnSets.insert(writtenIds).first;
    const CPreparedStatements::Key key(tableId, &columnIds, end - first);
    COdbcStatement* pStatement = m_insertStatements.Find(key);
    COdbcStatement& statement =
        pStatement != nullptr ? *pStatement
                              : m_insertStatements.Add(*this, key, BuildInsertGroup(tableId, columnIds, end - first));
    int nParam = 0;
    for (std::size_t row = first; row < end; ++row)
        for (const std::size_t column : written)
        {
            const BoundValue& value = rows[row].values[column];
            switch (value.kind)
            {
            case BoundValue::kLong: statement.BindLong(++nParam, value.number); break;
            case BoundValue::kDouble: statement.BindDouble(++nParam, value.real); break;
            case BoundValue::kText: statement.BindText(++nParam, value.text); break;
            default: statement.BindNull(++nParam); break;
            }
        }
    statement.Execute();
}

BOOL CCookbookDatabase::TakesDefault(UINT tableId, const std::vector<InsertedRow>& rows, std::size_t first,
                                     std::size_t end, std::size_t column)
{
    const double* pDefault = m_columnDefaults.Find(*this, tableId, (*rows[first].pColumnIds)[column]);
    if (pDefault == nullptr)
        return FALSE;
    for (std::size_t row = first; row < end; ++row)
    {
        const BoundValue& value = rows[row].values[column];
        const bool isDefault = (value.kind == BoundValue::kLong && value.number == *pDefault) ||
                               (value.kind == BoundValue::kDouble && value.real == *pDefault);
        if (!isDefault)
            return FALSE;
    }
    return TRUE;
}

CCookbookDatabase::BoundValue CCookbookDatabase::BoundValueOf(const CFieldValue& value)
{
    BoundValue bound;
    if (value.m_bNull)
        return bound;
    switch (value.m_nSqlType)
    {
    case CFieldValue::typeBit:
    case CFieldValue::typeInteger: bound.kind = BoundValue::kLong, bound.number = value.m_lValue; break;
    case CFieldValue::typeTinyInt: bound.kind = BoundValue::kLong, bound.number = value.m_byValue; break;
    case CFieldValue::typeSmallInt: bound.kind = BoundValue::kLong, bound.number = value.m_nValue; break;
    case CFieldValue::typeDouble: bound.kind = BoundValue::kDouble, bound.real = value.m_dValue; break;
    default: bound.kind = BoundValue::kText, bound.text = ValueText(value); break;
    }
    return bound;
}

BOOL CCookbookDatabase::ExecuteDirect(const CString& sql)
{
    if (!CanUpdate())
        return FALSE;
    try
    {
        COdbcStatement statement(*this);
        statement.Prepare(AdaptSql(sql));
        statement.Execute();
        return TRUE;
    }
    catch (CDBException* e)
    {
        ShowDatabaseError(e, LoadSchemaText(IDS_DATABASE_ERROR), MB_ICONEXCLAMATION | MB_OK);
        e->Delete();
        return FALSE;
    }
}

BOOL CCookbookDatabase::DropTable(const CString& name)
{
    return ExecuteUpgradeStatement("DROP TABLE " + name);
}

BOOL CCookbookDatabase::ExecuteUpgradeStatement(const CString& sql)
{
    // A table made again may have other columns than the one described.
    m_describedTables.clear();
    try
    {
        ExecuteSQL(sql);
        return TRUE;
    }
    catch (CDBException* e)
    {
        ShowDatabaseError(e, CString(), MB_ICONEXCLAMATION | MB_OK);
        e->Delete();
        return FALSE;
    }
}

void CCookbookDatabase::BuildIngredientColumnList(CStringList& columns, BOOL qualifyByTable)
{
    static const struct
    {
        UINT table;
        UINT column;
    } kColumns[] = {
        {IDS_TBL_QUANTITY, IDS_COL_QUANTITY_RECIPE},
        {IDS_TBL_QUANTITY, IDS_COL_QUANTITY_QUANTITY},
        {IDS_TBL_QUANTITY, IDS_COL_QUANTITY_MIN_QTY},
        {IDS_TBL_QUANTITY, IDS_COL_QUANTITY_MAX_QTY},
        {IDS_TBL_QUANTITY, IDS_COL_QUANTITY_TYPE},
        {IDS_TBL_QUANTITY, IDS_COL_QUANTITY_ITEM},
        {IDS_TBL_QUANTITY, IDS_COL_QUANTITY_UNIT},
        {IDS_TBL_QUANTITY, IDS_COL_QUANTITY_PREPARATN},
        {IDS_TBL_QUANTITY, IDS_COL_QUANTITY_OPTIONAL},
        {IDS_TBL_QUANTITY, IDS_COL_QUANTITY_SWITCH},
        {IDS_TBL_INGREDNT, IDS_COL_INGREDNT_NAME},
        {IDS_TBL_INGREDNT, IDS_COL_INGREDNT_PLURAL},
        {IDS_TBL_INGREDNT, IDS_COL_INGREDNT_GROUPING},
        {IDS_TBL_INGREDNT, IDS_COL_INGREDNT_SEASONING},
        {IDS_TBL_INGREDNT, IDS_COL_INGREDNT_FRACTIONAL},
        {IDS_TBL_INGREDNT, IDS_COL_INGREDNT_LIQUID},
        {IDS_TBL_INGREDNT, IDS_COL_INGREDNT_DRY},
        {IDS_TBL_MISC, IDS_COL_MISC_STRING},
        {IDS_TBL_MISC, IDS_COL_MISC_VALUE},
        {IDS_TBL_MISC, IDS_COL_MISC_U_TYPE},
        {IDS_TBL_MISC, IDS_COL_MISC_U_FACTOR1},
        {IDS_TBL_MISC, IDS_COL_MISC_U_FACTOR2},
        {IDS_TBL_MISC, IDS_COL_MISC_SYSTEM},
    };
    const CString firstView = LoadSchemaText(IDS_QRY_NEW_SHOW_INGREDIENTS_NO_STORES);
    for (const auto& entry : kColumns)
        columns.AddTail((qualifyByTable ? LoadSchemaText(entry.table) : firstView) + "." +
                        LoadSchemaText(entry.column));
}

CString CCookbookDatabase::BuildInnerJoin(UINT tableA, UINT columnA, UINT tableB, UINT columnB)
{
    const CString a = LoadSchemaText(tableA);
    const CString b = LoadSchemaText(tableB);
    return a + " INNER JOIN " + b + " ON " + a + "." + LoadSchemaText(columnA) + " = " + b + "." +
           LoadSchemaText(columnB);
}

// The lines of one recipe ([RcpId]) with their unit and ingredient. Outer joins with the unit's
// type in the join condition: a line whose unit or ingredient row is missing still shows, so
// that saving the recipe does not lose it.
CString CCookbookDatabase::BuildUpgradeView()
{
    CStringList columns;
    BuildIngredientColumnList(columns, TRUE);
    CString sql =
        "CREATE VIEW " + LoadSchemaText(IDS_QRY_NEW_SHOW_INGREDIENTS_NO_STORES) + " AS SELECT [RcpId] AS RcpItem";
    for (POSITION position = columns.GetHeadPosition(); position != nullptr;)
        sql += "," + columns.GetNext(position);
    const CString quantity = LoadSchemaText(IDS_TBL_QUANTITY);
    const CString misc = LoadSchemaText(IDS_TBL_MISC);
    const CString ingredients = LoadSchemaText(IDS_TBL_INGREDNT);
    sql += " FROM (" + quantity + " LEFT OUTER JOIN " + misc + " ON " + quantity + "." +
           LoadSchemaText(IDS_COL_QUANTITY_UNIT) + " = " + misc + "." + LoadSchemaText(IDS_COL_MISC_ITEM) + " AND " +
           misc + "." + LoadSchemaText(IDS_COL_MISC_TYPE) + "='U')" + " LEFT OUTER JOIN " + ingredients + " ON " +
           quantity + "." + LoadSchemaText(IDS_COL_QUANTITY_ITEM) + " = " + ingredients + "." +
           LoadSchemaText(IDS_COL_INGREDNT_INGREDIENT) + " WHERE ((" + quantity + "." +
           LoadSchemaText(IDS_COL_QUANTITY_RECIPE) + "=[RcpId]) AND (" + quantity + "." +
           LoadSchemaText(IDS_COL_QUANTITY_TYPE) + "='I')) ORDER BY " + quantity + "." +
           LoadSchemaText(IDS_COL_QUANTITY_QUANTITY);
    return sql;
}

// The same lines with their group's name; a line whose group row is missing still shows.
CString CCookbookDatabase::BuildUpgradeGroupView()
{
    CStringList columns;
    BuildIngredientColumnList(columns, FALSE);
    const CString firstView = LoadSchemaText(IDS_QRY_NEW_SHOW_INGREDIENTS_NO_STORES);
    const CString misc = LoadSchemaText(IDS_TBL_MISC);
    CString sql = "CREATE VIEW " + LoadSchemaText(IDS_QRY_NEW_SHOW_INGREDIENTS) + " AS SELECT ";
    for (POSITION position = columns.GetHeadPosition(); position != nullptr;)
        sql += columns.GetNext(position) + ",";
    sql += misc + "." + LoadSchemaText(IDS_COL_MISC_STRING) + " AS " + LoadSchemaText(IDS_COL_INGREDNT_GROUP_NAME) +
           " FROM " + firstView + " LEFT OUTER JOIN " + misc + " ON " + firstView + "." +
           LoadSchemaText(IDS_COL_INGREDNT_GROUPING) + "=" + misc + "." + LoadSchemaText(IDS_COL_MISC_ITEM) + " AND " +
           misc + "." + LoadSchemaText(IDS_COL_MISC_TYPE) + "='G' WHERE ((" + firstView + ".RcpItem=[" +
           LoadSchemaText(IDS_COL_QUANTITY_RECIPE) + "])) ORDER BY " + firstView + "." +
           LoadSchemaText(IDS_COL_QUANTITY_QUANTITY);
    return sql;
}

BOOL CCookbookDatabase::UpgradeCookbook()
{
    const BOOL hasGroupView = ValidateTable(IDS_QRY_NEW_SHOW_INGREDIENTS);
    const BOOL hasLineView = ValidateTable(IDS_QRY_NEW_SHOW_INGREDIENTS_NO_STORES);
    if (!hasGroupView && !hasLineView && !CanUpdate())
    {
        m_bOldIngredientQuery = TRUE;
        return FALSE;
    }
    if ((hasGroupView && !DropTable(LoadSchemaText(IDS_QRY_NEW_SHOW_INGREDIENTS))) ||
        (hasLineView && !DropTable(LoadSchemaText(IDS_QRY_NEW_SHOW_INGREDIENTS_NO_STORES))))
    {
        m_bOldIngredientQuery = TRUE;
        return FALSE;
    }
    if (!ExecuteUpgradeStatement(BuildUpgradeView()) || !ExecuteUpgradeStatement(BuildUpgradeGroupView()))
        return FALSE;
    if (!ValidateTable(IDS_QRY_NEW_SHOW_INGREDIENTS) && !ValidateTable(IDS_QRY_NEW_SHOW_INGREDIENTS_NO_STORES))
        m_bOldIngredientQuery = TRUE;
    return ExecuteUpgradeStatement("UPDATE " + LoadSchemaText(IDS_TBL_DBVERSION) + " SET " +
                                   LoadSchemaText(IDS_COL_DBVERSION_VERSION) + "='1.3'");
}
