#pragma once

#include <windef.h>

#include <map>
#include <vector>

#include "database/RMDatabase.h"
#include "database/RecordId.h"
#include "framework/String.h"

class CCustObArray;
class CImportTarget;
class CRecipeData;
class CStringArray;

// An older cookbook of this program's own schema as an import source: a second cookbook database
// object, opened read-only so that nothing (not even the upgrade of a 1.2 cookbook) changes the
// file. Its recipes arrive with the target's ids for their categories, ingredients and
// references; categories keep their names and places under a category named after the source.
class CSourceCookbook
{
public:
    // FALSE, after a message naming the file, when it is not a cookbook of version 1.2 or 1.3.
    BOOL Open(const CString& path);
    void LoadChapters(CCustObArray& chapters);
    // The chapter's recipes by title.
    BOOL ListRecipes(const CRecordId& chapter, CStringArray& titles, std::vector<unsigned long>& ids);
    // The recipe whole. Its references are saved into the target; the photos they name are the
    // caller's to copy.
    BOOL ImportRecipe(const CRecordId& sourceId, CRecipeData& recipe, CImportTarget& target);

private:
    BOOL TranslateCategories(CRecipeData& recipe, CImportTarget& target);
    // The target's id of the source category, made with its parents when missing; "000000"
    // when it cannot be.
    CRecordId TranslateCategory(const CRecordId& sourceId, CImportTarget& target, int depth);
    BOOL MakeKindCategory(CImportTarget& target);
    static BOOL SaveReferences(CRecipeData& recipe, CImportTarget& target);
    BOOL StoreLines(CRecipeData& recipe, CImportTarget& target);
    void ReadStoredProfile(CIngData& line);

    CRMDatabase m_database;
    CRecordId m_kindCategoryId;
    // Source category number to the target's id.
    std::map<long, CRecordId> m_categoryIds;
};
