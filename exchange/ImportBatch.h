#pragma once

#include <windef.h>

#include <memory>
#include <vector>

#include "database/CustObList.h"
#include "database/TOCListItem.h"
#include "framework/String.h"

class CategoryListItem;
class CRecipeData;
class CRecipeImporter;

// One run of Import Selected: each chosen recipe is read and stored on its own account, so
// that one that cannot be read or saved is named and skipped while the others still come in.
// Only Cancel or a cookbook that cannot be written stops the run. Recipes are stored a block at
// a time in one transaction; a block in which a save fails is stored again recipe by recipe.
class CImportBatch
{
public:
    CImportBatch(CRecipeImporter& importer, const TOCListItem& chapter);

    // Places in the importer's title list, in order. Runs in the importer's progress window.
    void Run(const std::vector<int>& indices);
    int GetImported() const { return m_imported; }
    int GetSkipped() const { return static_cast<int>(m_skipped.size()); }
    // The closing message: how it ended, the counts and the first skipped recipes.
    CString Describe();

private:
    using RecipeBlock = std::vector<std::unique_ptr<CRecipeData>>;

    // false when the run must stop.
    bool ReadOne(int index, RecipeBlock& block);
    bool IsTimeToShowARecipe();
    bool StoreBlock(const RecipeBlock& block);
    bool StoreTogether(const RecipeBlock& block);
    bool StoreOneByOne(const RecipeBlock& block);
    void KeepCategories(const CRecipeData& recipe);
    bool IsKept(const CategoryListItem& category) const;

    CRecipeImporter& m_importer;
    TOCListItem m_chapter;
    int m_imported;
    bool m_stopped;
    std::vector<CString> m_skipped;
    CCustObList m_categories;
    // Shown for a recipe: read from the string table once.
    CString m_importingText;
    CString m_readingText;
    // When a recipe's texts were last shown (a tick count).
    DWORD m_lastShown;
};
