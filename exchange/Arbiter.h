#pragma once

#include <windef.h>

#include <map>
#include <memory>
#include <vector>

#include "database/TOCListItem.h"
#include "exchange/ImportSource.h"
#include "framework/String.h"

class CCookbookDatabase;
class CConfigDB;
class CFieldValue;
class CPortRecordset;
class CRecipeImporter;
class CRecipeLinkSteps;
class CRecordId;
class CSourceRecordset;

// The engine of an import from another cookbook program's database. The configuration
// database (RESOURCE\CONFIG.MDB) says, for each kind of source, which source table holds each
// kind of record and where each field of it lives; the engine reads the source tables through
// that map and never writes to the source.
class CArbiter
{
public:
    // The kinds of record, in the order of the table of tables' columns.
    enum Entity
    {
        kChapter,
        kRecipe,
        kCategory,
        kCatItem,
        kQuantity,
        kIngredient,
        kMenu,
        kMenuItem,
        kShopList,
        kShopItem,
        kMisc,
        kBasic,
        kReference,
        kRefItem,
        kHiCat,
        kCalendar,
        kNutrition,
        kEntityCount
    };

    explicit CArbiter(CRecipeImporter* pImporter = nullptr);
    ~CArbiter();
    CArbiter(const CArbiter&) = delete;
    CArbiter& operator=(const CArbiter&) = delete;

    static const char* GetEntityName(int entity);

    BOOL OpenConfigDatabase();
    // Makes the file reachable as a data source named after the kind ("Configuration
    // Database" for a negative kind) and records the driver and kind the source is read with.
    BOOL RegisterSourceFile(UINT driverId, int sourceKind, const CString& path);
    BOOL LoadTableOfTables(UINT sourceKind);
    // The table of tables' name of the entity's source table, "#NULL#" for none.
    CString GetSourceTableName(int entity) const;
    // Registers, opens and checks the source, then reads and binds its tables.
    BOOL OpenSource(UINT driverId, UINT sourceKind, const CString& path);
    BOOL CheckSource(UINT sourceKind);
    BOOL IndexSourceTables();
    // field map: the entity's field-map rows in FieldTag order.
    BOOL MapSourceColumns(CPortRecordset& fieldMap, CSourceRecordset& source);
    // FALSE when the user asked to stop.
    BOOL CreateIndexes(CSourceRecordset& source);
    void DropIndexes(CSourceRecordset& source);
    // Null when the source has no table for the entity.
    CSourceRecordset* GetSourceTable(int entity) const;

    BOOL SetImporter(CRecipeImporter* pImporter);
    void SetTargetDatabase(CCookbookDatabase* pDatabase) { m_pTargetDatabase = pDatabase; }
    CCookbookDatabase* GetTargetDatabase() const { return m_pTargetDatabase; }
    // The categories and references of each recipe; without them a recipe comes alone.
    void SetLinkSteps(std::unique_ptr<CRecipeLinkSteps> pSteps);
    UINT GetDriverId() const { return m_driverId; }
    int GetSourceKind() const { return m_sourceKind; }
    const CString& GetSourcePath() const { return m_sourcePath; }
    // Non-zero when the user asked to stop.
    int ReportProgress(const CString& text, int line);

    // A source id as a record id; FALSE for a number no record id holds (above 999999).
    static BOOL ReadSourceId(const CFieldValue& value, CRecordId& id);

    TOCListItem m_chapterItem;

private:
    BOOL CheckVersion(UINT sourceKind);
    BOOL IndexEntity(int entity, CPortRecordset& fieldMap);
    void ReleaseSourceTables();

    std::unique_ptr<CConfigDB> m_pConfigDB;
    CCookbookDatabase* m_pTargetDatabase = nullptr;
    CImportSource m_source;
    CRecipeImporter* m_pImporter;
    std::map<int, CSourceRecordset*> m_sourceTables;
    std::vector<std::unique_ptr<CSourceRecordset>> m_indexedTables;
    UINT m_driverId = 0;
    int m_sourceKind = -1;
    CString m_sourcePath;
    BOOL m_bIndexed = FALSE;
    std::unique_ptr<CRecipeLinkSteps> m_pLinkSteps;
};
