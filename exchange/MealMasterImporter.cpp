#include "exchange/MealMasterImporter.h"

#include "database/IngData.h"
#include "database/QuantityText.h"
#include "database/RecipeData.h"
#include "exchange/MealMasterUnits.h"
#include "res/resource.h"
#include "shell/services/TextUtilities.h"

namespace {

const char kImportCategory[] = "MealMaster Import";
const std::size_t kLongestLine = 4096;
const std::size_t kLastTitleColumn = 6;
const std::size_t kShortestHeading = 40;
const std::size_t kShortestColumn = 12;
const std::size_t kShortestTwoColumnLine = 53;
const std::size_t kRightColumn = 41;
const int kProgressLine = 2;

// The text after the title's label, when the label stands near the start of the line.
std::string TitleAfterLabel(const std::string& line)
{
    const std::size_t nLabel = line.find("Title: ");
    return nLabel <= kLastTitleColumn ? TrimRightBlanks(line.substr(nLabel + 7)) : std::string();
}

std::string_view RightTrimmedView(std::string_view text)
{
    return text.substr(0, text.find_last_not_of(' ') + 1);
}

std::string_view TrimmedView(std::string_view text)
{
    const std::size_t nStart = text.find_first_not_of(' ');
    return nStart == std::string_view::npos ? std::string_view() : RightTrimmedView(text.substr(nStart));
}

CString ViewText(std::string_view text)
{
    return CString(text.data(), static_cast<int>(text.size()));
}

bool StartsWithMarker(const std::string& line)
{
    return StartsWith(line, "-----") || StartsWith(line, "MMMMM");
}

}  // namespace

CMealMasterImporter::CMealMasterImporter() : m_pLastLeft(nullptr), m_pLastRight(nullptr)
{
    UseImportCategory(kImportCategory);
}

CMealMasterImporter::~CMealMasterImporter() = default;

bool CMealMasterImporter::IsHeaderLine(const std::string& line)
{
    return StartsWithMarker(line) && Contains(line, "Meal-Master");
}

int CMealMasterImporter::ClassifyLine(const std::string& line)
{
    // Blanks at the end of a line do not count.
    const std::size_t nLength = line.find_last_not_of(' ') + 1;
    if (nLength == 0)
        return kEmptyLine;
    if (IsHeaderLine(line))
        return kHeaderLine;
    if (StartsWithMarker(line))
    {
        if (nLength == 5)
            return kEndLine;
        if (line.find_first_not_of("- ", 5) < nLength)
            return nLength < kShortestHeading ? kEndLine : kHeadingLine;
    }
    if (nLength < kShortestColumn)
        return kTextLine;
    // The amount, the unit code and the text stand apart: a blank before and after the code.
    const bool columnsApart = line[7] == ' ' && line[10] == ' ';
    return columnsApart && line.find_first_not_of(" 0123456789./") >= 7 ? kIngredientLine : kTextLine;
}

// The type is known by a recipe header anywhere in the file.
int CMealMasterImporter::CheckHeader()
{
    if (AtEnd())
    {
        SetStatus(kReadError);
        return 0;
    }
    SeekTo(0);
    std::string line;
    while (ReadRawLine(line))
        if (IsHeaderLine(line))
            return 1;
    return 0;
}

int CMealMasterImporter::ScanTitles()
{
    return ScanTitlesBelowOpeners(IsHeaderLine, TitleAfterLabel);
}

int CMealMasterImporter::ReadCutLine(std::string& line)
{
    if (!ReadRawLine(line))
        return 0;
    if (line.size() > kLongestLine)
    {
        line.resize(kLongestLine);
        ReportDamage(IDS_IMPORT_LINE_CUT);
    }
    return 1;
}

int CMealMasterImporter::ReadCutNonBlankLine(std::string& line)
{
    while (ReadCutLine(line))
        if (!IsBlank(line.c_str()))
            return 1;
    return 0;
}

int CMealMasterImporter::ImportAt(CRecipeData& recipe)
{
    if (SetProgressStep(IDS_IMPORT_CATEGORIES, kProgressLine))
        return 0;
    if (!ReadCategories(recipe))
        return SetStatus(kBadCategories), 0;
    std::string line;
    ReadCutLine(line);
    recipe.m_servings = static_cast<WORD>(FirstNumber(line, 0));
    if (SetProgressStep(IDS_IMPORT_INGREDIENTS, kProgressLine))
        return 0;
    const int nEnd = ReadIngredients(recipe, line);
    if (nEnd < 0)
        return SetStatus(kUnexpectedEnd), 0;
    if (nEnd != kTextLine)
        return 1;
    if (SetProgressStep(IDS_IMPORT_DIRECTIONS, kProgressLine))
        return 0;
    return ReadDirections(recipe, line) ? 1 : (SetStatus(kUnexpectedEnd), 0);
}

bool CMealMasterImporter::ReadCategories(CRecipeData& recipe)
{
    std::string line;
    if (!ReadCutLine(line))
        return false;
    const std::size_t nLabel = line.find("ategories: ");
    if (nLabel == std::string::npos)
        return false;
    std::string names = line.substr(nLabel + 11);
    for (std::size_t nStart = 0; nStart <= names.size();)
    {
        std::size_t nComma = names.find(',', nStart);
        if (nComma == std::string::npos)
            nComma = names.size();
        const std::string name = TrimBlanks(names.substr(nStart, nComma - nStart));
        if (!name.empty())
            AddRecipeCategory(recipe, name.c_str());
        nStart = nComma + 1;
    }
    return true;
}

int CMealMasterImporter::ReadIngredients(CRecipeData& recipe, std::string& line)
{
    m_pending.DeleteAll();
    m_unfinished.clear();
    m_pLastLeft = m_pLastRight = nullptr;
    int nClass = -1;
    for (bool haveLine = ReadCutNonBlankLine(line); haveLine; haveLine = ReadCutLine(line))
    {
        nClass = ClassifyLine(line);
        if (nClass == kIngredientLine)
            ReadIngredientLine(line, recipe);
        else if (nClass == kHeadingLine)
            AddHeading(TrimRightBlanks(line), recipe);
        else if (nClass != kEmptyLine)
            break;
        nClass = -1;
    }
    MovePendingLines(recipe);
    FinishIngredients();
    return nClass;
}

void CMealMasterImporter::ReadIngredientLine(std::string_view line, CRecipeData& recipe)
{
    line = RightTrimmedView(line);
    if (line.size() < kShortestTwoColumnLine)
    {
        ReadColumn(line, false, recipe);
        return;
    }
    ReadColumn(line.substr(0, kRightColumn), false, recipe);
    ReadColumn(line.substr(kRightColumn), true, recipe);
}

// Amount in columns 1-7, unit code in 9-10, text from 12. A continuation ("-" in column 12
// under a blank amount and unit) runs on the text above it in its column; at the top of the
// right column that is the left column's last line.
void CMealMasterImporter::ReadColumn(std::string_view column, bool rightColumn, CRecipeData& recipe)
{
    column = RightTrimmedView(column);
    if (column.size() < kShortestColumn)
        return;
    // Short enough to be kept without allocation, and ended for the parsers that want it.
    const std::string quantity(TrimmedView(column.substr(0, 7)));
    const std::string code(column.substr(8, 2));
    const std::string_view text = column.substr(11);
    CIngData* pAbove = rightColumn && m_pLastRight != nullptr ? m_pLastRight : m_pLastLeft;
    if (quantity.empty() && TrimmedView(code).empty() && text.front() == '-' && pAbove != nullptr)
    {
        pAbove->m_name += " ";
        pAbove->m_name += ViewText(TrimmedView(text.substr(1)));
        return;
    }
    auto* pLine = new CIngData;
    SplitQuantityRange(quantity.c_str(), pLine->m_minQty, pLine->m_maxQty);
    const char* pszWord = FindMealMasterUnitWord(code.c_str());
    // A code the table lacks stays in the line as it was written.
    pLine->m_unitText = pszWord != nullptr ? CString(pszWord) : ViewText(TrimmedView(code));
    FindUnit(*pLine);
    pLine->m_name = ViewText(text);
    pLine->m_lineType = "I";
    m_unfinished.push_back(pLine);
    if (rightColumn)
    {
        m_pending.AddTail(pLine);
        m_pLastRight = pLine;
    }
    else
    {
        recipe.m_lines.AddTail(pLine);
        m_pLastLeft = pLine;
    }
}

void CMealMasterImporter::AddHeading(const std::string& line, CRecipeData& recipe)
{
    MovePendingLines(recipe);
    std::string text = StartsWith(line, "MMMMM") ? line.substr(5) : line;
    const std::size_t nStart = text.find_first_not_of("- ");
    const std::size_t nEnd = text.find_last_not_of("- ");
    auto* pHeading = new CIngData;
    pHeading->m_preparation = text.substr(nStart, nEnd - nStart + 1).c_str();
    pHeading->m_lineType = "I";
    recipe.m_lines.AddTail(pHeading);
    m_pLastLeft = m_pLastRight = nullptr;
}

void CMealMasterImporter::MovePendingLines(CRecipeData& recipe)
{
    while (!m_pending.IsEmpty())
        recipe.m_lines.AddTail(m_pending.RemoveHead());
    m_pLastRight = nullptr;
}

// "name; preparation": a name the catalogue lacks is kept in the preparation.
void CMealMasterImporter::FinishIngredients()
{
    for (CIngData* pLine : m_unfinished)
    {
        const int nSemicolon = pLine->m_name.Find(';');
        if (nSemicolon >= 0)
        {
            pLine->m_preparation = SkipBlanks(pLine->m_name.Mid(nSemicolon + 1));
            pLine->m_name = TrimRightCopy(pLine->m_name.Left(nSemicolon));
        }
        if (!FindIngredient(*pLine))
            MoveNameToPreparation(*pLine);
    }
    m_unfinished.clear();
}

// Only an end line or the next recipe's header ends the directions, whatever the lines look
// like; blank lines at their end are layout, not text.
bool CMealMasterImporter::ReadDirections(CRecipeData& recipe, std::string& line)
{
    std::string directions;
    for (bool haveLine = true; haveLine; haveLine = ReadCutLine(line))
    {
        const int nClass = ClassifyLine(line);
        if (nClass == kEndLine || nClass == kHeaderLine)
        {
            recipe.m_directions = TrimLineEnds(directions).c_str();
            return true;
        }
        directions += line;
        directions += "\r\n";
    }
    return false;
}
