#pragma once
// An older cookbook of the program's own schema, made through a cookbook object of its own, for
// the database import tests and benchmark: chapters, catalogue entries, categories, references
// and recipes with their lines.
#include <gtest/gtest.h>

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

// Soups: "Bone Stock", "Mum's Soup" (uses the stock, filed under Seasons > Winter, with a hint
// and a link to a meal plan), "Plain Water" (no lines); Sweets: "Fudge". The cookbook at path is
// marked with the version; the number of the chapter Soups.
inline long WriteSoupsCookbook(const std::string& path, const char* version)
{
    OwnCookbookSource source;
    EXPECT_TRUE(source.Open(path));
    const CRecordId soups = source.AddChapter("Soups");
    const CRecordId sweets = source.AddChapter("Sweets");
    const CRecordId winter = source.AddCategory("Winter", source.AddCategory("Seasons"));

    CRecipeData stock;
    stock.m_title = "Bone Stock";
    stock.m_lines.AddTail(source.IngredientLine("Marrow bones", 2));
    source.FileUnder(stock, winter);
    const CRecordId stockId = source.AddRecipe(stock, soups);

    CRecipeData soup;
    soup.m_title = "Mum's Soup";
    soup.m_servings = 4;
    soup.m_directions = "Simmer.";
    soup.m_lines.AddTail(source.IngredientLine("Mum's herb salt", 1, "crushed"));
    soup.m_lines.AddTail(OwnCookbookSource::RecipeLine(stockId, "Bone Stock"));
    soup.m_links.Add(source.Reference("Serving", "Serve hot.", 'T'));
    soup.m_links.Add(source.Reference("Sunday", "", 'M'));
    source.FileUnder(soup, winter);
    source.AddRecipe(soup, soups);

    CRecipeData water;
    water.m_title = "Plain Water";
    source.AddRecipe(water, soups);

    CRecipeData fudge;
    fudge.m_title = "Fudge";
    fudge.m_lines.AddTail(source.IngredientLine("Condensed milk", 1));
    source.AddRecipe(fudge, sweets);
    source.m_db.ExecuteSQL(("UPDATE DBVERSION SET VERSION='" + std::string(version) + "'").c_str());
    source.Close();
    return soups.GetNumber();
}

}  // namespace exchangetest
