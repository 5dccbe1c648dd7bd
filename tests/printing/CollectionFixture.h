#pragma once
// A cookbook of small recipes and named chapters for the chapter, category and driver tests.
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "database/RecipeData.h"
#include "database/RecipeListItem.h"
#include "framework/ObList.h"
#include "printing/FakeChapterView.h"
#include "printing/ReportFixture.h"

namespace printtest {

class CCollectionCookbook : public CFakeCookbook
{
public:
    CString GetContentsEntryName(CRecordId id) override { return ChapterNames[id.GetText()].c_str(); }
    int LoadRecipe(CRecipeData* pRecipe, BYTE request) override
    {
        const int result = CFakeCookbook::LoadRecipe(pRecipe, request);
        if (AfterLoad)
            AfterLoad(static_cast<int>(LoadRequests.size()));
        return result;
    }

    std::map<std::string, std::string> ChapterNames;
    // Called after every load with the number of loads so far.
    std::function<void(int)> AfterLoad;
};

inline CRecipeData SmallRecipe(const char* id, const char* title)
{
    CRecipeData recipe;
    recipe.m_recipeId = CRecordId(id);
    recipe.m_title = title;
    recipe.m_servings = 2;
    recipe.m_lines.AddTail(new CIngData(IngredientLine("1", "cup", "water", "")));
    recipe.m_directions = "Stir.";
    return recipe;
}

// Owns the recipe list items of a category.
class CCategoryRecipes
{
public:
    ~CCategoryRecipes()
    {
        for (POSITION position = List.GetHeadPosition(); position != nullptr;)
            delete static_cast<CRecipeListItem*>(List.GetNext(position));
    }
    void Add(const char* id, const char* title)
    {
        auto* pItem = new CRecipeListItem;
        pItem->m_id = CRecordId(id);
        pItem->m_name = title;
        List.AddTail(pItem);
    }

    CObList List;
};

class CollectionTest : public ReportTest
{
protected:
    void SetUp() override
    {
        ReportTest::SetUp();
        SetCurrentDatabase(&m_book);
        CFakeChapterView::Rows().clear();
        CFakeChapterView::Opens() = 0;
    }

    // A recipe in the cookbook and a row of the chapter.
    void AddChapterRecipe(const char* id, const char* title)
    {
        m_book.Add(SmallRecipe(id, title));
        CFakeChapterView::Rows().push_back({id, title});
    }

    CCollectionCookbook m_book;
};

}  // namespace printtest
