#include "shopping/ShoppingListWriter.h"

#include <algorithm>

#include "database/CookbookDatabase.h"
#include "database/IngData.h"
#include "database/QuantityScaler.h"
#include "database/QuantityText.h"
#include "printing/LineFormat.h"
#include "printing/PageFormatter.h"
#include "res/resource.h"
#include "shell/services/CurrentDatabase.h"
#include "shell/services/TextUtilities.h"
#include "shell/settings/AppSettings.h"
#include "shopping/RecipeListItem.h"
#include "shopping/SectionOrder.h"
#include "shopping/ShopMgr.h"
#include "shopping/ShoppingListItem.h"

namespace {

const int kIndent = 5;
const int kByStore = 3;

// Paragraph styles by which the screen pane tells its rows apart.
const int kPlainStyle = 0;
const int kRecipeStyle = 28;
const int kDetailStyle = 30;
const int kSummaryStyle = 31;
const int kCheckedStyle = 32;

// The normalised quantities of adjusted items: fractions, ranges keeping their width.
const int kScalerUnits = 3;
const int kScalerFractions = 0;
const int kScalerScaleRanging = 1;
const int kDefaultSeasoningPercent = 100;

// Sets one block's line format and puts the previous one back when the block ends.
class CBlockFormat
{
public:
    CBlockFormat(CPageFormatter& output, int flags, int mode, int sizePercent)
        : m_output(output), m_saved(output.GetLineFormat())
    {
        m_output.SetLineFormat(CLineFormat(flags, mode, kIndent, sizePercent));
    }
    ~CBlockFormat() { m_output.SetLineFormat(m_saved); }
    CBlockFormat(const CBlockFormat&) = delete;
    CBlockFormat& operator=(const CBlockFormat&) = delete;

private:
    CPageFormatter& m_output;
    CLineFormat m_saved;
};

int SeasoningPercent()
{
    return g_pAppSettings != nullptr ? g_pAppSettings->GetSystemRecord()->SeasoningRatio : kDefaultSeasoningPercent;
}

bool IsOnCheckedEntry(const CShoppingListItem& item, const CShoppingList& entries)
{
    for (int i = 0; i < entries.GetSize(); ++i)
    {
        const CShoppingListItem* pEntry = entries.GetItem(i);
        if (pEntry != nullptr && pEntry->m_checked && pEntry->GetLine().m_name == item.GetLine().m_name)
            return true;
    }
    return false;
}

}  // namespace

CShoppingListWriter::CShoppingListWriter(CShopMgr& manager, CPageFormatter& output)
    : m_manager(manager), m_output(output)
{
}

void CShoppingListWriter::Write(BOOL bWithAdditionalItems)
{
    // The caller's format comes back when the list is written.
    const CLineFormat callerFormat = m_output.GetLineFormat();
    if (m_manager.m_bPrinting)
        WriteTitle();
    MarkHiddenItems();
    const bool withFrequent = m_manager.m_bAddFrequentItems && m_manager.GetFrequentList().GetSize() != 0;
    if (m_manager.IsListEmpty() && !withFrequent)
    {
        m_output.WriteSpacerLine();
        WriteStringText(IDS_NO_SHOPPING_ITEMS);
        WriteAdditionalItems(bWithAdditionalItems);
    }
    else
    {
        WriteBlocks(bWithAdditionalItems);
    }
    m_output.SetLineFormat(callerFormat);
}

void CShoppingListWriter::WriteBlocks(BOOL bWithAdditionalItems)
{
    if (m_manager.m_bShowRecipeNames)
        WriteRecipesIncluded();
    if (m_manager.m_layoutMode == kByStore)
        WriteByStore();
    else if (m_manager.m_layoutMode != CShoppingList::kByRecipe)
        WriteSummary();
    WriteAdditionalItems(bWithAdditionalItems);
    if (m_manager.GetShowDetail() || m_manager.m_layoutMode == CShoppingList::kByRecipe)
        WriteDetail();
}

void CShoppingListWriter::WriteTitle()
{
    CString title = m_manager.GetListName();
    CString storeName;
    CCookbookDatabase* pDatabase = GetCurrentDatabase();
    if (m_manager.m_layoutMode == kByStore && pDatabase != nullptr &&
        pDatabase->GetStoreName(m_manager.m_store, storeName))
        title += " - " + storeName;
    CBlockFormat format(m_output, CLineFormat::FlagBold, CLineFormat::Centred, 160);
    WriteText(title, kPlainStyle, 0);
}

void CShoppingListWriter::MarkHiddenItems()
{
    const CShoppingList& current = m_manager.GetCurrentList();
    for (int i = 0; i < current.GetSize(); ++i)
    {
        CShoppingListItem* pItem = current.GetItem(i);
        if (pItem != nullptr)
            pItem->m_hidden = m_manager.m_bRemovePantryItems && IsOnCheckedEntry(*pItem, m_manager.GetPantryList());
    }
    const CShoppingList& frequent = m_manager.GetFrequentList();
    for (int i = 0; i < frequent.GetSize(); ++i)
    {
        CShoppingListItem* pEntry = frequent.GetItem(i);
        if (pEntry != nullptr)
            pEntry->m_hidden = !pEntry->m_checked;
    }
}

void CShoppingListWriter::WriteRecipesIncluded()
{
    WriteSectionHeading(IDS_RECIPES_INCLUDED);
    m_output.WriteSpacerLine();
    const RecipeList& recipes = m_manager.GetRecipes();
    for (int i = 0; i < recipes.GetSize(); ++i)
    {
        const RecipeListItem* pRecipe = recipes.GetRecipeAt(i);
        if (pRecipe != nullptr)
            WriteText(pRecipe->m_name, kRecipeStyle, pRecipe->m_value);
    }
}

void CShoppingListWriter::WriteSummary()
{
    m_manager.BuildSummary();
    const CShoppingList& summary = m_manager.GetSummaryList();
    ItemView view;
    CShoppingList::BuildView(summary, summary, FALSE, m_manager.m_layoutMode, view);
    WriteSectionHeading(IDS_SUMMARY_OF_INGREDIENTS);
    WriteItemBlock(view, true);
    WriteOptionalNote(view);
}

// Without a cookbook there is no store to order by: the plain summary stands in.
void CShoppingListWriter::WriteByStore()
{
    CCookbookDatabase* pDatabase = GetCurrentDatabase();
    if (pDatabase == nullptr)
    {
        WriteSummary();
        return;
    }
    m_manager.BuildSummary();
    const CShoppingList& summary = m_manager.GetSummaryList();
    CSectionOrder order;
    ItemView written;
    order.BuildSectionView(*pDatabase, summary, summary, FALSE, m_manager.m_store, TRUE, written);
    WriteSectionHeading(IDS_SUMMARY_OF_INGREDIENTS);
    WriteItemBlock(written, true);
    if (m_manager.m_bShowUnassignedSections)
    {
        ItemView unassigned;
        order.BuildSectionView(*pDatabase, summary, summary, FALSE, m_manager.m_store, FALSE, unassigned);
        WriteSectionHeading(IDS_UNASSIGNED_SECTION_ITEMS);
        WriteItemBlock(unassigned, true);
        written.insert(written.end(), unassigned.begin(), unassigned.end());
    }
    WriteOptionalNote(written);
}

void CShoppingListWriter::WriteAdditionalItems(BOOL bWithAdditionalItems)
{
    const CString& text = m_manager.GetAdditionalItems();
    if (!bWithAdditionalItems || text.IsEmpty())
        return;
    WriteSectionHeading(IDS_ADDITIONAL_ITEMS);
    m_output.WriteSpacerLine();
    WriteText(text, kPlainStyle, 0);
}

void CShoppingListWriter::WriteDetail()
{
    ItemView view;
    CShoppingList::BuildView(m_manager.GetCurrentList(), m_manager.GetFrequentList(), m_manager.m_bAddFrequentItems,
                             m_manager.m_layoutMode, view);
    WriteSectionHeading(IDS_INGREDIENT_DETAIL);
    WriteItemBlock(view, false);
}

void CShoppingListWriter::WriteSectionHeading(UINT nTextId)
{
    CBlockFormat format(m_output, CLineFormat::FlagBold, CLineFormat::Plain, 140);
    m_output.WriteSpacerLine();
    WriteStringText(nTextId);
    m_output.WriteRule(2);
}

void CShoppingListWriter::WriteText(const CString& text, int nStyle, int nValue)
{
    m_output.SetParagraphStyle(nStyle, nValue);
    m_output.WriteText(text, nullptr);
}

void CShoppingListWriter::WriteStringText(UINT nTextId)
{
    CString text;
    text.LoadString(nTextId);
    WriteText(text, kPlainStyle, 0);
}

void CShoppingListWriter::WriteItemBlock(const ItemView& view, bool summary)
{
    CString lastKey;
    for (const CShoppingListItem* pItem : view)
    {
        if (pItem == nullptr || pItem->m_hidden)
            continue;
        WriteGroupHeading(*pItem, lastKey);
        WriteItemLine(*pItem, summary);
    }
}

void CShoppingListWriter::WriteOptionalNote(const ItemView& view)
{
    const bool anyOptional = std::any_of(view.begin(), view.end(), [](const CShoppingListItem* pItem) {
        return pItem != nullptr && pItem->GetLine().m_optional;
    });
    if (!anyOptional)
        return;
    m_output.WriteSpacerLine();
    WriteStringText(IDS_OPTIONAL_NOTE);
}

void CShoppingListWriter::WriteGroupHeading(const CShoppingListItem& item, CString& lastKey)
{
    CString key = GroupKey(item);
    key.MakeUpper();
    if (key == lastKey)
        return;
    CBlockFormat format(m_output, CLineFormat::FlagBold, CLineFormat::Plain, 100);
    m_output.WriteSpacerLine();
    WriteText(key, kPlainStyle, 0);
    lastKey = key;
}

CString CShoppingListWriter::GroupKey(const CShoppingListItem& item) const
{
    switch (m_manager.m_layoutMode)
    {
    case CShoppingList::kBySection:
    case kByStore: return item.GetLine().m_groupName;
    case CShoppingList::kByRecipe: return item.m_recipeName;
    default: return CString();
    }
}

void CShoppingListWriter::WriteItemLine(const CShoppingListItem& item, bool summary)
{
    const int style = item.m_checked ? kCheckedStyle : summary ? kSummaryStyle : kDetailStyle;
    CBlockFormat format(m_output, 0, CLineFormat::HangingIndent, 100);
    WriteText(ItemText(item, summary) + ItemTail(item, summary), style, static_cast<int>(item.GetSerial()));
}

// An adjusted item's quantity was computed, so the scaler puts it into the unit that suits it.
CString CShoppingListWriter::ItemText(const CShoppingListItem& item, bool summary)
{
    const CIngData& line = item.GetLine();
    if (line.m_name.IsEmpty())
        return line.m_preparation;
    const double largest = std::max(line.m_minQty, line.m_maxQty);
    CString text = summary ? "[ ]\t" : "";
    CString quantity;
    CString unit;
    if (item.m_adjusted)
    {
        CQuantityScaler scaler(kScalerUnits, kScalerFractions, kScalerScaleRanging, SeasoningPercent());
        scaler.LoadItem(item, 1.0);
        text += scaler.GetIngredientText();
        quantity = scaler.GetQuantityText();
        unit = scaler.GetUnitText();
    }
    else
    {
        text += PluralizeUnit(line.m_name, largest, line.m_plural, 0);
        char range[100];
        FormatQuantityRange(range, sizeof range, 0, line.m_minQty, line.m_maxQty, false);
        quantity = range;
        unit = line.m_unitText;
        ApplyPluralParentheses(unit, largest);
    }
    if (!line.m_preparation.IsEmpty())
        text += ", " + line.m_preparation;
    if (!IsBlank(quantity))
        text += ", " + quantity;
    if (!unit.IsEmpty())
        text += " " + unit;
    return text;
}

CString CShoppingListWriter::ItemTail(const CShoppingListItem& item, bool summary) const
{
    const bool optional = item.GetLine().m_optional != 0;
    CString tail;
    if (summary || m_manager.m_layoutMode == CShoppingList::kByRecipe)
    {
        if (optional)
            tail += "+";
        if (item.m_checked)
            tail += " ++";
        return tail;
    }
    tail = "  (" + item.m_recipeName + ")";
    if (optional)
        tail += ", Optional";
    return tail;
}
