#pragma once

#include <windef.h>

#include <unordered_map>
#include <vector>

#include "database/GenericRecordset.h"
#include "framework/MapWordToPtr.h"
#include "framework/ObArray.h"
#include "framework/String.h"

class CDatabase;
class CFieldValue;
class CRecordId;
class CStringList;

// A recordset whose columns are found at run time: opened on a table, a column list or a
// statement (often "{call NAME(?)}" with one parameter), it describes the result and keeps one
// CFieldValue per column, read with typed getters by column name or by the string id of the name.
// Owns its column values and column specifications.
class CPortRecordset : public CGenericRecordset
{
    DECLARE_DYNAMIC(CPortRecordset)
public:
    explicit CPortRecordset(CCookbookDatabase* pDatabase);
    // For an import source: the connection also becomes the recordset's own database.
    CPortRecordset(CCookbookDatabase* pOwner, CDatabase* pOwnDatabase);
    ~CPortRecordset() override;

    CString GetDefaultSQL() override;
    CString GetDefaultConnect() override;
    void DoFieldExchange(CFieldExchange* pFX) override;
    int ReportSqlErrors(void* hstmt) override;

    virtual BOOL OpenWithFields(const CString& table, const CString& sql, const CObArray& fields);
    // columns may be null (every column). Shows the driver's text and gives FALSE on failure.
    virtual BOOL OpenTable(const CString& table, const CString& sql, const CStringList* columns);
    virtual BOOL OpenOrRequery(const CString& table, const CString& sql, DWORD dwOptions);

    virtual BOOL GetFieldValue(UINT nNameId, CFieldValue& value);
    virtual BOOL GetFieldValue(LPCSTR lpszName, CFieldValue& value);
    virtual BOOL GetFieldLong(LPCSTR lpszName, CRecordId& value);
    virtual BOOL GetFieldLong(UINT nNameId, CRecordId& value);
    virtual BOOL GetFieldText(LPCSTR lpszName, CString& value);
    virtual BOOL GetFieldText(UINT nNameId, CString& value);
    virtual BOOL GetFieldInt32(LPCSTR lpszName, long& value);
    virtual BOOL GetFieldInt32(UINT nNameId, long& value);
    virtual BOOL GetFieldDword(LPCSTR lpszName, DWORD& value);
    virtual BOOL GetFieldDword(UINT nNameId, DWORD& value);
    virtual BOOL GetFieldChar(LPCSTR lpszName, char& value);
    virtual BOOL GetFieldChar(UINT nNameId, char& value);
    virtual BOOL GetFieldWord(LPCSTR lpszName, WORD& value);
    virtual BOOL GetFieldShort(LPCSTR lpszName, short& value);
    virtual BOOL GetFieldWord(UINT nNameId, WORD& value);
    virtual BOOL GetFieldShort(UINT nNameId, short& value);
    virtual BOOL GetFieldDouble(LPCSTR lpszName, double& value);
    virtual BOOL GetFieldDouble(UINT nNameId, double& value);
    virtual BOOL GetFieldFloat(LPCSTR lpszName, float& value);
    virtual BOOL GetFieldFloat(UINT nNameId, float& value);
    virtual BOOL GetFieldDate(LPCSTR lpszName, long& value);
    virtual BOOL GetFieldDate(UINT nNameId, long& value);
    virtual BOOL GetFieldBytes(LPCSTR lpszName, std::vector<BYTE>& value);
    virtual BOOL GetFieldBytes(UINT nNameId, std::vector<BYTE>& value);
    virtual void BindFieldValue(CFieldExchange* pFX, CFieldValue& value);

    // The column of that exact (case-sensitive) name, or null.
    CFieldValue* FindColumn(LPCSTR lpszName) const;
    // By a schema name's string id.
    CFieldValue* FindColumn(UINT nNameId) const;
    int GetColumnCount() const { return m_columns.GetSize(); }
    CFieldValue* GetColumn(int nIndex) const;

    CObArray m_columns;
    CObArray m_columnSpecs;
    UINT m_nSourceDriverId;
    CString m_strParam;
    long m_lParam;
    int m_nParamColumn;
    CString m_strQuery;
    CString m_strTable;
    CMapWordToPtr m_columnMap;
    CDatabase* m_pOwnDatabase;
    BOOL m_bHasOwnDatabase;

private:
    void DeleteColumns();
    void DescribeColumns(const CString& sql);
    BOOL GetFieldTextTranslated(CFieldValue* column, CString& value, BOOL bTranslate);

    // Rows are built column by column from schema names: each is looked up once per description.
    mutable std::unordered_map<UINT, CFieldValue*> m_columnsByNameId;
};
