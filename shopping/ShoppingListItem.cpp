#include "shopping/ShoppingListItem.h"

#include "database/IngData.h"
#include "database/RecipeListItem.h"
#include "database/RecordArchive.h"
#include "framework/Archive.h"

IMPLEMENT_SERIAL(CShoppingListItem, CObject, 12)

namespace {

// A single quantity may be stored in either end of the range: the empty end takes the other's value.
void CompleteSingleQuantity(double& low, double& high)
{
    if (high == 0.0)
        high = low;
    if (low == 0.0)
        low = high;
}

// A shopping item never carries the line's nutrient profile.
CIngData* CopyLine(const CIngData& line)
{
    auto* pCopy = new CIngData(line);
    pCopy->SetNutrition(nullptr);
    return pCopy;
}

}  // namespace

CShoppingListItem::CShoppingListItem()
    : m_hidden(0), m_adjusted(0), m_checked(0), m_combined(0), m_pLine(new CIngData), m_serial(NextSerial())
{
}

CShoppingListItem::CShoppingListItem(const CIngData& line, const CRecipeListItem& recipe, double factor)
    : m_recipeName(recipe.m_name), m_recipeId(recipe.m_id), m_hidden(0), m_adjusted(factor > 1.0 ? 1 : 0), m_checked(0),
      m_combined(0), m_pLine(CopyLine(line)), m_serial(NextSerial())
{
}

CShoppingListItem::CShoppingListItem(const CShoppingListItem& other, BOOL bNewSerial)
    : CObject(other), m_recipeName(other.m_recipeName), m_recipeId(other.m_recipeId), m_hidden(other.m_hidden),
      m_adjusted(other.m_adjusted), m_checked(other.m_checked), m_combined(other.m_combined),
      m_pLine(CopyLine(*other.m_pLine)), m_serial(bNewSerial ? NextSerial() : other.m_serial)
{
}

CShoppingListItem& CShoppingListItem::operator=(const CShoppingListItem& other)
{
    if (this == &other)
        return *this;
    CIngData* pLine = CopyLine(*other.m_pLine);
    delete m_pLine;
    m_pLine = pLine;
    m_recipeName = other.m_recipeName;
    m_recipeId = other.m_recipeId;
    m_hidden = other.m_hidden;
    m_adjusted = other.m_adjusted;
    m_checked = other.m_checked;
    m_combined = other.m_combined;
    m_serial = other.m_serial;
    return *this;
}

CShoppingListItem::~CShoppingListItem()
{
    delete m_pLine;
}

// Summing a single quantity with a range must count the single quantity in both ends; an entry
// is replaced only when it holds no quantity at all, so nothing already summed is dropped.
BOOL CShoppingListItem::MergeItem(const CShoppingListItem& candidate)
{
    const CIngData& theirs = candidate.GetLine();
    if (theirs.m_maxQty + theirs.m_minQty == 0.0)
        return TRUE;
    if (m_pLine->m_minQty == 0.0 && m_pLine->m_maxQty == 0.0)
    {
        *this = candidate;
        m_combined = 1;
        return TRUE;
    }
    double low = theirs.m_minQty;
    double high = theirs.m_maxQty;
    CompleteSingleQuantity(low, high);
    if (m_pLine->m_unitId != theirs.m_unitId)
    {
        if (static_cast<short>(m_pLine->m_unitType) != static_cast<short>(theirs.m_unitType) ||
            m_pLine->m_unitFactor1 == 0.0)
            return FALSE;
        const double ratio = theirs.m_unitFactor1 / m_pLine->m_unitFactor1;
        low *= ratio;
        high *= ratio;
    }
    CompleteSingleQuantity(m_pLine->m_minQty, m_pLine->m_maxQty);
    m_pLine->m_minQty += low;
    m_pLine->m_maxQty += high;
    m_adjusted = 1;
    m_combined = 1;
    return TRUE;
}

void CShoppingListItem::Serialize(CArchive& ar)
{
    CObject::Serialize(ar);
    m_pLine->Serialize(ar);
    if (ar.IsStoring())
    {
        ar << m_recipeName;
        WriteRecordId(ar, m_recipeId);
        ar << m_adjusted << m_checked << m_combined;
    }
    else
    {
        ar >> m_recipeName;
        ReadRecordId(ar, m_recipeId);
        ar >> m_adjusted >> m_checked >> m_combined;
    }
}

DWORD CShoppingListItem::NextSerial()
{
    static DWORD s_lastSerial = 0;
    return ++s_lastSerial;
}
