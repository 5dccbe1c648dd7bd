#include "exchange/ImportTarget.h"

#include "database/CookbookDatabase.h"
#include "database/IngData.h"
#include "database/IngRec.h"
#include "database/ListItem.h"
#include "exchange/RecipeImporter.h"
#include "res/resource.h"

namespace {

// Grams per cup are eight times grams per fluid ounce.
const double kOuncesPerCup = 8.0;

void CompleteWeights(CIngData& line)
{
    if (line.m_liquid == 0.0)
        line.m_liquid = line.m_dry / kOuncesPerCup;
    else if (line.m_dry == 0.0)
        line.m_dry = line.m_liquid * kOuncesPerCup;
}

CString KeyOf(const CString& name)
{
    CString key(name);
    key.MakeUpper();
    return key;
}

}  // namespace

BOOL CImportTarget::StoreIngredient(CIngData& line)
{
    if (line.m_lineType != "I")
        return TRUE;
    // A heading or text line names no ingredient, and keeps no id of the source's.
    if (line.m_name.IsEmpty())
    {
        line.m_itemId = CRecordId();
        return TRUE;
    }
    CompleteWeights(line);
    const CString key = KeyOf(line.m_name);
    const auto known = m_ingredients.find(key);
    if (known != m_ingredients.end())
    {
        line.m_itemId = known->second;
        return TRUE;
    }
    CIngRec found(CRecordId(), line.m_name);
    if (m_database.LoadIngredients(found))
        line.m_itemId = found.m_id;
    else if (!m_database.SaveIngredient(line, FALSE))
        return FALSE;
    m_ingredients[key] = line.m_itemId;
    return TRUE;
}

void CImportTarget::ResolveRecipeLine(CIngData& line)
{
    if (line.m_lineType != "R")
        return;
    long found = 0;
    if (!line.m_name.IsEmpty() &&
        m_database.FindRowByValue(IDS_TBL_RECIPE, IDS_COL_RECIPE_TITLE, line.m_name, IDS_COL_RECIPE_RECIPE, found))
    {
        line.m_itemId = static_cast<unsigned long>(found);
        return;
    }
    line.m_lineType = "I";
    line.m_itemId = CRecordId();
    CRecipeImporter::MoveNameToPreparation(line);
}

CRecordId CImportTarget::FindBasicItem(const CString& name)
{
    if (name.IsEmpty())
        return CRecordId();
    const CCustObList& items = m_database.LoadBasicItems();
    for (POSITION position = items.GetHeadPosition(); position != nullptr;)
    {
        const auto* pItem = static_cast<const CListItem*>(items.GetNext(position));
        if (pItem->m_name.CompareNoCase(name) == 0)
            return pItem->m_id;
    }
    return CRecordId();
}
