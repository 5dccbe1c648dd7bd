#include "exchange/TaggedTextImporter.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "database/CookbookDatabase.h"
#include "database/IngData.h"
#include "database/ListItem.h"
#include "database/Nutrition.h"
#include "database/RecipeData.h"
#include "database/RefListItem.h"
#include "exchange/RecipeTextTags.h"
#include "shell/services/TextUtilities.h"

namespace {

const char kImportCategory[] = "Tablewise Import";
const char kNoUnitId[] = "000001";
// Nutrient values past this size are damage, not amounts.
const double kLargestNutrient = 1e12;
const int kLeadingAmounts = 11;
const int kSearchByTitle = 0;

// Drops one line end, CR LF or LF, from the end of the text.
void DropTrailingLineEnd(std::string& text)
{
    if (!text.empty() && text.back() == '\n')
        text.pop_back();
    if (!text.empty() && text.back() == '\r')
        text.pop_back();
}

}  // namespace

CTaggedTextImporter::CTaggedTextImporter() : m_fieldStart(0) {}

CTaggedTextImporter::~CTaggedTextImporter() = default;

void CTaggedTextImporter::PrepareImport()
{
    if (m_importCategoryId == 0UL)
        UseImportCategory(kImportCategory);
}

int CTaggedTextImporter::CheckHeader()
{
    if (AtEnd())
        return 0;
    SeekTo(0);
    return ReadTag() == kTagRecipe;
}

int CTaggedTextImporter::ReadTag()
{
    while (ReadRawLine(m_line))
    {
        if (StartsWith(m_line, ">"))
            return kTagEnd;
        if (!StartsWith(m_line, "<"))
            continue;
        const std::size_t nSeparator = m_line.find(" | ");
        const int nTag = nSeparator == std::string::npos ? -1 : FindRecipeTextTag(m_line.substr(0, nSeparator).c_str());
        if (nTag < 0)
        {
            SetStatus(kBadField);
            return kTagUnknown;
        }
        m_fieldStart = nSeparator + 3;
        return nTag;
    }
    return kEndOfFile;
}

int CTaggedTextImporter::ScanTitles()
{
    if (HasTitles())
        return m_titles.GetSize();
    if (!m_file.is_open())
        return 0;
    SeekTo(0);
    for (int nTag = ReadTag(); nTag != kEndOfFile; nTag = ReadTag())
    {
        CString title;
        if (nTag == kTagTitle && ReadTextField(title) && !title.IsEmpty())
            AddTitle(title);
    }
    return FinishScan();
}

bool CTaggedTextImporter::AtListEnd() const
{
    return m_fieldStart >= m_line.size() || m_line[m_fieldStart] == '>';
}

// A run of "|" of even length is that many halves of "|" in the value; an odd run ends the
// field, and the blanks on either side of its last "|" belong to the separator.
bool CTaggedTextImporter::NextField(std::string& value)
{
    value.clear();
    if (m_fieldStart < m_line.size() && m_line[m_fieldStart] == '>')
    {
        SetStatus(kBadField);
        return false;
    }
    if (m_fieldStart >= m_line.size())
        return false;
    for (std::size_t i = m_fieldStart; i < m_line.size(); ++i)
    {
        if (m_line[i] != '|')
        {
            value += m_line[i];
            continue;
        }
        std::size_t nRun = m_line.find_first_not_of('|', i);
        nRun = (nRun == std::string::npos ? m_line.size() : nRun) - i;
        value.append(nRun / 2, '|');
        i += nRun - 1;
        if (nRun % 2 == 1)
        {
            if (!value.empty() && value.back() == ' ')
                value.pop_back();
            m_fieldStart = i + 1 < m_line.size() && m_line[i + 1] == ' ' ? i + 2 : i + 1;
            return true;
        }
    }
    const std::size_t nClose = m_line.find('>', m_fieldStart);
    if (nClose == std::string::npos)
    {
        SetStatus(kBadField);
        return false;
    }
    value = m_line.substr(m_fieldStart, nClose - m_fieldStart);
    m_fieldStart = nClose + 1;
    return true;
}

CString CTaggedTextImporter::ReadText()
{
    std::string value;
    if (!NextField(value))
        SetStatus(kBadField);
    return value.c_str();
}

double CTaggedTextImporter::ReadReal()
{
    std::string value;
    return NextField(value) ? std::strtod(value.c_str(), nullptr) : 0.0;
}

long CTaggedTextImporter::ReadInteger()
{
    std::string value;
    return NextField(value) ? std::strtol(value.c_str(), nullptr, 10) : 0;
}

float CTaggedTextImporter::ReadNutrient()
{
    const double value = ReadReal();
    return std::fabs(value) <= kLargestNutrient ? static_cast<float>(value) : 0.0f;
}

char CTaggedTextImporter::ReadTypeLetter()
{
    std::string value;
    if (!NextField(value))
        return 'Z';
    const char* pszLetter = SkipBlanks(value.c_str());
    return *pszLetter != '\0' ? *pszLetter : 'Z';
}

bool CTaggedTextImporter::ReadTextField(CString& value)
{
    std::string text;
    const std::string rest = m_line.substr(std::min(m_fieldStart, m_line.size()));
    const std::size_t nSeparator = rest.find(" | ");
    if (nSeparator != std::string::npos || StartsWith(rest, "| "))
    {
        const bool read = NextField(text);
        value = text.c_str();
        return read;
    }
    // The value stands on lines of its own when nothing follows the tag.
    text = rest.empty() ? std::string() : rest + "\r\n";
    m_fieldStart = m_line.size();
    const bool read = ReadLongText(text, rest.empty());
    value = text.c_str();
    return read;
}

bool CTaggedTextImporter::ReadLongText(std::string& value, bool startsOnNextLine)
{
    for (int c = ReadChar(); c != std::char_traits<char>::eof(); c = ReadChar())
    {
        if (c == '\n' && (value.empty() || value.back() != '\r'))
            value += '\r';
        if (c != '|')
        {
            value += static_cast<char>(c);
            continue;
        }
        if (m_file.peek() == '|')
        {
            ReadChar();
            value += '|';
            continue;
        }
        if (!value.empty() && value.back() == ' ')
            value.pop_back();
        // The line end before the separator's line belongs to the layout, not to the value.
        if (startsOnNextLine)
            DropTrailingLineEnd(value);
        return true;
    }
    return false;
}

int CTaggedTextImporter::ImportAt(CRecipeData& recipe)
{
    int nTitles = 0;
    for (int nTag = ReadTag(); nTag != kEndOfFile && nTag != kTagEnd; nTag = ReadTag())
    {
        // A record that lost its end marker ends where the next one starts.
        if (nTag == kTagRecipe)
            return 1;
        const int read = ReadRecordPart(nTag, recipe, nTitles);
        if (!read)
        {
            if (GetStatus() == kOk)
                SetStatus(kReadError);
            return read;
        }
        if (GetStatus() != kOk)
            return 1;
    }
    return 1;
}

int CTaggedTextImporter::ReadRecordPart(int nTag, CRecipeData& recipe, int& nTitles)
{
    struct TextPart
    {
        int tag;
        CString CRecipeData::*field;
        int failure;
    };
    static const TextPart kTextParts[] = {
        {kTagSubtitle, &CRecipeData::m_subtitle, kBadSubtitle},
        {kTagIntroduction, &CRecipeData::m_intro, kBadIntroduction},
        {kTagSource, &CRecipeData::m_source, kBadSource},
        {kTagDirections, &CRecipeData::m_directions, kBadDirections},
        {kTagYield, &CRecipeData::m_yieldUnit, kBadYield},
    };
    for (const TextPart& part : kTextParts)
        if (part.tag == nTag)
            return ReadTextField(recipe.*part.field) ? 1 : (SetStatus(part.failure), 0);
    switch (nTag)
    {
    case kTagRecipeNutrition: return ReadNutrition(*recipe.GetNutrition()) ? 1 : (SetStatus(kBadNutrition), 0);
    case kTagTitle:
        if (++nTitles > 1)
            return SetStatus(kBadTitle), 0;
        return ReadTextField(recipe.m_title) ? 1 : (SetStatus(kBadTitle), 0);
    case kTagServings: recipe.m_servings = static_cast<WORD>(ReadInteger()); return 1;
    case kTagCost: recipe.m_cost = ReadReal(); return 1;
    case kTagTimings: return ReadTimings(recipe) ? 1 : (SetStatus(kBadTimings), 0);
    case kTagCategories: return ReadCategories(recipe) ? 1 : (SetStatus(kBadCategories), 0);
    case kTagIngredient: return ReadIngredient(recipe);
    case kTagQuantity:
    case kTagIngredientName:
    case kTagUnit:
    case kTagIngredientNutrition: return SetStatus(kReadError), 0;
    case kTagReference: return ReadReference(recipe);
    default: return 1;
    }
}

bool CTaggedTextImporter::ReadTimings(CRecipeData& recipe)
{
    recipe.m_prepTime = ReadText();
    recipe.m_cookTime = ReadText();
    recipe.m_standTime = ReadText();
    return GetStatus() == kOk;
}

// Eleven amounts, the unit type and quantity, then calcium and sugars when the line has them.
bool CTaggedTextImporter::ReadNutrition(NUTRITION& profile)
{
    for (int i = 0; i < kLeadingAmounts; ++i)
        profile.m_amount[i] = ReadNutrient();
    profile.m_unitType = ReadNutrient();
    profile.m_unitQuantity = ReadNutrient();
    if (!AtListEnd())
    {
        profile.m_amount[NUTRITION::Calcium] = ReadNutrient();
        profile.m_amount[NUTRITION::Sugars] = ReadNutrient();
    }
    return GetStatus() == kOk;
}

bool CTaggedTextImporter::ReadCategories(CRecipeData& recipe)
{
    while (ReadRawLine(m_line) && !StartsWith(m_line, ">"))
    {
        m_fieldStart = 0;
        std::string name;
        if (m_line.find(" | ") == std::string::npos || !NextField(name))
            return false;
        AddRecipeCategory(recipe, name.c_str());
    }
    return true;
}

bool CTaggedTextImporter::ReadIngredient(CRecipeData& recipe)
{
    auto* pLine = new CIngData;
    int nTag = ReadTag();
    for (; nTag != kEndOfFile && nTag != kTagEnd && GetStatus() == kOk; nTag = ReadTag())
        if (!ReadIngredientPart(nTag, *pLine))
            break;
    if (GetStatus() != kOk || (nTag != kEndOfFile && nTag != kTagEnd))
    {
        delete pLine;
        if (GetStatus() == kOk)
            SetStatus(kBadIngredientBlock);
        return false;
    }
    if (pLine->m_lineType == "R")
        FindRecipeLine(*pLine);
    else if (!FindIngredient(*pLine) && Database().SaveIngredient(*pLine, 0))
        RememberIngredient(*pLine);
    recipe.m_lines.AddTail(pLine);
    return true;
}

// A recipe used as an ingredient is looked up by its title; one the cookbook lacks stays a
// line of text rather than becoming an ingredient of that name.
void CTaggedTextImporter::FindRecipeLine(CIngData& line)
{
    CCustObList found;
    Database().SearchRecipes(found, line.m_name, kSearchByTitle);
    for (POSITION position = found.GetHeadPosition(); position != nullptr;)
    {
        const auto* pRecipe = static_cast<const CListItem*>(found.GetNext(position));
        if (pRecipe->m_name.CompareNoCase(line.m_name) == 0)
        {
            line.m_itemId = pRecipe->m_id;
            return;
        }
    }
    line.m_itemId = CRecordId();
    line.m_lineType = "I";
}

bool CTaggedTextImporter::ReadIngredientPart(int nTag, CIngData& line)
{
    switch (nTag)
    {
    case kTagQuantity: return ReadQuantityFields(line) || (SetStatus(kBadQuantity), false);
    case kTagIngredientName: return ReadNameFields(line) || (SetStatus(kBadIngredientBlock), false);
    case kTagUnit: return ReadUnitFields(line) || (SetStatus(kBadUnitBlock), false);
    case kTagIngredientNutrition: return ReadNutrition(*line.GetNutrition()) || (SetStatus(kBadNutrition), false);
    default: return false;
    }
}

bool CTaggedTextImporter::ReadQuantityFields(CIngData& line)
{
    line.m_maxQty = ReadReal();
    line.m_minQty = ReadReal();
    line.m_unitText = ReadText();
    line.m_name = ReadText();
    line.m_preparation = ReadText();
    line.m_seasoning = ReadInteger();
    line.m_switch = ReadInteger();
    if (!AtListEnd())
        line.m_optional = ReadInteger();
    return GetStatus() == kOk;
}

bool CTaggedTextImporter::ReadNameFields(CIngData& line)
{
    line.m_name = ReadText();
    line.m_plural = ReadText();
    line.m_lineType = ReadText();
    line.m_fractional = ReadReal();
    line.m_liquid = ReadReal();
    line.m_dry = ReadReal();
    line.m_seasoning = ReadInteger();
    line.m_brandText = ReadText();
    line.m_brandId = ReadText();
    if (!AtListEnd())
    {
        line.m_groupId = ReadText();
        line.m_groupName = ReadText();
    }
    CString type = line.m_lineType;
    type.Trim();
    if (type.GetLength() != 1)
        line.m_lineType = "I";
    return GetStatus() == kOk;
}

bool CTaggedTextImporter::ReadUnitFields(CIngData& line)
{
    line.m_unitText = ReadText();
    line.m_unitId = ReadText();
    line.m_unitType = ReadInteger();
    line.m_unitFactor1 = ReadReal();
    line.m_unitFactor2 = ReadReal();
    line.m_unitSystem = ReadInteger();
    if (!AtListEnd())
        line.m_unitValue = ReadReal();
    if (line.m_unitId == 0UL)
        line.m_unitId = kNoUnitId;
    return GetStatus() == kOk;
}

bool CTaggedTextImporter::ReadReference(CRecipeData& recipe)
{
    auto* pReference = new RefListItem;
    pReference->m_type = ReadTypeLetter();
    pReference->m_name = ReadText();
    if (GetStatus() != kOk || !ReadTextField(pReference->m_content))
    {
        delete pReference;
        SetStatus(kBadReference);
        return false;
    }
    if (!Database().SaveReference(*pReference))
    {
        delete pReference;
        SetStatus(kReferenceNotSaved);
        return false;
    }
    recipe.m_links.Add(pReference);
    ReadTag();
    return true;
}
