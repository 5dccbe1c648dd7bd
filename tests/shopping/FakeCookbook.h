#pragma once
// A cookbook database object that answers the shopping manager's recipe and meal-plan reads
// from memory, without a connection.
#include <map>
#include <string>
#include <vector>

#include "database/IngData.h"
#include "database/MenuData.h"
#include "database/MenuItem.h"
#include "database/RMDatabase.h"
#include "database/RecipeData.h"
#include "database/RecipeListItem.h"

namespace shoptest {

struct Recipe
{
    std::string name;
    WORD servings;
    std::vector<CIngData> lines;
};

struct MealPlanItem
{
    const char* type;
    const char* id;
    WORD servings;
};

struct MealPlan
{
    WORD servings;
    std::vector<MealPlanItem> items;
};

inline CIngData Ingredient(const char* name, double quantity)
{
    CIngData line;
    line.m_name = name;
    line.m_minQty = line.m_maxQty = quantity;
    return line;
}

inline CIngData UsedRecipe(const char* id)
{
    CIngData line;
    line.m_lineType = "R";
    line.m_itemId = CRecordId(id);
    line.m_name = "used recipe";
    return line;
}

class CFakeCookbook : public CRMDatabase
{
public:
    int ReadRecipeListItem(CRecipeListItem* pItem, int /*selector*/) override
    {
        const auto found = m_recipes.find(pItem->m_id.GetText());
        if (found == m_recipes.end())
            return 0;
        pItem->m_name = found->second.name.c_str();
        pItem->m_servings = found->second.servings;
        return 1;
    }

    int LoadRecipe(CRecipeData* pRecipe, BYTE /*request*/) override
    {
        ++m_recipeLoads;
        const auto found = m_recipes.find(pRecipe->m_recipeId.GetText());
        if (found == m_recipes.end())
            return 2;
        for (const CIngData& line : found->second.lines)
            pRecipe->m_lines.AddTail(new CIngData(line));
        return 0;
    }

    int LoadMenu(CMenuData& menu) override
    {
        const auto found = m_plans.find(menu.m_id.GetText());
        if (found == m_plans.end())
            return 2;
        menu.m_servings = found->second.servings;
        for (const MealPlanItem& item : found->second.items)
        {
            auto* pItem = new CMenuItem;
            pItem->m_type = item.type;
            pItem->m_itemId = CRecordId(item.id);
            pItem->m_servings = item.servings;
            menu.m_items.AddTail(pItem);
        }
        return 0;
    }

    CRecipeListItem Entry(const char* id)
    {
        CRecipeListItem entry;
        entry.m_id = CRecordId(id);
        ReadRecipeListItem(&entry, 1);
        return entry;
    }

    std::map<std::string, Recipe> m_recipes;
    std::map<std::string, MealPlan> m_plans;
    int m_recipeLoads = 0;
};

}  // namespace shoptest
