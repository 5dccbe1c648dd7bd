#pragma once
// An older cookbook of the program's own schema, made through a cookbook object of its own, for
// the database import tests and benchmark: chapters, catalogue entries, categories, references
// and recipes with their lines.
#include <string>

#include "database/CategoryListItem.h"
#include "database/IngData.h"
#include "database/RMDatabase.h"
#include "database/RecipeData.h"
#include "database/RefListItem.h"
#include "database/TOCListItem.h"
#include "res/resource.h"

namespace exchangetest {

class OwnCookbookSource
{
public:
    // path: a copy of a cookbook file, opened for writing under a data-source name of its own.
    bool Open(const std::string& path)
    {
        return m_db.OpenCookbookFile(path.c_str(), IDS_DRIVER_ACCESS, IDS_SOURCE_PANTRIX_MASTER) != FALSE;
    }

    void Close()
    {
        m_db.CloseRecordsets();
        m_db.Close();
    }

    CRecordId AddChapter(const char* name)
    {
        TOCListItem chapter(name, 0, 'T');
        m_db.SaveChapter(chapter);
        return chapter.m_id;
    }

    CRecordId AddCategory(const char* name, const CRecordId& parent = CRecordId())
    {
        CategoryListItem category;
        category.m_name = name;
        category.m_type = 'R';
        category.m_secondId = parent;
        m_db.AddCategory(category);
        return category.m_id;
    }

    // A line of an ingredient that the catalogue gets when it lacks it.
    CIngData* IngredientLine(const char* name, double quantity, const char* preparation = "")
    {
        auto* pLine = new CIngData;
        pLine->m_lineType = "I";
        pLine->m_name = name;
        pLine->m_maxQty = pLine->m_minQty = quantity;
        pLine->m_unitId = "000001";
        pLine->m_preparation = preparation;
        pLine->m_liquid = 30.0;
        m_db.SaveIngredient(*pLine, FALSE);
        return pLine;
    }

    static CIngData* RecipeLine(const CRecordId& recipeId, const char* title)
    {
        auto* pLine = new CIngData;
        pLine->m_lineType = "R";
        pLine->m_itemId = recipeId;
        pLine->m_name = title;
        pLine->m_maxQty = pLine->m_minQty = 1;
        pLine->m_unitId = "000001";
        return pLine;
    }

    RefListItem* Reference(const char* name, const char* content, char type)
    {
        auto* pReference = new RefListItem(name, content, 0, type);
        m_db.SaveReference(*pReference);
        return pReference;
    }

    void FileUnder(CRecipeData& recipe, const CRecordId& categoryId)
    {
        recipe.m_categories.AddTail(m_db.FindCategory(categoryId)->Clone());
    }

    // The recipe's new id.
    CRecordId AddRecipe(CRecipeData& recipe, const CRecordId& chapter)
    {
        recipe.m_chapterId = chapter;
        recipe.m_loadLevel = CRecipeData::kLoadLines;
        m_db.InsertRecipe(recipe, 0);
        return recipe.m_recipeId;
    }

    CRMDatabase m_db;
};

}  // namespace exchangetest
