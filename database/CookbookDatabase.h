#pragma once

#include <windef.h>

#include <map>
#include <memory>
#include <set>
#include <utility>
#include <vector>

#include "database/ColumnDefaults.h"
#include "database/CustObArray.h"
#include "database/CustObList.h"
#include "database/PreparedStatements.h"
#include "database/RecordId.h"
#include "database/SlotArray.h"
#include "framework/AnsiNames.h"
#include "framework/Database.h"
#include "framework/String.h"

class CFieldValue;
class CBrowseState;
class CListItem;
class CMapStringToPtr;
class CMenuData;
class CMenuItem;
class CRefItemArray;
class MenuListItem;
class RefListItem;
class CMultiRecordColumn;
class CObList;
class CPortRecordset;
class CRecordset;
class CStringList;
class CategoryListItem;
class CIngData;
class CIngRec;
struct CIngredientFacts;
class CRecipeData;
class CRecipeListItem;
class CRecipeNutritionTotal;
class CRowValues;
class CUnitRec;
class NUTRITION;
class TOCListItem;

// The one object through which a cookbook is read and written: its connection, the recordsets
// every operation reuses, the statement builders, and the opening, version check and upgrade of
// a cookbook. Statements use the schema names of the string table.
class CCookbookDatabase : public CDatabase
{
    DECLARE_DYNAMIC(CCookbookDatabase)
public:
    ~CCookbookDatabase() override;
    // The prepared statements go first: they belong to the connection.
    void Close() override;

    // The cookbook in a file: registers the file as the data source dataSourceNameId with the
    // installed driver whose name contains driverNameId's text, then OpenCookbook.
    virtual BOOL OpenCookbookFile(const CString& path, UINT driverNameId, UINT dataSourceNameId, BOOL readOnly = FALSE);
    // Connects to the registered data source, checks (and upgrades) the version, prepares the
    // ingredient-line recordset. Every cache of a previous cookbook is dropped first. A cookbook
    // opened read-only (an import source) is neither upgraded nor given indexes.
    virtual BOOL OpenCookbook(UINT dataSourceNameId, BOOL readOnly = FALSE);
    virtual CPortRecordset* GetRecordset() { return m_pWorkRecordset; }
    virtual BOOL GetIngredientQueryFlag() { return m_bOldIngredientQuery; }
    virtual void CloseRecordsets();

    virtual BOOL OpenRecordset(CRecordset* pRecordset, const CString& name, const CString& sql);
    // condition and order may be null (no clause); an empty table gives an empty text.
    virtual CString BuildSelect(const CString& table, const CStringList* columns = nullptr, LPCSTR condition = nullptr,
                                LPCSTR order = nullptr);
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
    // Every change to a cookbook passes here: FALSE, with nothing run, when the cookbook is
    // read-only; a database error is thrown.
    BOOL ExecuteWrite(const CString& sql);

    virtual BOOL UpgradeCookbook();
    virtual BOOL DropTable(const CString& name);
    virtual void BuildIngredientColumnList(CStringList& columns, BOOL qualifyByTable);
    virtual CString BuildInnerJoin(UINT tableA, UINT columnA, UINT tableB, UINT columnB);

    // Drops what was read from the previous cookbook; the Parts that keep caches extend it.
    virtual void ClearCaches();

    // Recipes read: 1 found, 0 not; LoadRecipe 0 read, 2 failed (a missing row fails too).
    virtual int ReadRecipeListItem(CRecipeListItem* pItem, int selector);
    virtual int LoadRecipe(CRecipeData* pRecipe, BYTE request);
    virtual void LoadEmbeddedRecipes(const CRecordId& recipeId, CObList& lines);
    virtual void ReadRecipeFields(CRecipeData& recipe, CPortRecordset& recordset);
    virtual void ReadIngredientLineFields(CIngData& line, CPortRecordset& recordset);
    virtual int LoadItemCategories(const CRecordId& id, CCustObList& list, char type);

    // Nutrient profiles: TRUE on success.
    virtual BOOL ReadRecipeNutrition(CRecipeData& recipe);
    virtual BOOL ReadIngredientNutrition(CIngData& line);
    // Per day: the plan's recipes summed over the days that hold any.
    virtual BOOL ComputeMenuNutrition(CMenuData& menu);
    virtual BOOL ComputeRecipeNutrition(CRecipeData& recipe, BOOL recompute, BOOL doNotSave);
    virtual BOOL SelectRecipeNutrition(const CRecordId& id, CPortRecordset& recordset);
    virtual BOOL OpenRecipeIngredientNutrition(const CRecordId& id);
    virtual BOOL ReadEmbeddedRecipeNutrition(const CRecordId& id, NUTRITION& profile);
    // pRecordset null: the work recordset.
    virtual BOOL SelectFromTable(UINT tableId, const CString& condition, CPortRecordset* pRecordset);
    // An update that finds no row inserts it.
    virtual BOOL SaveNutrition(const NUTRITION& profile, char type, const CRecordId& id, BOOL rowExists);
    virtual void GetNutrientColumns(CStringList& columns);

    // Chapters and contents entries; deletions remove every dependent row, in one transaction.
    virtual CCustObArray& BuildContentsEntries();
    virtual CCustObArray& LoadChapters(CCustObArray& array);
    virtual CString GetContentsEntryName(CRecordId id);
    virtual long GetRecipeCount();
    virtual BOOL SaveChapter(TOCListItem& entry);
    virtual BOOL DeleteRecipe(const CRecordId& id, BOOL withCalendar);
    virtual BOOL DeleteChapter(const TOCListItem& entry);

    // Recipes written, each save in one transaction: 0 written, 2 failed (nothing kept),
    // 3 read-only cookbook. The row writers give non-zero on success.
    virtual int InsertRecipe(CRecipeData& rcp, BOOL defer);
    virtual int SetRecipeRating(const CRecipeListItem& item);
    virtual int SaveRecipe(const CRecipeData& old, CRecipeData& rcp);
    virtual int WriteRecipeRow(CRecipeData& rcp);
    virtual int WriteIngredientLines(CRecipeData& rcp);
    virtual int DeleteIngredientLines(const CRecordId& id);
    virtual int WriteCategoryItems(const CRecordId& id, const CCustObList& list, char type, BOOL defer);
    virtual int DeleteCategoryItems(const CRecordId& id, char type);
    virtual int WriteReferenceLinks(const CRecordId& id, const CRefItemArray& links, char type);
    virtual int DeleteReferenceLinks(const CRecordId& id, char type);

    // The highest id in use: "000000" for an empty table, "999999" when it cannot be read.
    virtual CRecordId GetHighestRecordId(UINT tableId, UINT columnId);
    // While on, each table's highest id is read once and new ids are counted on from it, so a
    // run of inserts does not scan the table for each. Turning it either way forgets the counts:
    // turn it off when a write fails, the ids it took never having been stored.
    void CountRecordIds(BOOL on);
    // Rows inserted from now on wait and go many to a statement: no statement may read them
    // before EndDeferredInserts writes them (write) or drops them.
    void DeferInserts();
    BOOL EndDeferredInserts(BOOL write);
    // value arrives quoted; type 'Z' adds no type condition. The one row deletion.
    virtual BOOL DeleteItemRows(UINT tableId, UINT columnId, const CString& value, char type);
    virtual void ReadCategoryFields(CategoryListItem& item, CPortRecordset& recordset);
    virtual int UpdateCategoryFlags(const CCustObList& list, char type);
    virtual int CategoryHasItems(const CRecordId& id, char type);

    // The category tree: arrays by kind 0 all, 1 'R', 2 'M', entries at slot REL_INDEX.
    virtual CategoryListItem* FindCategory(const CRecordId& id);
    virtual CategoryListItem& ReadCategory(CategoryListItem& item);
    // Any other kind marks every kind stale.
    virtual CSlotArray& GetCategoryTree(int kind);
    virtual int CopyCategoryTree(CSlotArray& dest, int kind);
    // parentId 0: the top level. The highest slot of dest.
    virtual int GetChildCategories(CSlotArray& dest, long parentId, int kind, long unused = 0);
    virtual CSlotArray& LoadCategoryTree(CSlotArray& target, int kind);
    virtual short GetMaxCategoryIndex();
    virtual int AddCategory(CategoryListItem& item);
    virtual int SaveCategory(CategoryListItem& item);
    // With every descendant, in one transaction.
    virtual int RemoveCategory(const CategoryListItem& item);
    virtual int PurgeCategoryItems(char type);
    virtual long LookupCategoryId(const CategoryListItem* pItem);
    virtual int LoadCategoryItems(CStringList& list, const CRecordId& id, char type);

    virtual CCustObList& LoadUnits();
    virtual BOOL LoadUnitConversions(CUnitRec& unit);
    virtual BOOL FindUnit(CIngData& line);
    // Both directions: id text to name and name to id text.
    virtual std::map<CString, CString>& LoadGroups();
    virtual CCustObList& LoadBasicItems();
    // By id or by name (exactly one of them given).
    virtual BOOL LoadIngredients(CIngRec& ingredient);
    virtual BOOL LoadBasicIngredient(CIngData& line);
    // The row, its profile and its basic item, in one transaction.
    virtual BOOL SaveIngredient(CIngData& line, BOOL exists);
    virtual BOOL SaveIngredientCategories(const CRecordId& ingredientId, const CRecordId& basicItemId);
    virtual BOOL DeleteIngredient(const CRecordId& id);

    // Searches: each empties the caller's list first and fills it with items the list owns.
    // The search text matches literally (quotes, "%" and "_" included).
    virtual BOOL SearchRecipes(CCustObList& list, const CString& text, int field);
    virtual BOOL SearchMenus(CCustObList& list, const CString& text);
    // The meal plans that hold a recipe line whose text contains the search text.
    virtual BOOL SearchMenusByRecipe(CCustObList& list, const CString& text);
    virtual int SearchIngredients(CCustObList& list, const CString& text, BOOL beginsWith, BOOL allRows);
    // Every ingredient of the catalogue by name, each with its id.
    virtual int LoadIngredientNames(CCustObList& list);
    virtual int SearchIngredientsBySound(CCustObList& list, const CString& name, BOOL beginsWith, BOOL allRows);
    // map: id text -> owned CRecipeListItem, emptied (and its items deleted) first.
    virtual BOOL SearchRecipesByIngredient(const CRecordId& categoryId, CMapStringToPtr& map);
    // Adds the id text of each recipe using one of the ingredients as a key of map.
    virtual BOOL FindRecipesUsingItem(const CStringList& ingredientIds, CMapStringToPtr& map);
    static CString MakeSoundCode(const CString& name);
    // The ids of the ingredients filed under an ingredient category; 0 for id "000000".
    virtual int GetIngredientsInCategory(CStringList& list, const CRecordId& categoryId);

    // Meal plans. The cached list is loaded on first use and rebuilt after a save or delete;
    // entries handed out stay owned by it.
    virtual MenuListItem* FindMenu(const CString& key, int mode);
    virtual int LoadMenu(CMenuData& menu);
    virtual CCustObArray& GetMenuList();
    // flag 0: the cached list; otherwise the browse state's list of the category's plans
    // (of every plan for a null id), which becomes its current meal-plan list.
    virtual CCustObArray& GetMenuListFor(CBrowseState& state, const CRecordId* pCategoryId, BOOL flag);
    // Copies of the cached plans filed under a category, sorted by name; the count.
    virtual int GetMenusInCategory(CCustObArray& list, long categoryNumber);
    virtual CCustObArray& LoadMenuList(CCustObArray& list);
    // Null outside the cached list.
    virtual MenuListItem* GetMenuAt(int index);
    virtual BOOL UpdateMenuItemText(const CRecordId& recipeId, const CString& text);
    // Writers: TRUE when everything was written, in one transaction (nothing kept otherwise).
    // A new plan (isNew) gets the next free id; an existing one is saved through RewriteMenu.
    virtual BOOL SaveMenu(CMenuData& menu, BOOL isNew);
    virtual BOOL AddMenuItem(const CRecordId& menuId, const CMenuItem& item);
    virtual BOOL RewriteMenu(CMenuData& menu);
    virtual BOOL SaveMenuItems(const CMenuData& menu);
    virtual BOOL DeleteMenu(const CRecordId& menuId, BOOL withCalendar);

    // References of an item (link type 'R' or 'M') or of one kind; results are the counts.
    virtual int LoadReferences(CRefItemArray& references, long itemNumber, char linkType);
    virtual int LoadReferencesByType(CRefItemArray& references, char refType);
    virtual int LoadMenuReferences(CRefItemArray& references, long itemNumber);
    // A new reference keeps its new id only when it was written.
    virtual BOOL SaveReference(RefListItem& reference);
    virtual BOOL DeleteReference(const CRecordId& id);

    // Stores and the sections of one store, cached.
    virtual CCustObList& LoadStores();
    virtual BOOL GetStoreName(long storeNumber, CString& name);
    virtual CCustObList& LoadStoreSections(long storeNumber);
    // The caches change only after the rows did.
    virtual BOOL SaveStore(CListItem& store);
    virtual BOOL DeleteStore(const CListItem& store);
    virtual BOOL SaveStoreSections(long storeNumber, const CCustObList& sections);

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
    CCustObArray m_menuList;
    CCustObList m_storeList;
    CCustObList m_sectionList;
    // The store whose sections m_sectionList holds; -1 for none.
    long m_nSectionStore = -1;
    CCustObArray m_contents;
    BOOL m_bCategoryStale[3] = {TRUE, TRUE, TRUE};
    CCustObList m_units;
    std::map<CString, CString> m_groups;
    CCustObList m_basicItems;
    CSlotArray m_categoryTrees[3];
    short m_nMaxCategoryIndex = 0;
    int m_nLastCategoryKind = 0;
    BOOL m_bCountingIds = FALSE;
    // The last id given out per table, while ids are counted.
    std::map<UINT, CRecordId> m_countedIds;
    CPreparedStatements m_insertStatements;
    CColumnDefaults m_columnDefaults;
    std::map<UINT, std::unique_ptr<CPortRecordset>> m_describedTables;
    // Catalogue ingredients by id text, read once each while ids are counted (a batch of
    // saves), else for one save.
    std::map<CString, std::unique_ptr<CIngredientFacts>> m_ingredientFacts;

protected:
    CCookbookDatabase();

private:
    // Opens the work recordset (closed first) on a plain select; FALSE when it cannot be.
    BOOL OpenWorkSelect(const CString& sql, const CStringList* columns);
    // The meal plans that meet the condition, as meal-plan list items; none for an empty text.
    BOOL SelectMenus(CCustObList& list, const CString& text, const CString& condition);
    BOOL LoadMenuItems(CMenuData& menu);
    BOOL WriteMenu(CMenuData& menu);
    BOOL InsertMenuItems(const CRecordId& menuId, POSITION& position, const CObList& items, int count);
    BOOL DeleteMenuRows(const CRecordId& menuId, BOOL withCalendar);
    void ReloadMenuList();
    CRecordId NextRecordId(UINT tableId, UINT columnId);
    void CacheStore(const CListItem& store, BOOL isNew);
    BOOL InsertStoreSections(const CRecordId& storeId, const CCustObList& sections);
    BOOL OpenWorkSelect(UINT tableId, const CStringList* columns, LPCSTR condition, LPCSTR order);
    BOOL CheckVersion(CString& version);
    // Makes the indexes the sorted lists read through, where the cookbook lacks them.
    void MakeListIndexes();
    // Runs the ingredient-line query for one recipe (none: "000000").
    BOOL OpenIngredientRecordset(const CRecordId& recipeId = CRecordId());
    BOOL ExecuteUpgradeStatement(const CString& sql);
    CString BuildUpgradeView();
    CString BuildUpgradeGroupView();

    BOOL LoadRecipeRow(CRecipeData& recipe);
    BOOL LoadIngredientLines(CRecipeData& recipe, BYTE request);
    BOOL ReadStoredIngredientLines(CRecipeData& recipe, BOOL canonicalUnits);
    void ReadIngredientColumns(CIngData& line, CPortRecordset& recordset);
    BOOL ReadEmbeddedRecipeLine(CIngData& line);
    BOOL HasRow(UINT tableId, const CString& condition);
    CPortRecordset* DescribeTable(UINT tableId);
    // The columns an insert names, with their values.
    using WrittenValues = std::vector<std::pair<CString, const CFieldValue*>>;
    // A value as a statement's parameter takes it.
    struct BoundValue
    {
        enum Kind : char
        {
            kNull,
            kLong,
            kDouble,
            kText
        } kind = kNull;
        long number = 0;
        double real = 0.0;
        CString text;
    };
    // One row waiting to be inserted: its columns (one of the column sets) and their values.
    struct InsertedRow
    {
        const std::vector<UINT>* pColumnIds = nullptr;
        std::vector<BoundValue> values;
    };
    // Numbers keep their type, so that the driver need not read them back from text.
    static BoundValue BoundValueOf(const CFieldValue& value);
    // Through statements prepared once per table and set of columns.
    BOOL InsertRow(UINT tableId, const CRowValues& row);
    // In their order; a failure is shown and gives FALSE, and the rows before it may stand:
    // callers write in a transaction. While inserts are deferred the rows only wait.
    BOOL InsertRows(UINT tableId, const std::vector<const CRowValues*>& rows);
    BOOL WritePendingInserts();
    static std::size_t EndOfInsertGroup(const std::vector<InsertedRow>& rows, std::size_t first);
    // Raises CDBException. A column whose value in every row of the group is the column's
    // default is left out, which spares the driver most of a new recipe's zeros.
    void InsertGroup(UINT tableId, const std::vector<InsertedRow>& rows, std::size_t first, std::size_t end);
    BOOL TakesDefault(UINT tableId, const std::vector<InsertedRow>& rows, std::size_t first, std::size_t end,
                      std::size_t column);
    static CString BuildInsertGroup(UINT tableId, const std::vector<UINT>& columnIds, std::size_t nRows);
    BOOL m_bDeferringInserts = FALSE;
    // Rows not yet written, by table, in order.
    std::map<UINT, std::vector<InsertedRow>> m_pendingInserts;
    // The sets of columns rows were written with: rows share them, and rows with the same set
    // have the same one. Kept for the life of the object, so that a waiting row can point at one.
    std::set<std::vector<UINT>> m_columnSets;
    // Where InsertRows lists a row's written columns, kept so that its room is made once.
    std::vector<UINT> m_writtenColumnIds;
    static BOOL IsQuotedType(short type);
    static CString ValueText(const CFieldValue& value);
    static BOOL ListWrittenValues(const CStringList* columns, const CObList* values, WrittenValues& written);
    // Empty text is left to the column's default.
    static BOOL IsWritten(const CFieldValue& value);
    BOOL WriteRecipeRowAs(CRecipeData& rcp, BOOL isNew);
    BOOL RewriteChangedParts(const CRecipeData& old, CRecipeData& rcp);
    BOOL SaveRecipeNutrition(CRecipeData& rcp);
    // The recipe with a new id, its lines, categories, links and nutrition, in one transaction.
    BOOL WriteNewRecipe(CRecipeData& rcp);
    // The profile of a recipe just inserted, summed from its lines in memory as
    // ComputeRecipeNutrition sums the stored ones.
    BOOL SaveInsertedNutrition(CRecipeData& recipe);
    // Adds the used recipes, keeps a fixed calorie value and stores the profile per serving.
    BOOL FinishRecipeNutrition(CRecipeData& recipe, CRecipeNutritionTotal& total, BOOL rowExists, BOOL doNotSave);
    const CIngredientFacts& FindIngredientFacts(const CRecordId& id);
    // The catalogue's weights and the unit's conversions, as reading the lines back gives them.
    void CompleteLineMeasures(CRecipeData& recipe);
    static void ReadUnitRow(CPortRecordset& row, CUnitRec& unit);
    // DeleteItemRows; report shows a failure as "Error Deleting" the table.
    BOOL DeleteRows(UINT tableId, UINT columnId, const CString& value, char type, BOOL report);
    static UINT CategoryItemTable(char type);
    static const CategoryListItem* FindInTree(const CSlotArray& tree, long id);
    // The head of the top-level chain: the first category without a parent; -1 for none.
    static int FirstTopLevelSlot(const CSlotArray& tree);
    BOOL LinkNewCategory(const CategoryListItem& item, short newIndex);
    BOOL DeleteDescendants(const CategoryListItem& category);
    BOOL UnlinkCategory(const CategoryListItem& removed);
    void AfterCategoryWrite(const CCustObList& oldList, const CCustObList& newList, char type);
};
