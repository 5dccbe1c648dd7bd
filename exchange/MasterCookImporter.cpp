#include "exchange/MasterCookImporter.h"

#include "database/IngData.h"
#include "database/QuantityText.h"
#include "database/RecipeData.h"
#include "res/resource.h"

namespace {

const char kImportCategory[] = "MasterCook Import";
const std::size_t kCategoryWidth = 32;
const int kProgressLine = 2;
const char kSourceLabel[] = "Recipe By     :";
const char kServingsLabel[] = "Serving Size  :";
const char kTimeLabel[] = "Preparation Time";
const char kCategoriesLabel[] = "ategories    :";
const char kNotesLabel[] = "NOTES : ";
const char kRule[] = "- - - - - ";
const char kOptional[] = "optional";
const char kOptionalAfter[] = ", optional";

std::string From(const std::string& text, std::size_t nOffset)
{
    return nOffset < text.size() ? text.substr(nOffset) : std::string();
}

// The flag is written last in the preparation; what stands before it is kept.
bool TakeOptional(std::string& preparation)
{
    const std::size_t nLength = preparation.size();
    if (preparation == kOptional)
    {
        preparation.clear();
        return true;
    }
    const std::size_t nAfter = sizeof kOptionalAfter - 1;
    if (nLength > nAfter && preparation.compare(nLength - nAfter, nAfter, kOptionalAfter) == 0)
    {
        preparation.resize(nLength - nAfter);
        return true;
    }
    return false;
}

}  // namespace

CMasterCookImporter::CMasterCookImporter()
{
    UseImportCategory(kImportCategory);
}

CMasterCookImporter::~CMasterCookImporter() = default;

bool CMasterCookImporter::IsBanner(const std::string& line)
{
    return Contains(line, "MasterCook") && Contains(line, "from");
}

int CMasterCookImporter::CheckHeader()
{
    if (AtEnd())
        return 0;
    SeekTo(0);
    std::string line;
    return ReadLine(line) && IsBanner(line);
}

int CMasterCookImporter::ScanTitles()
{
    return ScanTitlesBelowOpeners(IsBanner, TrimBlanks);
}

int CMasterCookImporter::ImportAt(CRecipeData& recipe)
{
    std::string line;
    if (!ReadLine(line) || !Contains(line, kSourceLabel))
        return SetStatus(kBadSource), 0;
    recipe.m_source = TrimBlanks(From(line, line.find(kSourceLabel) + 16)).c_str();
    if (!ReadServingsAndTime(recipe, line))
        return 0;
    if (SetProgressStep(IDS_IMPORT_CATEGORIES, kProgressLine))
        return 0;
    if (!ReadCategories(recipe))
        return SetStatus(kBadCategories), 0;
    if (SetProgressStep(IDS_IMPORT_INGREDIENTS, kProgressLine))
        return 0;
    Columns columns{};
    if (!ReadColumnHeads(columns))
        return SetStatus(kBadIngredient), 0;
    ReadIngredients(recipe, columns);
    if (SetProgressStep(IDS_IMPORT_DIRECTIONS, kProgressLine))
        return 0;
    ReadDirections(recipe);
    return 1;
}

bool CMasterCookImporter::ReadServingsAndTime(CRecipeData& recipe, std::string& line)
{
    if (!ReadRawLine(line) || !Contains(line, kServingsLabel))
        return SetStatus(kBadServings), false;
    recipe.m_servings = static_cast<WORD>(FirstNumber(line, line.find(kServingsLabel) + 16));
    if (!Contains(line, kTimeLabel) && !ReadRawLine(line))
        return SetStatus(kBadPrepTime), false;
    const std::size_t nLabel = line.find(kTimeLabel);
    if (nLabel == std::string::npos)
        return SetStatus(kBadPrepTime), false;
    const std::size_t nDigit = line.find_first_of("0123456789", nLabel + 18);
    recipe.m_prepTime = nDigit == std::string::npos ? "" : TrimRightBlanks(line.substr(nDigit)).c_str();
    return true;
}

bool CMasterCookImporter::ReadCategories(CRecipeData& recipe)
{
    std::string line;
    if (!ReadRawLine(line) || !Contains(line, kCategoriesLabel))
        return false;
    std::string text = TrimBlanks(From(line, line.find(kCategoriesLabel) + 14));
    while (!text.empty())
    {
        AddCategories(recipe, text);
        if (!ReadRawLine(line))
            break;
        text = TrimBlanks(line);
    }
    return true;
}

// Cells of 32 characters, each name without its padding.
void CMasterCookImporter::AddCategories(CRecipeData& recipe, const std::string& text)
{
    for (std::size_t nStart = text.find_first_not_of(' '); nStart < text.size();
         nStart = text.find_first_not_of(' ', nStart + kCategoryWidth))
    {
        const std::string name = TrimRightBlanks(text.substr(nStart, kCategoryWidth));
        if (!name.empty())
            AddRecipeCategory(recipe, name.c_str());
        if (nStart + kCategoryWidth >= text.size())
            break;
    }
}

bool CMasterCookImporter::ReadColumnHeads(Columns& columns)
{
    // The search stops at the next recipe: its columns are not this one's.
    std::string line;
    while (ReadRawLine(line) && !Contains(line, "Amount") && !IsBanner(line))
    {
    }
    const std::size_t nAmount = line.find("Amount");
    const std::size_t nMeasure = line.find("Measure", nAmount);
    if (nAmount == std::string::npos || nMeasure == std::string::npos ||
        line.find("Ingredient", nMeasure) == std::string::npos)
        return false;
    return ReadRawLine(line) && ReadColumns(line, columns);
}

bool CMasterCookImporter::ReadColumns(const std::string& dashes, Columns& columns)
{
    const std::size_t nStart1 = dashes.find_first_not_of(' ');
    if (nStart1 == std::string::npos || dashes[nStart1] != '-')
        return false;
    columns.amountEnd = dashes.find_first_not_of('-', nStart1);
    columns.unitStart = dashes.find_first_not_of(' ', columns.amountEnd);
    columns.unitEnd = dashes.find_first_not_of('-', columns.unitStart);
    columns.nameStart = dashes.find_first_not_of(' ', columns.unitEnd);
    return columns.nameStart != std::string::npos;
}

void CMasterCookImporter::ReadIngredients(CRecipeData& recipe, const Columns& columns)
{
    std::string line;
    while (ReadRawLine(line))
    {
        line = TrimRightBlanks(line);
        if (line.empty())
            return;
        if (line.size() <= columns.nameStart)
            continue;
        std::string name = line.substr(columns.nameStart);
        std::string preparation;
        const std::size_t nDashes = name.find(" -- ");
        if (nDashes != std::string::npos)
        {
            preparation = name.substr(nDashes + 4);
            name.resize(nDashes);
        }
        auto* pLine = new CIngData;
        pLine->m_optional = TakeOptional(preparation);
        SplitQuantityRange(line.substr(0, columns.amountEnd).c_str(), pLine->m_minQty, pLine->m_maxQty);
        pLine->m_unitText = TrimBlanks(line.substr(columns.unitStart, columns.unitEnd - columns.unitStart)).c_str();
        FindUnit(*pLine);
        pLine->m_name = TrimRightBlanks(name).c_str();
        pLine->m_preparation = TrimRightBlanks(preparation).c_str();
        pLine->m_lineType = "I";
        if (!FindIngredient(*pLine))
            MoveNameToPreparation(*pLine);
        recipe.m_lines.AddTail(pLine);
    }
}

// The notes the writer puts after the directions are the recipe's introduction.
void CMasterCookImporter::ReadDirections(CRecipeData& recipe)
{
    std::string directions;
    std::string notes;
    std::string* pText = &directions;
    std::string line;
    for (bool haveLine = ReadLine(line); haveLine && !IsBanner(line); haveLine = ReadRawLine(line))
    {
        if (Contains(line, kRule))
            continue;
        if (pText == &directions && StartsWith(line, kNotesLabel))
        {
            pText = &notes;
            line.erase(0, sizeof kNotesLabel - 1);
        }
        *pText += line;
        if (line.empty() || line.back() != ' ')
            *pText += "\r\n";
    }
    recipe.m_directions = TrimLineEnds(directions).c_str();
    recipe.m_intro = TrimLineEnds(notes).c_str();
}
