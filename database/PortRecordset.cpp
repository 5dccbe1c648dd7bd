#include "database/PortRecordset.h"

#include <windows.h>
#include <sql.h>
#include <sqlext.h>

#include <cstdlib>

#include "database/CharTranslation.h"
#include "database/CookbookDatabase.h"
#include "database/FieldValue.h"
#include "database/RecordId.h"
#include "framework/DBException.h"
#include "framework/FieldExchange.h"
#include "framework/OdbcStatement.h"
#include "framework/StringList.h"
#include "res/resource.h"
#include "database/SqlText.h"

IMPLEMENT_DYNAMIC(CPortRecordset, CGenericRecordset)

namespace {

// A missing column leaves the value untouched and reports FALSE.
template <typename T>
BOOL ReadColumn(const CFieldValue* column, T& value, void (*convert)(const CFieldValue&, T&))
{
    if (column != nullptr)
        convert(*column, value);
    return column != nullptr;
}

}  // namespace

CPortRecordset::CPortRecordset(CCookbookDatabase* pDatabase) : CPortRecordset(pDatabase, nullptr) {}

CPortRecordset::CPortRecordset(CCookbookDatabase* pOwner, CDatabase* pOwnDatabase)
    : CGenericRecordset(pOwner), m_nSourceDriverId(0), m_lParam(SQL_NTS), m_nParamColumn(0), m_columnMap(10),
      m_pOwnDatabase(pOwnDatabase), m_bHasOwnDatabase(pOwnDatabase != nullptr)
{
    m_nParams = 0;
}

CPortRecordset::~CPortRecordset()
{
    Close();
    DeleteColumns();
    for (int i = 0; i < m_columnSpecs.GetSize(); ++i)
        delete m_columnSpecs[i];
    m_columnSpecs.RemoveAll();
}

void CPortRecordset::DeleteColumns()
{
    for (int i = 0; i < m_columns.GetSize(); ++i)
        delete m_columns[i];
    m_columns.RemoveAll();
    m_columnMap.RemoveAll();
    m_columnsByNameId.clear();
}

CFieldValue* CPortRecordset::GetColumn(int nIndex) const
{
    return static_cast<CFieldValue*>(m_columns.GetAt(nIndex));
}

CString CPortRecordset::GetDefaultSQL()
{
    if (m_nParams != 0)
        return m_strQuery;
    if (m_columns.IsEmpty())
        return m_strTable;
    CString sql = "SELECT ";
    for (int i = 0; i < m_columns.GetSize(); ++i)
        sql += (i > 0 ? ",\"" : "\"") + GetColumn(i)->m_strName + "\"";
    return sql + " FROM " + m_strTable;
}

CString CPortRecordset::GetDefaultConnect()
{
    return m_nParams == 0 && !m_columns.IsEmpty() ? GetDefaultSQL() : m_strQuery;
}

int CPortRecordset::ReportSqlErrors(void* hstmt)
{
    return CGenericRecordset::ReportSqlErrors(hstmt);
}

BOOL CPortRecordset::OpenWithFields(const CString& table, const CString& sql, const CObArray& fields)
{
    CStringList names;
    for (int i = 0; i < fields.GetSize(); ++i)
        names.AddTail(static_cast<const CFieldValue*>(fields.GetAt(i))->m_strName);
    return OpenTable(table, sql, &names);
}

BOOL CPortRecordset::OpenTable(const CString& table, const CString& sql, const CStringList* columns)
{
    if (m_bHasOwnDatabase && m_pDatabase == nullptr)
        m_pDatabase = m_pOwnDatabase;
    DeleteColumns();
    m_strTable = table;
    m_strQuery = sql;
    // The columns are learnt from the statement that will run, so that they always match it;
    // without one, from the table (or the listed columns of it).
    DWORD options = m_nParams != 0 ? readOnly : none;
    CString description = sql;
    if (description.IsEmpty())
        description = BuildSelectStatement(table, columns, nullptr, nullptr);
    try
    {
        DescribeColumns(description);
    }
    catch (CDBException* e)
    {
        CString prefix;
        prefix.LoadString(IDS_DATABASE_ERROR);
        ReportException(e, prefix);
        e->Delete();
        return FALSE;
    }
    return OpenOrRequery(table, sql, options);
}

void CPortRecordset::DescribeColumns(const CString& sql)
{
    if (m_pDatabase == nullptr)
        AfxThrowDBException(CString("The recordset has no database."));
    // Prepared, not run: the driver describes a statement without reading its rows.
    COdbcStatement statement(*m_pDatabase);
    statement.Prepare(m_pDatabase->AdaptSql(sql));
    short count = statement.NumResultCols();
    // The Access file driver describes a query only once it has run; a query only reads.
    if (count == 0 && sql.Left(7).CompareNoCase("SELECT ") == 0)
    {
        statement.Execute();
        count = statement.NumResultCols();
    }
    for (short number = 1; number <= count; ++number)
    {
        auto* value = new CFieldValue;
        m_columns.Add(value);
        SQLCHAR name[33] = {};
        SQLSMALLINT nameLength = 0;
        SQLSMALLINT type = 0;
        SQLULEN precision = 0;
        SQLSMALLINT scale = 0;
        SQLSMALLINT nullable = 0;
        statement.Check(m_pDatabase->CallWhileExecuting([&] {
            return SQLDescribeCol(statement.GetHandle(), static_cast<SQLUSMALLINT>(number), name, sizeof name,
                                  &nameLength, &type, &precision, &scale, &nullable);
        }));
        value->m_strName = reinterpret_cast<LPCSTR>(name);
        value->m_nSqlType = type;
        value->m_lPrecision =
            type == CFieldValue::typeLongVarChar ? CFieldValue::kLongTextPrecision : static_cast<long>(precision);
        value->m_nScale = scale;
        value->m_nNullable = nullable;
        if (number - 1 < m_columnSpecs.GetSize())
            value->m_bTranslate = static_cast<CFieldValue*>(m_columnSpecs[number - 1])->m_bTranslate;
        m_columnMap[static_cast<WORD>(number - 1)] = value;
    }
    m_nFields = static_cast<UINT>(count);
}

BOOL CPortRecordset::OpenOrRequery(const CString& table, const CString& sql, DWORD dwOptions)
{
    // Requerying runs the statement the recordset was opened with: a different text needs a new open.
    if (IsOpen() && m_pDatabase != nullptr && GetSQL() != m_pDatabase->AdaptSql(sql) && GetSQL() != sql)
        Close();
    const BOOL reopen = IsOpen();
    try
    {
        return reopen ? Requery() : Open(snapshot, sql, dwOptions);
    }
    catch (CDBException* e)
    {
        ReportException(e, (reopen ? "Error requerying " : "Error obtaining ") + table + " Recordset: \r\n",
                        MB_ICONSTOP | MB_OK);
        e->Delete();
        return FALSE;
    }
}

void CPortRecordset::DoFieldExchange(CFieldExchange* pFX)
{
    if (m_nParams != 0)
    {
        pFX->SetFieldType(CFieldExchange::param);
        void* found = nullptr;
        if (!m_columnMap.Lookup(static_cast<WORD>(m_nParamColumn), found))
            return;
        const auto* column = static_cast<CFieldValue*>(found);
        if (column->m_nSqlType == CFieldValue::typeInteger)
        {
            m_lParam = std::atol(m_strParam);
            RFX_Long(pFX, column->m_strName, m_lParam);
        }
        else if (CFieldValue::IsTextType(column->m_nSqlType))
        {
            RFX_Text(pFX, column->m_strName, m_strParam, column->m_lPrecision, column->m_nSqlType);
        }
    }
    pFX->SetFieldType(CFieldExchange::outputColumn);
    for (int i = 0; i < m_columns.GetSize(); ++i)
        BindFieldValue(pFX, *GetColumn(i));
}

void CPortRecordset::BindFieldValue(CFieldExchange* pFX, CFieldValue& value)
{
    const CString name = "\"" + value.m_strName + "\"";
    switch (value.m_nSqlType)
    {
    case CFieldValue::typeInteger:
    case CFieldValue::typeBit: RFX_Long(pFX, name, value.m_lValue); break;
    case CFieldValue::typeSmallInt: RFX_Int(pFX, name, value.m_nValue); break;
    case CFieldValue::typeFloat:
    case CFieldValue::typeReal: RFX_Single(pFX, name, value.m_fValue); break;
    case CFieldValue::typeDouble: RFX_Double(pFX, name, value.m_dValue); break;
    case CFieldValue::typeTinyInt: RFX_Byte(pFX, name, value.m_byValue); break;
    default:
        if (CFieldValue::IsDateType(value.m_nSqlType))
            RFX_Date(pFX, name, value.m_time);
        else if (CFieldValue::IsBinaryType(value.m_nSqlType))
            RFX_Binary(pFX, name, value.m_bytes, value.m_lPrecision + 1);
        else if (CFieldValue::IsTextType(value.m_nSqlType))
            RFX_Text(pFX, name, value.m_strText, value.m_lPrecision + 1, CFieldValue::typeVarChar);
        break;
    }
}

CFieldValue* CPortRecordset::FindColumn(LPCSTR lpszName) const
{
    for (int i = 0; i < m_columns.GetSize(); ++i)
    {
        if (GetColumn(i)->m_strName == lpszName)
            return GetColumn(i);
    }
    return nullptr;
}

CFieldValue* CPortRecordset::FindColumn(UINT nNameId) const
{
    const auto known = m_columnsByNameId.find(nNameId);
    if (known != m_columnsByNameId.end())
        return known->second;
    return m_columnsByNameId.emplace(nNameId, FindColumn(LoadSchemaText(nNameId))).first->second;
}

BOOL CPortRecordset::GetFieldValue(UINT nNameId, CFieldValue& value)
{
    return GetFieldValue(LoadSchemaText(nNameId), value);
}

BOOL CPortRecordset::GetFieldValue(LPCSTR lpszName, CFieldValue& value)
{
    const CFieldValue* column = FindColumn(lpszName);
    if (column != nullptr)
        value.CopyFrom(*column);
    return column != nullptr;
}

BOOL CPortRecordset::GetFieldLong(LPCSTR lpszName, CRecordId& value)
{
    return ReadColumn(FindColumn(lpszName), value, GetFieldValueLong);
}

BOOL CPortRecordset::GetFieldLong(UINT nNameId, CRecordId& value)
{
    return GetFieldLong(LoadSchemaText(nNameId), value);
}

BOOL CPortRecordset::GetFieldTextTranslated(CFieldValue* column, CString& value, BOOL bTranslate)
{
    if (column == nullptr)
        return FALSE;
    value = column->m_strText;
    if (bTranslate && column->m_bTranslate != 0)
        TranslateCharsByOffsetTable(value);
    return TRUE;
}

BOOL CPortRecordset::GetFieldText(LPCSTR lpszName, CString& value)
{
    return GetFieldTextTranslated(FindColumn(lpszName), value, m_nSourceDriverId == IDS_DRIVER_FOXPRO);
}

BOOL CPortRecordset::GetFieldText(UINT nNameId, CString& value)
{
    return GetFieldTextTranslated(FindColumn(nNameId), value, m_nSourceDriverId != IDS_DRIVER_ACCESS_DATA);
}

BOOL CPortRecordset::GetFieldInt32(LPCSTR lpszName, long& value)
{
    const CFieldValue* column = FindColumn(lpszName);
    if (column != nullptr)
        value = column->m_lValue;
    return column != nullptr;
}

BOOL CPortRecordset::GetFieldInt32(UINT nNameId, long& value)
{
    return GetFieldInt32(LoadSchemaText(nNameId), value);
}

BOOL CPortRecordset::GetFieldDword(LPCSTR lpszName, DWORD& value)
{
    const CFieldValue* column = FindColumn(lpszName);
    if (column != nullptr)
        value = static_cast<DWORD>(column->m_lValue);
    return column != nullptr;
}

BOOL CPortRecordset::GetFieldDword(UINT nNameId, DWORD& value)
{
    return GetFieldDword(LoadSchemaText(nNameId), value);
}

BOOL CPortRecordset::GetFieldChar(LPCSTR lpszName, char& value)
{
    const CFieldValue* column = FindColumn(lpszName);
    if (column == nullptr)
        return FALSE;
    if (column->m_nSqlType == CFieldValue::typeChar || column->m_nSqlType == CFieldValue::typeVarChar)
    {
        if (column->m_strText.IsEmpty())
            return FALSE;
        value = column->m_strText[0];
        return TRUE;
    }
    value = static_cast<char>(column->m_lValue & 0xFF);
    return TRUE;
}

BOOL CPortRecordset::GetFieldChar(UINT nNameId, char& value)
{
    return GetFieldChar(LoadSchemaText(nNameId), value);
}

BOOL CPortRecordset::GetFieldWord(LPCSTR lpszName, WORD& value)
{
    return ReadColumn(FindColumn(lpszName), value, GetFieldValueWord);
}

BOOL CPortRecordset::GetFieldShort(LPCSTR lpszName, short& value)
{
    return ReadColumn(FindColumn(lpszName), value, GetFieldValueShort);
}

BOOL CPortRecordset::GetFieldWord(UINT nNameId, WORD& value)
{
    return GetFieldWord(LoadSchemaText(nNameId), value);
}

BOOL CPortRecordset::GetFieldShort(UINT nNameId, short& value)
{
    return GetFieldShort(LoadSchemaText(nNameId), value);
}

BOOL CPortRecordset::GetFieldDouble(LPCSTR lpszName, double& value)
{
    return ReadColumn(FindColumn(lpszName), value, GetFieldValueDouble);
}

BOOL CPortRecordset::GetFieldDouble(UINT nNameId, double& value)
{
    return GetFieldDouble(LoadSchemaText(nNameId), value);
}

BOOL CPortRecordset::GetFieldFloat(LPCSTR lpszName, float& value)
{
    return ReadColumn(FindColumn(lpszName), value, GetFieldValueFloat);
}

BOOL CPortRecordset::GetFieldFloat(UINT nNameId, float& value)
{
    return GetFieldFloat(LoadSchemaText(nNameId), value);
}

BOOL CPortRecordset::GetFieldDate(LPCSTR lpszName, long& value)
{
    const CFieldValue* column = FindColumn(lpszName);
    if (column != nullptr)
        value = column->m_time;
    return column != nullptr;
}

BOOL CPortRecordset::GetFieldDate(UINT nNameId, long& value)
{
    return GetFieldDate(LoadSchemaText(nNameId), value);
}

BOOL CPortRecordset::GetFieldBytes(LPCSTR lpszName, std::vector<BYTE>& value)
{
    const CFieldValue* column = FindColumn(lpszName);
    if (column != nullptr)
        value = column->m_bytes;
    return column != nullptr;
}

BOOL CPortRecordset::GetFieldBytes(UINT nNameId, std::vector<BYTE>& value)
{
    return GetFieldBytes(LoadSchemaText(nNameId), value);
}
