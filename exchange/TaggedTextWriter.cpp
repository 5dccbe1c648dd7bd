#include "exchange/TaggedTextWriter.h"

#include <cstdio>
#include <map>

#include "database/CategoryListItem.h"
#include "database/IngData.h"
#include "database/Nutrition.h"
#include "database/RecipeData.h"
#include "database/RefListItem.h"
#include "exchange/RecipeTextTags.h"
#include "exchange/TaggedTextFields.h"

namespace {

const int kMaxCategories = 5;
// Values this long or longer are written on a line of their own.
const int kLongValue = 161;
// Nutrient amounts written before the unit fields; calcium and sugars follow them.
const int kLeadingAmounts = 11;

const char kBanner[] = "Brevana - Recipe Text Export";
const char kVersion[] = "1.0";

std::string Tag(int nTag)
{
    char buffer[32];
    GetRecipeTextTag(buffer, nTag);
    return buffer;
}

// Media references carry only their file name: the folders of another machine mean nothing.
CString ReferenceContent(const RefListItem& reference)
{
    const bool isMedia = reference.m_type == 'P' || reference.m_type == 'S' || reference.m_type == 'V';
    const int nSlash = reference.m_content.ReverseFind('\\');
    if (isMedia && nSlash >= 0 && nSlash < reference.m_content.GetLength() - 1)
        return reference.m_content.Mid(nSlash + 1);
    return reference.m_content;
}

}  // namespace

CTaggedTextWriter::CTaggedTextWriter(CPageFormatter* pOutput) : CReportJob(pOutput, 2000) {}

int CTaggedTextWriter::WriteRecipe(CRecipeData* pRecipe, PrintPrefs* /*pPrefs*/)
{
    if (pRecipe == nullptr)
        return 1;
    SetLineFormat(0, 0, 0, 0, 0, 0, 0);
    WriteHeader(*pRecipe);
    WriteCategories(*pRecipe);
    WriteBlankLines(1);
    for (POSITION position = pRecipe->m_lines.GetHeadPosition(); position != nullptr;)
    {
        auto* pLine = static_cast<CIngData*>(pRecipe->m_lines.GetNext(position));
        if (pLine != nullptr)
            WriteIngredient(*pLine);
    }
    WriteNutrition(kTagRecipeNutrition, *pRecipe->GetNutrition());
    WriteTextField(kTagDirections, pRecipe->m_directions);
    WriteReferences(*pRecipe);
    WriteLine(">", 0);
    WriteBlankLines(1);
    return 0;
}

void CTaggedTextWriter::WriteHeader(const CRecipeData& recipe)
{
    WriteLine((Tag(kTagRecipe) + kBanner + kFieldSeparator).c_str(), 0);
    WriteFieldLine(kTagVersion, FieldText(kVersion));
    WriteBlankLines(1);
    WriteTextField(kTagTitle, recipe.m_title);
    WriteTextField(kTagSubtitle, recipe.m_subtitle);
    WriteTextField(kTagIntroduction, recipe.m_intro);
    WriteTextField(kTagSource, recipe.m_source);
    WriteFieldLine(kTagServings, FieldNumber("%u", recipe.m_servings));
    WriteFieldLine(kTagTimings,
                   FieldText(recipe.m_prepTime) + FieldText(recipe.m_cookTime) + FieldText(recipe.m_standTime));
    WriteFieldLine(kTagCost, FieldNumber("%lf", recipe.m_cost));
    WriteTextField(kTagYield, recipe.m_yieldUnit);
}

void CTaggedTextWriter::WriteTextField(int nTag, const CString& value)
{
    const bool breaksLine = value.Find('\n') >= 0 || value.Find('\r') >= 0;
    if (value.GetLength() < kLongValue && !breaksLine)
    {
        WriteFieldLine(nTag, FieldText(value));
        return;
    }
    WriteLine(Tag(nTag).c_str(), 0);
    WriteLine(EscapeFieldText(value).c_str(), 0);
    WriteLine((kFieldSeparator + std::string(">")).c_str(), 0);
}

void CTaggedTextWriter::WriteFieldLine(int nTag, const std::string& fields)
{
    WriteLine((Tag(nTag) + fields + ">").c_str(), 0);
}

void CTaggedTextWriter::WriteTagAlone(int nTag)
{
    WriteLine(Tag(nTag).c_str(), 0);
}

// A name that occurs twice is written once; the map keeps them in name order.
void CTaggedTextWriter::WriteCategories(const CRecipeData& recipe)
{
    std::map<std::string, int> names;
    int nTaken = 0;
    for (POSITION position = recipe.m_categories.GetHeadPosition(); position != nullptr && nTaken < kMaxCategories;)
    {
        const auto* pItem = static_cast<const CategoryListItem*>(recipe.m_categories.GetNext(position));
        if (pItem == nullptr)
            continue;
        names[pItem->m_name.GetString()] = 1;
        ++nTaken;
    }
    WriteTagAlone(kTagCategories);
    for (const auto& name : names)
        WriteLine(FieldText(name.first.c_str()).c_str(), 0);
    WriteLine(">", 0);
}

void CTaggedTextWriter::WriteIngredient(CIngData& line)
{
    WriteTagAlone(kTagIngredient);
    WriteFieldLine(kTagIngredientName, FieldText(line.m_name) + FieldText(line.m_plural) + FieldText(line.m_lineType) +
                                           FieldNumber("%.3lf", line.m_fractional) +
                                           FieldNumber("%.3lf", line.m_liquid) + FieldNumber("%.3lf", line.m_dry) +
                                           FieldNumber("%d", static_cast<int>(line.m_seasoning)) +
                                           FieldText(line.m_brandText) + FieldText(line.m_brandId.GetText()) +
                                           FieldText(line.m_groupId.GetText()) + FieldText(line.m_groupName));
    WriteNutrition(kTagIngredientNutrition, *line.GetNutrition());
    WriteFieldLine(kTagUnit, FieldText(line.m_unitText) + FieldText(line.m_unitId.GetText()) +
                                 FieldNumber("%d", static_cast<int>(line.m_unitType)) +
                                 FieldNumber("%.3lf", line.m_unitFactor1) + FieldNumber("%.3lf", line.m_unitFactor2) +
                                 FieldNumber("%d", static_cast<int>(line.m_unitSystem)) +
                                 FieldNumber("%.3lf", line.m_unitValue));
    WriteFieldLine(kTagQuantity, FieldNumber("%.3lf", line.m_maxQty) + FieldNumber("%.3lf", line.m_minQty) +
                                     FieldText(line.m_unitText) + FieldText(line.m_name) +
                                     FieldText(line.m_preparation) +
                                     FieldNumber("%d", static_cast<int>(line.m_seasoning)) +
                                     FieldNumber("%d", static_cast<int>(line.m_switch)) +
                                     FieldNumber("%d", static_cast<int>(line.m_optional)));
    WriteLine(">", 0);
    WriteBlankLines(1);
}

void CTaggedTextWriter::WriteNutrition(int nTag, const NUTRITION& profile)
{
    std::string fields;
    for (int i = 0; i < kLeadingAmounts; ++i)
        fields += FieldNumber("%.3f", static_cast<double>(profile.m_amount[i]));
    fields += FieldNumber("%.3f", static_cast<double>(profile.m_unitType));
    fields += FieldNumber("%.3f", static_cast<double>(profile.m_unitQuantity));
    fields += FieldNumber("%.3f", static_cast<double>(profile.m_amount[NUTRITION::Calcium]));
    fields += FieldNumber("%.3f", static_cast<double>(profile.m_amount[NUTRITION::Sugars]));
    WriteFieldLine(nTag, fields);
}

void CTaggedTextWriter::WriteReferences(const CRecipeData& recipe)
{
    for (int i = 0; i < recipe.m_links.GetSize(); ++i)
    {
        const RefListItem* pReference = recipe.m_links.GetRefAt(i);
        if (pReference == nullptr)
            continue;
        WriteLine((Tag(kTagReference) + FieldText(CString(pReference->m_type)) + FieldText(pReference->m_name)).c_str(),
                  0);
        WriteLine(FieldText(ReferenceContent(*pReference)).c_str(), 0);
        WriteLine(">", 0);
    }
}
