#pragma once

#include <windef.h>

#include <map>
#include <memory>
#include <set>
#include <vector>

#include "database/CustObArray.h"
#include "database/RecordId.h"
#include "database/TOCListItem.h"
#include "exchange/ImportSource.h"
#include "exchange/ImportTarget.h"
#include "framework/String.h"
#include "framework/StringArray.h"

class CCookbookDatabase;
class CConfigDB;
class CCustObList;
class CFieldValue;
class CIngData;
class CPortRecordset;
class CRecipeData;
class CRecipeImporter;
class CRecipeLinkSteps;
class CSourceCookbook;
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

    // The source's chapters (TOCListItem), read afresh.
    CCustObArray& LoadChapters();
    // The titles and source ids of a chapter's recipes (null or "000000": of every chapter). The
    // chapter listed last is not read again until ForgetListing. Recipes whose ids no record id
    // holds are left out and named by GetUnlistedRecipes.
    BOOL ListRecipes(CStringArray& titles, std::vector<unsigned long>& ids, const CRecordId* pChapter);
    void ForgetListing() { m_bListed = FALSE; }
    BOOL IsListed(const CRecordId& chapter) const { return m_bListed && chapter == m_listedChapter; }
    const CStringArray& GetUnlistedRecipes() const { return m_unlisted; }
    // The source's recipe with everything hanging on it, in the chapter item's chapter, with the
    // id "000000" and the target's ids for its ingredients, categories and references.
    BOOL ImportRecipeById(unsigned long sourceNumber, CRecipeData& recipe);
    BOOL ImportRecipeByName(const CString& title, CRecipeData& recipe);

    BOOL SetImporter(CRecipeImporter* pImporter);
    void SetTargetDatabase(CCookbookDatabase* pDatabase);
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
    BOOL OpenSourceCookbook(const CString& path);
    BOOL CheckVersion(UINT sourceKind);
    BOOL IndexEntity(int entity, CPortRecordset& fieldMap);
    void ReleaseSourceTables();
    BOOL IsOwnSchema() const;

    BOOL ReadRecipe(CSourceRecordset& recipes, CRecipeData& recipe);
    BOOL ImportQuantities(const CRecordId& recipeId, CCustObList& lines);
    BOOL ImportIngredients(CCustObList& lines);
    BOOL ImportEmbeddedRecipes(CCustObList& lines);
    BOOL ImportBasicIngredients(CCustObList& lines);
    // The name of a source category, from whichever category table the source has.
    CString ReadCategoryName(const CRecordId& categoryId);
    BOOL ImportNutrition(CCustObList& lines);
    BOOL StoreIngredients(CCustObList& lines);
    BOOL ImportLinks(const CRecordId& sourceId, CRecipeData& recipe);
    BOOL ImportLinkedRecipes(CCustObList& lines);
    BOOL ImportOwnSchemaRecipe(const CRecordId& sourceId, CRecipeData& recipe);
    void PlaceInChapter(CRecipeData& recipe) const;

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
    std::unique_ptr<CSourceCookbook> m_pSourceCookbook;
    std::unique_ptr<CImportTarget> m_pTarget;
    CCustObArray m_chapters;
    BOOL m_bListed = FALSE;
    CRecordId m_listedChapter;
    CStringArray m_unlisted;
    // Source ids of the recipes being read, the outermost first: a recipe that uses one of them
    // does not read it again.
    std::set<long> m_recipesInReading;
};
