#include "database/IngData.h"

#include "database/Nutrition.h"
#include "database/QuantityText.h"
#include "database/RecordArchive.h"
#include "framework/Archive.h"

IMPLEMENT_SERIAL(CIngData, CObject, 2)

namespace {
const unsigned long kNoUnit = 1;

enum UnitType
{
    Counted = 0,
    Liquid = 1,
    Dry = 2,
    LiquidOrDry = 3,
    Weight = 4,
    CountedOther = 5
};

// Recipe totals have always weighed an ounce as 28.4 g.
const float kRecipeGramsPerOunce = 28.4f;

bool SameNutrition(const NUTRITION* a, const NUTRITION* b)
{
    const NUTRITION none;
    return (a ? *a : none) == (b ? *b : none);
}

float OrOne(float value)
{
    return value != 0.0f ? value : 1.0f;
}
}  // namespace

CIngData::CIngData()
    : m_lineNumber(0), m_seasoning(0), m_lineType("I"), m_maxQty(0), m_minQty(0), m_fractional(0), m_liquid(0),
      m_dry(0), m_optional(0), m_switch(0), m_unitId(kNoUnit), m_unitType(0), m_unitValue(0), m_unitFactor1(0),
      m_unitFactor2(0), m_unitSystem(0), m_pNutrition(nullptr)
{
}

CIngData::CIngData(const CIngData& other) : CIngData()
{
    *this = other;
}

CIngData& CIngData::operator=(const CIngData& other)
{
    if (this == &other)
        return *this;
    CObject::operator=(other);
    m_lineNumber = other.m_lineNumber;
    m_itemId = other.m_itemId;
    m_name = other.m_name;
    m_plural = other.m_plural;
    m_preparation = other.m_preparation;
    m_seasoning = other.m_seasoning;
    m_lineType = other.m_lineType;
    m_maxQty = other.m_maxQty;
    m_minQty = other.m_minQty;
    m_fractional = other.m_fractional;
    m_liquid = other.m_liquid;
    m_dry = other.m_dry;
    m_optional = other.m_optional;
    m_switch = other.m_switch;
    m_brandId = other.m_brandId;
    m_brandText = other.m_brandText;
    m_groupId = other.m_groupId;
    m_groupName = other.m_groupName;
    m_basicItemId = other.m_basicItemId;
    m_basicItemName = other.m_basicItemName;
    m_unitId = other.m_unitId;
    m_unitText = other.m_unitText;
    m_unitType = other.m_unitType;
    m_unitValue = other.m_unitValue;
    m_unitFactor1 = other.m_unitFactor1;
    m_unitFactor2 = other.m_unitFactor2;
    m_unitSystem = other.m_unitSystem;
    SetNutrition(other.m_pNutrition);
    return *this;
}

CIngData::~CIngData()
{
    delete m_pNutrition;
}

bool CIngData::operator==(const CIngData& other) const
{
    return m_itemId == other.m_itemId && m_name == other.m_name && m_plural == other.m_plural &&
           m_preparation == other.m_preparation && m_seasoning == other.m_seasoning && m_lineType == other.m_lineType &&
           m_maxQty == other.m_maxQty && m_minQty == other.m_minQty && m_fractional == other.m_fractional &&
           m_liquid == other.m_liquid && m_dry == other.m_dry && m_optional == other.m_optional &&
           m_switch == other.m_switch && m_groupId == other.m_groupId && m_groupName == other.m_groupName &&
           m_unitId == other.m_unitId && m_unitText == other.m_unitText && m_unitType == other.m_unitType &&
           m_unitValue == other.m_unitValue && m_unitFactor1 == other.m_unitFactor1 &&
           m_unitFactor2 == other.m_unitFactor2 && m_unitSystem == other.m_unitSystem &&
           SameNutrition(m_pNutrition, other.m_pNutrition);
}

NUTRITION* CIngData::GetNutrition()
{
    if (!m_pNutrition)
        m_pNutrition = new NUTRITION;
    return m_pNutrition;
}

void CIngData::SetNutrition(const NUTRITION* pNutrition)
{
    NUTRITION* pCopy = pNutrition ? new NUTRITION(*pNutrition) : nullptr;
    delete m_pNutrition;
    m_pNutrition = pCopy;
}

double CIngData::GetAmountForUnitType() const
{
    switch (m_unitType)
    {
    case Counted:
    case CountedOther: return m_fractional * m_unitFactor1;
    case Liquid: return m_unitFactor1 * m_liquid;
    case Dry: return m_dry * m_unitFactor1;
    case LiquidOrDry: return m_liquid > 0.0 ? m_unitFactor1 * m_liquid : m_dry * m_unitFactor2;
    case Weight: return m_unitFactor1 * kGramsPerOunce;
    default: return 1.0;
    }
}

float CIngData::GetNutritionFactor() const
{
    const float quantity = OrOne(static_cast<float>(m_minQty));
    const float factor1 = OrOne(static_cast<float>(m_unitFactor1));
    // A missing weight is completed from the other: a cup holds eight fluid ounces.
    float liquid = static_cast<float>(m_liquid);
    float dry = static_cast<float>(m_dry);
    if (liquid <= 0.0f && dry > 0.0f)
        liquid = dry / static_cast<float>(kFluidOuncesPerCup);
    if (dry <= 0.0f && liquid > 0.0f)
        dry = liquid * static_cast<float>(kFluidOuncesPerCup);

    float grams = 1.0f;
    switch (m_unitType)
    {
    case Counted:
    case CountedOther: grams = static_cast<float>(m_fractional) * factor1; break;
    case Liquid: grams = liquid * factor1; break;
    case Dry: grams = dry * factor1; break;
    case LiquidOrDry: grams = liquid != 0.0f ? liquid * factor1 : dry * OrOne(static_cast<float>(m_unitFactor2)); break;
    case Weight: grams = factor1 * kRecipeGramsPerOunce; break;
    }
    return quantity * OrOne(grams) * 0.01f;
}

void CIngData::Serialize(CArchive& ar)
{
    CObject::Serialize(ar);
    if (ar.IsStoring())
    {
        WriteRecordId(ar, m_itemId);
        ar << m_name << m_plural << m_preparation << m_seasoning << m_lineType;
        ar << m_maxQty << m_minQty << m_fractional << m_liquid << m_dry;
        ar << m_optional << m_switch;
        WriteRecordId(ar, m_groupId);
        ar << m_groupName;
        WriteRecordId(ar, m_basicItemId);
        ar << m_basicItemName;
        WriteRecordId(ar, m_unitId);
        ar << m_unitText << m_unitType << m_unitFactor1 << m_unitFactor2 << m_unitSystem;
    }
    else
    {
        ReadRecordId(ar, m_itemId);
        ar >> m_name >> m_plural >> m_preparation >> m_seasoning >> m_lineType;
        ar >> m_maxQty >> m_minQty >> m_fractional >> m_liquid >> m_dry;
        ar >> m_optional >> m_switch;
        ReadRecordId(ar, m_groupId);
        ar >> m_groupName;
        ReadRecordId(ar, m_basicItemId);
        ar >> m_basicItemName;
        ReadRecordId(ar, m_unitId);
        ar >> m_unitText >> m_unitType >> m_unitFactor1 >> m_unitFactor2 >> m_unitSystem;
    }
}
