#pragma once
// What the report-writer tests share: the settings object, an in-memory cookbook as the current
// database, a recording formatter, a fixture recipe and a compact view of recorded calls.
#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "database/CategoryListItem.h"
#include "database/IngData.h"
#include "database/Nutrition.h"
#include "database/RecipeData.h"
#include "printing/FakeCookbook.h"
#include "printing/RecordingFormatter.h"
#include "shell/ShellTestFolder.h"
#include "shell/services/CurrentDatabase.h"
#include "shell/settings/AppSettings.h"

namespace printtest {

// Emphasis letters (B bold, I italic, U underline, X flag 8, "-" none), the mode ('-' plain),
// the indent, the size percent and the paragraph style.
inline std::string Style(const CLineFormat& format)
{
    std::string emphasis;
    emphasis += format.Bold ? "B" : "";
    emphasis += format.Italic ? "I" : "";
    emphasis += format.Underline ? "U" : "";
    emphasis += format.StyleFlag8 ? "X" : "";
    const char mode = format.Mode == 0 ? '-' : static_cast<char>(format.Mode);
    return (emphasis.empty() ? "-" : emphasis) + " " + mode + " " + std::to_string(format.Indent()) + " " +
           std::to_string(format.SizePercent) + " " + std::to_string(format.ParagraphStyle);
}

// One call as "text: <style> | <text>", "rule: <value>", "spacer", "new page" or
// "columns: <entries>".
inline std::string Describe(const CRecordingFormatter::Call& call)
{
    switch (call.kind)
    {
    case CRecordingFormatter::Text: return "text: " + Style(call.format) + " | " + call.text;
    case CRecordingFormatter::Spacer: return "spacer";
    case CRecordingFormatter::Rule: return "rule: " + call.text;
    case CRecordingFormatter::NewPageCall: return "new page";
    case CRecordingFormatter::ColumnsCall: return "columns: " + call.text;
    }
    return "";
}

inline std::vector<std::string> Describe(const std::vector<CRecordingFormatter::Call>& calls)
{
    std::vector<std::string> described;
    for (const CRecordingFormatter::Call& call : calls)
        described.push_back(Describe(call));
    return described;
}

inline CIngData IngredientLine(const char* quantity, const char* unit, const char* name, const char* preparation)
{
    CIngData line;
    line.m_lineType = "I";
    line.m_minQty = line.m_maxQty = std::atof(quantity);
    line.m_unitText = unit;
    line.m_name = name;
    line.m_preparation = preparation;
    return line;
}

inline void AddCategory(CRecipeData& recipe, const char* name)
{
    auto* pCategory = new CategoryListItem;
    pCategory->m_name = name;
    recipe.m_categories.AddTail(pCategory);
}

// A recipe for 4 with every section filled: categories, cost, the four times, source, page
// and date, an optional line, a line with its preparation first, an embedded recipe and a
// nutrition row of 13 g fat.
inline CRecipeData FixtureRecipe()
{
    CRecipeData recipe;
    recipe.m_recipeId = CRecordId("000101");
    recipe.m_title = "Lemon Tart";
    recipe.m_subtitle = "A summer dessert";
    recipe.m_intro = "Sharp and sweet.";
    recipe.m_servings = 4;
    recipe.m_prepTime = "0:20";
    recipe.m_cookTime = "0:35";
    recipe.m_standTime = "1:00";
    recipe.m_totalTime = "1:55";
    recipe.m_source = "Grandmother's notebook";
    recipe.m_original = "Written in pencil";
    recipe.m_page = "12";
    recipe.m_date = "1961";
    recipe.m_directions = "Bake the crust. Fill and chill.";
    recipe.m_cost = 3.5;
    recipe.m_costUnit = "per tart";
    AddCategory(recipe, "Desserts");
    AddCategory(recipe, "Summer");
    recipe.m_lines.AddTail(new CIngData(IngredientLine("2", "cup(s)", "flour", "sifted")));
    CIngData optional = IngredientLine("1", "", "lemon", "");
    optional.m_plural = "s";
    optional.m_optional = 1;
    recipe.m_lines.AddTail(new CIngData(optional));
    CIngData preparationFirst = IngredientLine("3", "", "egg", "beaten");
    preparationFirst.m_plural = "s";
    preparationFirst.m_switch = 1;
    recipe.m_lines.AddTail(new CIngData(preparationFirst));
    CIngData embedded = IngredientLine("1", "", "Sweet Crust", "");
    embedded.m_lineType = "R";
    embedded.m_itemId = CRecordId("000102");
    recipe.m_lines.AddTail(new CIngData(embedded));
    recipe.GetNutrition()->m_amount[NUTRITION::TotalFat] = 13.0f;
    recipe.GetNutrition()->Recalculate();
    return recipe;
}

class ReportTest : public shelltest::ProgramFolderTest
{
protected:
    void SetUp() override
    {
        ProgramFolderTest::SetUp();
        m_settings = std::make_unique<CAppSettings>();
        g_pAppSettings = m_settings.get();
        SetCurrentDatabase(&m_cookbook);
    }
    void TearDown() override
    {
        SetCurrentDatabase(nullptr);
        g_pAppSettings = nullptr;
        m_settings.reset();
    }

    PrintSettings& Print() { return *m_settings->GetPrintRecord(); }
    std::vector<std::string> Calls() const { return Describe(m_output.Calls); }

    std::unique_ptr<CAppSettings> m_settings;
    CFakeCookbook m_cookbook;
    CRecordingFormatter m_output;
};

}  // namespace printtest
