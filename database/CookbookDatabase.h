#pragma once

#include <windef.h>

#include "database/RecordId.h"
#include "framework/Database.h"
#include "framework/String.h"

class CFieldValue;
class CMultiRecordColumn;
class CObList;
class CPortRecordset;
class CRecordset;
class CStringList;

// The one object through which a cookbook is read and written: its connection, the recordsets
// every operation reuses, the statement builders, and the opening, version check and upgrade of
// a cookbook. Statements use the schema names of the string table.
class CCookbookDatabase : public CDatabase
{
    DECLARE_DYNAMIC(CCookbookDatabase)
public:
    ~CCookbookDatabase() override;

    // The cookbook in a file: registers the file as the data source dataSourceNameId with the
    // installed driver whose name contains driverNameId's text, then OpenCookbook.
    virtual BOOL OpenCookbookFile(const CString& path, UINT driverNameId, UINT dataSourceNameId);
    // Connects to the registered data source, checks (and upgrades) the version, prepares the
    // ingredient-line recordset. Every cache of a previous cookbook is dropped first.
    virtual BOOL OpenCookbook(UINT dataSourceNameId);
    virtual CPortRecordset* GetRecordset() { return m_pWorkRecordset; }
    virtual BOOL GetIngredientQueryFlag() { return m_bOldIngredientQuery; }
    virtual void CloseRecordsets();

    virtual BOOL OpenRecordset(CRecordset* pRecordset, const CString& name, const CString& sql);
    // condition and order may be null (no clause); an empty table gives an empty text.
    virtual CString BuildSelect(const CString& table, const CStringList* columns = nullptr,
                                LPCSTR condition = nullptr, LPCSTR order = nullptr);
    // The 32-bit value (a text id converted to its number) of readColumnId in the first row whose
    // columnId equals value.
    virtual BOOL FindRowByValue(UINT tableId, UINT columnId, const CString& value, UINT readColumnId, long& place);
    virtual BOOL ValidateTable(UINT nameId);
    // The pattern matches literally: its quotes, "%" and "_" are escaped.
    virtual CString BuildLikeClause(const CString& table, const CString& column, const CString& pattern,
                                    BOOL startsWith);
    virtual CString BuildInsertFromFields(const CString& table, CMultiRecordColumn* fields, int count);
    virtual CString BuildInsertFromLists(const CString& table, const CStringList* columns, const CObList* values);
    virtual CString BuildUpdate(const CString& table, const CStringList* columns, const CObList* values,
                                const CString& condition);
    virtual CString BuildDelete(const CString& table, const CString& condition);
    // value and conditionValue go in as given (the caller quotes them). FALSE when it fails.
    virtual BOOL ExecuteUpdate(UINT tableId, UINT columnId, const CString& value, UINT conditionColumnId,
                               const CString& conditionValue);
    virtual CString JoinList(const CStringList& list);
    // A literal of the value's SQL type: numbers as numbers, texts quoted with quotes doubled,
    // NULL for a value marked null.
    virtual CString QuoteValue(const CFieldValue& value);
    // Runs a statement; a failure is shown with the driver's text and gives FALSE.
    virtual BOOL ExecuteDirect(const CString& sql);

    virtual BOOL UpgradeCookbook();
    virtual BOOL DropTable(const CString& name);
    virtual void BuildIngredientColumnList(CStringList& columns, BOOL qualifyByTable);
    virtual CString BuildInnerJoin(UINT tableA, UINT columnA, UINT tableB, UINT columnB);

    // Drops what was read from the previous cookbook; the Parts that keep caches extend it.
    virtual void ClearCaches();

    CPortRecordset* m_pWorkRecordset;
    CPortRecordset* m_pIngredientRecordset;
    CPortRecordset* m_pThirdRecordset;
    CPortRecordset* m_pFourthRecordset;
    DWORD m_dwColourDisplay;
    DWORD m_dwReserved;
    BOOL m_bOldIngredientQuery;
    BOOL m_bStale[4];
    CRecordId m_currentId;
    long m_nRecipeCount;

protected:
    CCookbookDatabase();

private:
    BOOL CheckVersion(CString& version);
    BOOL OpenIngredientRecordset();
    BOOL ExecuteUpgradeStatement(const CString& sql);
    CString BuildUpgradeView();
    CString BuildUpgradeGroupView();
};
