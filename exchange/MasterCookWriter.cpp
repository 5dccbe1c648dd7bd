#include "exchange/MasterCookWriter.h"

#include <cstring>
#include <set>

#include "database/CategoryListItem.h"
#include "database/IngData.h"
#include "database/QuantityText.h"
#include "database/RecipeData.h"
#include "exchange/RecipeImporter.h"
#include "shell/services/TextUtilities.h"

namespace {

const int kMaxCategories = 5;
const int kCategoriesPerLine = 2;
const int kHeaderMode = 99;
const std::size_t kAmountWidth = 8;
const char kOptional[] = "optional";

}  // namespace

CMasterCookWriter::CMasterCookWriter(CPageFormatter* pOutput) : CReportJob(pOutput, 2000) {}

int CMasterCookWriter::WriteRecipe(CRecipeData* pRecipe, PrintPrefs* /*pPrefs*/)
{
    if (pRecipe == nullptr)
        return 1;
    WriteHeader(*pRecipe);
    WriteCategories(*pRecipe);
    WriteLine("", 0);
    WriteLine("", 0);
    WriteLine("Amount   Measure              Ingredient -- Prep", 0);
    WriteLine("-------- -------------------- ------------------", 0);
    for (POSITION position = pRecipe->m_lines.GetHeadPosition(); position != nullptr;)
    {
        const auto* pLine = static_cast<const CIngData*>(pRecipe->m_lines.GetNext(position));
        if (pLine != nullptr)
            WriteIngredient(*pLine);
    }
    WriteLine("", 0);
    WriteClosing(*pRecipe);
    return 0;
}

void CMasterCookWriter::WriteTrimmed(const CString& text)
{
    WriteLine(TrimRightCopy(text), 0);
}

void CMasterCookWriter::WriteHeader(const CRecipeData& recipe)
{
    SetLineFormat(0, kHeaderMode, 0, 0, 0, 0, 0);
    WriteLine("", 0);
    WriteLine("          *  Exported from Brevana for MasterCook II  *", 0);
    WriteLine("", 0);
    WriteTrimmed(recipe.m_title);
    WriteLine("", 0);
    SetLineFormat(0, 0, 0, 0, 0, 0, 0);
    WriteTrimmed("Recipe By     : " + recipe.m_source);
    CString servings;
    servings.Format("Serving Size  : %u", static_cast<unsigned>(recipe.m_servings));
    WriteTrimmed(servings);
    WriteTrimmed("Preparation Time: " + recipe.m_prepTime);
}

// Names in cells of 32, two to a line; a name that occurs twice is written once.
void CMasterCookWriter::WriteCategories(const CRecipeData& recipe)
{
    std::set<CString> names;
    int nTaken = 0;
    for (POSITION position = recipe.m_categories.GetHeadPosition(); position != nullptr && nTaken < kMaxCategories;)
    {
        const auto* pItem = static_cast<const CategoryListItem*>(recipe.m_categories.GetNext(position));
        if (pItem == nullptr)
            continue;
        names.insert(pItem->m_name);
        ++nTaken;
    }
    CString line("Categories    : ");
    int nOnLine = 0;
    for (const CString& name : names)
    {
        if (nOnLine == kCategoriesPerLine)
        {
            WriteTrimmed(line);
            line = CString(' ', 16);
            nOnLine = 0;
        }
        CString cell;
        cell.Format("%-32s", name.GetString());
        line += cell;
        ++nOnLine;
    }
    WriteTrimmed(line);
}

void CMasterCookWriter::WriteIngredient(const CIngData& line)
{
    CString name;
    CString preparation;
    CRecipeImporter::GetMovedName(line, name, preparation);
    if (IsBlank(name))
        return;
    if (line.m_optional)
        preparation += preparation.IsEmpty() ? kOptional : CString(", ") + kOptional;
    char quantity[64];
    FormatQuantityRange(quantity, sizeof quantity, 0, line.m_maxQty, line.m_maxQty, false);
    // A fraction too wide for the amount column goes as a decimal.
    if (std::strlen(quantity) > kAmountWidth)
        FormatQuantityRange(quantity, sizeof quantity, 1, line.m_maxQty, line.m_maxQty, false);
    CString unit = line.m_unitText;
    ApplyPluralParentheses(unit, line.m_maxQty);
    CString text;
    if (preparation.IsEmpty())
        text.Format("%-8s %-20s %s", quantity, unit.GetString(), name.GetString());
    else
        text.Format("%-8s %-20s %s -- %s", quantity, unit.GetString(), name.GetString(), preparation.GetString());
    if (!IsBlank(text))
        WriteTrimmed(text);
}

void CMasterCookWriter::WriteClosing(const CRecipeData& recipe)
{
    WriteTextLines(recipe.m_directions);
    WriteLine("", 0);
    SetLineFormat(0, kHeaderMode, 0, 0, 0, 0, 0);
    WriteLine("     - - - - - - - - - - - - - - - - - -", 0);
    SetLineFormat(0, 0, 0, 0, 0, 0, 0);
    WriteLine("", 0);
    if (!recipe.m_intro.IsEmpty())
        WriteTextLines("NOTES : " + recipe.m_intro);
    WriteLine("", 0);
}
