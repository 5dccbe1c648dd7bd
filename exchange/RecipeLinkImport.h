#pragma once

#include <map>
#include <vector>

#include "database/CategoryListItem.h"
#include "database/RecordId.h"
#include "exchange/RecipeLinkSteps.h"
#include "framework/String.h"

class CArbiter;
class CCookbookDatabase;
class CCustObList;
class CSourceRecordset;

// Gives each recipe that the import engine reads from a configured source its categories and
// references, and copies the photo files those name into the target cookbook's folder. The
// source's category ids are translated into the target's once for the whole import, so that a
// category many recipes share is made in the target once.
class CRecipeLinkImport : public CRecipeLinkSteps
{
public:
    explicit CRecipeLinkImport(CArbiter& engine);

    BOOL ImportLinks(const CRecordId& sourceRecipeId, CRecipeData& recipe) override;
    // A photo that the source lacks is reported and the rest go on; a target that cannot be
    // written is reported and fails.
    BOOL CopyPhotos(const CRefItemArray& references) override;

    // The flat, numbered categories of the older kind.
    BOOL ImportCategories(const CRecordId& recipeId, CCustObList& categories);
    // The category tree, each of the recipe's categories filed with its parents.
    BOOL ImportHierarchicalCategories(const CRecordId& recipeId, CCustObList& categories);
    BOOL ImportReferences(const CRecordId& recipeId, CRefItemArray& references);

    // The top-level recipe category named by the string, which the source's categories go under.
    BOOL MakeKindCategory(UINT nameId);
    const CRecordId& GetKindCategoryId() const { return m_kindCategoryId; }
    // Finds the category in the target by name (any case) and parent, else adds it; the item
    // takes the target's id. A cleared item ('Z') is only looked for.
    BOOL SaveCategory(CategoryListItem& item);
    // As SaveCategory for an item holding its source id, which is remembered for the target's.
    BOOL TranslateCategory(CategoryListItem& item);

private:
    CCookbookDatabase& Target() const;
    BOOL Stopped(const char* text) const;
    // The source ids of the recipe's categories; with any, the kind's category is made first.
    BOOL CollectCategoryIds(const CRecordId& recipeId, std::vector<CRecordId>& ids);
    // The source ids of the recipe's categories, from the category-item table.
    BOOL ImportCategoryTable(const CRecordId& recipeId, CSourceRecordset& items, std::vector<CRecordId>& ids);
    // Reads the category tree once per import.
    void ImportCategoryType(CSourceRecordset& tree);
    // The category and its parents found in the tree, the top one first.
    std::vector<CategoryListItem> ChainOf(const CRecordId& id) const;
    BOOL SaveChain(std::vector<CategoryListItem>& chain);
    BOOL TranslateNumberedCategory(const CString& number, CategoryListItem& item);
    BOOL ImportReference(CSourceRecordset& references, const CRecordId& id, CRefItemArray& list);
    CString PhotoFolder() const;

    CArbiter& m_engine;
    // Source id text to the category made for it in the target.
    std::map<CString, CategoryListItem> m_translated;
    // The source's category tree by id number.
    std::map<long, CategoryListItem> m_sourceCategories;
    UINT m_kindNameId = 0;
    CRecordId m_kindCategoryId;
};
