#include "printing/RecipePrintLayout.h"

#include <vector>

#include "database/CategoryListItem.h"
#include "database/Nutrition.h"
#include "database/RecipeData.h"
#include "printing/NutritionReport.h"
#include "printing/PageFormatter.h"
#include "printing/ShopListReport.h"
#include "shell/settings/AppSettings.h"

namespace {

const int kLineBufferSize = 2000;
const int kTitleSize = 160;
const int kNormalSize = 100;
const int kColumnsIndent = 4;
const int kTemplateCount = 8;

const int B = CLineFormat::FlagBold;
const int I = CLineFormat::FlagItalic;
const int U = CLineFormat::FlagUnderline;
const int X = CLineFormat::Flag8;
const int Left = CLineFormat::Plain;
const int C = CLineFormat::Centred;
const int H = CLineFormat::HangingIndent;
const int D = CLineFormat::Columns;

enum Section
{
    Title,
    Subtitle,
    Introduction,
    Servings,
    Categories,
    Timings,
    Cost,
    Ingredients,
    Directions,
    Source,
    Nutrition
};

}  // namespace

struct CRecipePrintLayout::SectionLayout
{
    int section;
    int flags;
    int mode;
    int style;
};

namespace {

using SectionLayout = CRecipePrintLayout::SectionLayout;
using TemplateLayout = std::vector<SectionLayout>;

// The sections after the title of each template, in order.
const TemplateLayout kTemplates[kTemplateCount] = {
    {{Subtitle, I, C, 8},
     {Servings, 0, C, 0},
     {Introduction, I, Left, 8},
     {Ingredients, 0, H, 10},
     {Directions, 0, Left, 11},
     {Nutrition, 0, D, 12}},
    {{Subtitle, I, C, 0},
     {Servings, 0, C, 0},
     {Introduction, 0, C, 0},
     {Ingredients, I, H, 0},
     {Directions, 0, Left, 0},
     {Source, 0, Left, 0},
     {Nutrition, 0, D, 0}},
    {{Subtitle, I, Left, 0},
     {Servings, 0, Left, 0},
     {Categories, 0, Left, 0},
     {Timings, 0, Left, 0},
     {Cost, 0, Left, 0},
     {Introduction, 0, Left, 0},
     {Ingredients, B, H, 0},
     {Directions, 0, Left, 0},
     {Source, 0, Left, 0},
     {Nutrition, I, D, 0}},
    {{Subtitle, B | I, Left, 0},
     {Categories, B, Left, 0},
     {Cost, 0, Left, 0},
     {Introduction, 0, Left, 0},
     {Ingredients, B, H, 0},
     {Directions, 0, Left, 0},
     {Servings, 0, Left, 0},
     {Source, 0, Left, 0},
     {Nutrition, I, D, 0}},
    {{Subtitle, I, Left, 0},
     {Introduction, 0, Left, 0},
     {Servings, 0, Left, 0},
     {Ingredients, B, H, 0},
     {Directions, 0, Left, 0},
     {Source, 0, Left, 0},
     {Nutrition, 0, D, 0}},
    {{Subtitle, I, C, 0},
     {Servings, B, C, 0},
     {Introduction, 0, Left, 0},
     {Ingredients, I, H, 0},
     {Directions, 0, Left, 0},
     {Source, 0, Left, 0},
     {Nutrition, 0, D, 0}},
    {{Subtitle, I, Left, 0},
     {Introduction, I, Left, 0},
     {Ingredients, B | I, H, 0},
     {Directions, 0, Left, 0},
     {Servings, B, Left, 0},
     {Source, 0, Left, 0},
     {Nutrition, 0, D, 0}},
    {{Ingredients, 0, H, 0}, {Directions, 0, Left, 0}, {Servings, 0, Left, 0}, {Nutrition, 0, D, 0}},
};

const SectionLayout kTemplateTitles[kTemplateCount] = {
    {Title, B, C, 7},    {Title, B | X, C, 0},     {Title, B | X, Left, 0},     {Title, B | U | X, Left, 0},
    {Title, B, Left, 0}, {Title, B | U | X, C, 0}, {Title, B | U | X, Left, 0}, {Title, B, C, 0},
};

// The recipe view: the heading block runs without blank lines, the rest with one.
const TemplateLayout kViewHeading = {
    {Title, 0, C, 7},
    {Subtitle, I, C, 7},
    {Introduction, 0, Left, 8},
};
const TemplateLayout kViewBody = {
    {Servings, 0, C, 0},
    {Ingredients, B, H, 10},
    {Directions, 0, Left, 11},
};

const int kTemplateWithBlankAfterTitle = 7;

}  // namespace

CRecipePrintLayout::CRecipePrintLayout(CPageFormatter* pOutput)
    : CReportJob(pOutput, kLineBufferSize), m_pRecipe(nullptr)
{
}

int CRecipePrintLayout::WriteRecipe(CRecipeData* pRecipe, PrintPrefs* pPrefs)
{
    if (pRecipe == nullptr || m_pOutput->IsAborted())
        return 1;
    m_pRecipe = pRecipe;
    LoadPrintOptions(pPrefs);
    if (m_recipeTemplate < 0 || m_recipeTemplate >= kTemplateCount)
        m_recipeTemplate = 0;
    m_blankLinesAfter = m_recipeTemplate == kTemplateWithBlankAfterTitle ? 1 : 0;
    WriteSections({kTemplateTitles[m_recipeTemplate]}, m_ingredientIndent + 1);
    m_blankLinesAfter = 1;
    WriteSections(kTemplates[m_recipeTemplate], m_ingredientIndent + 1);
    return 0;
}

int CRecipePrintLayout::WriteRecipeView(CRecipeData* pRecipe, PrintPrefs* pPrefs)
{
    if (pRecipe == nullptr)
        return 1;
    m_pRecipe = pRecipe;
    LoadPrintOptions(pPrefs);
    m_blankLinesAfter = 0;
    WriteSections(kViewHeading, m_ingredientIndent);
    m_blankLinesAfter = 1;
    WriteSections(kViewBody, m_ingredientIndent);
    return 1;
}

void CRecipePrintLayout::WriteSections(const TemplateLayout& sections, int nHangingIndent)
{
    for (const SectionLayout& layout : sections)
    {
        const int indent = layout.mode == H ? nHangingIndent : layout.mode == D ? kColumnsIndent : 0;
        SetLineFormat(layout.flags, layout.mode, indent, layout.section == Title ? kTitleSize : kNormalSize,
                      layout.style, 0, -1);
        if (WriteSection(layout.section))
            WriteBlankLines(0);
    }
}

bool CRecipePrintLayout::WriteSection(int nSection)
{
    switch (nSection)
    {
    case Title: WriteLine(m_pRecipe->m_title, 0); return true;
    case Subtitle: return WriteIfNotEmpty("%s\n", m_pRecipe->m_subtitle);
    case Introduction: WriteLine(m_pRecipe->m_intro, 0); return true;
    case Servings: WriteServings(); return true;
    case Categories: return WriteCategories();
    case Timings: WriteTimings(); return true;
    case Cost: return WriteCost();
    case Ingredients: return WriteIngredients();
    case Directions: WriteLine(m_pRecipe->m_directions, 0); return true;
    case Source: return WriteSource();
    case Nutrition: return WriteNutrition();
    }
    return false;
}

bool CRecipePrintLayout::WriteIfNotEmpty(const char* pszFormat, const CString& text)
{
    if (text.IsEmpty())
        return false;
    WriteFormatted(pszFormat, static_cast<const char*>(text));
    return true;
}

void CRecipePrintLayout::WriteServings()
{
    const int servings = m_pRecipe->m_servings;
    if (m_servingsOverrideOn && m_servingsOverride != 0 && m_servingsOverride != servings)
        WriteFormatted("%2d  Servings  (Originally served %2d)\n", m_servingsOverride, servings);
    else
        WriteFormatted("%2d  Servings\n", servings);
}

bool CRecipePrintLayout::WriteCategories()
{
    if (m_pRecipe->m_categories.IsEmpty())
        return false;
    CString names;
    for (POSITION at = m_pRecipe->m_categories.GetHeadPosition(); at != nullptr;)
    {
        if (!names.IsEmpty())
            names += ", ";
        names += static_cast<const CategoryListItem*>(m_pRecipe->m_categories.GetNext(at))->m_name;
    }
    WriteLine(names + "\n", 0);
    return true;
}

void CRecipePrintLayout::WriteTimings()
{
    WriteFormatted("Prep  %s   Cook  %s   Stand  %s   Total  %s", static_cast<const char*>(m_pRecipe->GetPrepTime()),
                   static_cast<const char*>(m_pRecipe->GetCookTime()),
                   static_cast<const char*>(m_pRecipe->GetStandTime()),
                   static_cast<const char*>(m_pRecipe->GetTotalTime()));
}

bool CRecipePrintLayout::WriteCost()
{
    if (m_pRecipe->m_cost == 0.0)
        return false;
    WriteFormatted("Cost:  $%.2lf %s\n", m_pRecipe->m_cost, static_cast<const char*>(m_pRecipe->m_costUnit));
    return true;
}

bool CRecipePrintLayout::WriteIngredients()
{
    CShopListReport ingredients(m_pOutput, m_pRecipe->m_lines, m_pRecipe->m_servings);
    return ingredients.WriteList(m_pPrintPrefs) != 0;
}

bool CRecipePrintLayout::WriteSource()
{
    const CRecipeData& recipe = *m_pRecipe;
    bool wrote = WriteIfNotEmpty("Source: %s\n", recipe.m_source);
    if (!recipe.m_page.IsEmpty())
    {
        CString page;
        page.Format("Page(s): %s\n", static_cast<const char*>(recipe.m_page));
        if (!recipe.m_date.IsEmpty())
            page += "\tDate Published: " + recipe.m_date + "\n";
        WriteLine(page, 0);
        wrote = true;
    }
    else
        wrote = WriteIfNotEmpty("Date Published: %s\n", recipe.m_date) || wrote;
    return WriteIfNotEmpty("%s\n", recipe.m_original) || wrote;
}

bool CRecipePrintLayout::WriteNutrition()
{
    if (m_pPrintRecord->IncludeNutrition != 1)
        return false;
    NUTRITION profile(*m_pRecipe->GetNutrition());
    profile.Sanitize();
    CNutritionReport nutrition(m_pOutput);
    nutrition.WriteNutritionTable(profile, 1);
    return true;
}
