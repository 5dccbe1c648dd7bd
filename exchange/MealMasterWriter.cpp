#include "exchange/MealMasterWriter.h"

#include <cstdio>
#include <cstring>

#include "database/CategoryListItem.h"
#include "database/IngData.h"
#include "database/QuantityText.h"
#include "database/RecipeData.h"
#include "exchange/MealMasterUnits.h"
#include "exchange/RecipeImporter.h"
#include "printing/PageFormatter.h"

namespace {

const int kMaxCategories = 5;
const int kTitleLineLength = 71;
const int kCategoryLineLimit = 74;
const int kHeadingWidth = 75;
// Columns 12 to 39 hold the text; a continuation line has "-" in column 12.
const std::size_t kTextWidth = 28;
const char kContinuation[] = "           -";
const int kHeaderMode = 99;
const std::size_t kQuantityWidth = 7;
// A heading needs five dashes in front to be read as one.
const int kHeadingLead = 5;

// Pieces of at most the width, broken at blanks where there is one.
std::string TakePiece(std::string& text, std::size_t nWidth)
{
    if (text.size() <= nWidth)
    {
        std::string piece = text;
        text.clear();
        return piece;
    }
    std::size_t nBreak = text.rfind(' ', nWidth);
    const bool atBlank = nBreak != std::string::npos && nBreak > 0;
    if (!atBlank)
        nBreak = nWidth;
    std::string piece = text.substr(0, nBreak);
    text.erase(0, atBlank ? nBreak + 1 : nBreak);
    return piece;
}

}  // namespace

CMealMasterWriter::CMealMasterWriter(CPageFormatter* pOutput) : CReportJob(pOutput, 2000) {}

int CMealMasterWriter::WriteRecipe(CRecipeData* pRecipe, PrintPrefs* /*pPrefs*/)
{
    if (pRecipe == nullptr || m_pOutput->IsAborted())
        return 1;
    WriteHeader(*pRecipe);
    for (POSITION position = pRecipe->m_lines.GetHeadPosition(); position != nullptr;)
    {
        const auto* pLine = static_cast<const CIngData*>(pRecipe->m_lines.GetNext(position));
        if (pLine != nullptr)
            WriteIngredient(*pLine);
    }
    WriteLine("", 0);
    WriteLine(pRecipe->m_directions, 0);
    WriteLine("", 0);
    WriteLine("-----", 0);
    WriteLine("", 0);
    return 0;
}

void CMealMasterWriter::WriteHeader(const CRecipeData& recipe)
{
    SetLineFormat(0, kHeaderMode, 0, 0, 0, 0, 0);
    WriteLine("", 0);
    WriteLine("---------- Exported from Brevana for Meal-Master, v7.0", 0);
    WriteLine("", 0);
    WriteLine(("     Title: " + recipe.m_title).Left(kTitleLineLength), 0);
    SetLineFormat(0, 0, 0, 0, 0, 0, 0);
    WriteCategories(recipe);
    CString servings;
    servings.Format("  Servings: %u", static_cast<unsigned>(recipe.m_servings));
    WriteLine(servings, 0);
    WriteLine("", 0);
    WriteLine("", 0);
}

void CMealMasterWriter::WriteCategories(const CRecipeData& recipe)
{
    CString line("Categories: ");
    int nWritten = 0;
    for (POSITION position = recipe.m_categories.GetHeadPosition(); position != nullptr && nWritten < kMaxCategories;)
    {
        const auto* pItem = static_cast<const CategoryListItem*>(recipe.m_categories.GetNext(position));
        if (pItem == nullptr || line.GetLength() + pItem->m_name.GetLength() >= kCategoryLineLimit)
            continue;
        if (nWritten++ > 0)
            line += ", ";
        line += pItem->m_name;
    }
    WriteLine(line, 0);
}

// "name; preparation" in the text column, running on over continuation lines.
void CMealMasterWriter::WriteIngredient(const CIngData& line)
{
    CString name;
    CString preparation;
    CRecipeImporter::GetMovedName(line, name, preparation);
    if (name.IsEmpty())
    {
        if (!preparation.IsEmpty())
            WriteHeading(preparation);
        return;
    }
    char quantity[64];
    FormatQuantityRange(quantity, sizeof quantity, 0, line.m_maxQty, line.m_maxQty, false);
    // A fraction too wide for the amount column goes as a decimal.
    if (std::strlen(quantity) > kQuantityWidth)
        FormatQuantityRange(quantity, sizeof quantity, 1, line.m_maxQty, line.m_maxQty, false);
    std::string text = name.GetString();
    if (!preparation.IsEmpty())
        text += std::string("; ") + preparation.GetString();
    char first[128];
    std::snprintf(first, sizeof first, "%7s %2s %s", quantity, FindMealMasterUnitCode(line.m_unitText),
                  TakePiece(text, kTextWidth).c_str());
    WriteLine(first, 0);
    while (!text.empty())
        WriteLine((kContinuation + TakePiece(text, kTextWidth - 1)).c_str(), 0);
}

void CMealMasterWriter::WriteHeading(const CString& text)
{
    const int nCentred = (kHeadingWidth - text.GetLength()) / 2;
    CString heading = CString('-', nCentred > kHeadingLead ? nCentred : kHeadingLead) + text;
    heading += CString('-', heading.GetLength() < kHeadingWidth ? kHeadingWidth - heading.GetLength() : kHeadingLead);
    WriteLine(heading, 0);
}
