#include "database/Nutrition.h"

#include "database/PortRecordset.h"
#include "framework/Archive.h"
#include "res/resource.h"

#include <cstring>

IMPLEMENT_DYNAMIC(NUTRITION, CObject)

namespace {
const double kLargestAmount = 1e12;

// Negative values, values above 1e12 and NaN become 0; -0.0 stays.
float ClampFloat(float value)
{
    return value >= 0.0f && value <= kLargestAmount ? value : 0.0f;
}

double ClampDouble(double value)
{
    return value >= 0.0 && value <= kLargestAmount ? value : 0.0;
}

bool IsPositive(float value)
{
    INT32 bits = 0;
    memcpy(&bits, &value, sizeof bits);
    return bits > 0;
}

// The amount columns, in the order of NUTRITION::Amount.
const UINT kAmountColumns[NUTRITION::AmountCount] = {
    IDS_COL_ING_NUTRITION_ALCOHOL,   IDS_COL_ING_NUTRITION_PROTEIN, IDS_COL_ING_NUTRITION_CARBO,
    IDS_COL_ING_NUTRITION_TOTAL_FAT, IDS_COL_ING_NUTRITION_SAT_FAT, IDS_COL_ING_NUTRITION_CHOLESTRL,
    IDS_COL_ING_NUTRITION_SODIUM,    IDS_COL_ING_NUTRITION_IRON,    IDS_COL_ING_NUTRITION_VITAMIN_C,
    IDS_COL_ING_NUTRITION_VITAMIN_A, IDS_COL_ING_NUTRITION_FIBER,   IDS_COL_ING_NUTRITION_CALCIUM,
    IDS_COL_ING_NUTRITION_SUGARS,
};

bool SameValue(float a, float b)
{
    return !(a < b) && !(a > b);
}
}  // namespace

NUTRITION::NUTRITION() : m_caloriesFixed(0)
{
    SetAll(0.0);
}

NUTRITION::NUTRITION(const NUTRITION& other) : NUTRITION()
{
    Copy(other);
}

NUTRITION& NUTRITION::operator=(const NUTRITION& other)
{
    Copy(other);
    return *this;
}

void NUTRITION::Copy(const NUTRITION& other)
{
    m_calories = other.m_calories;
    memcpy(m_share, other.m_share, sizeof m_share);
    memcpy(m_amount, other.m_amount, sizeof m_amount);
    m_caloriesFixed = other.m_caloriesFixed;
    m_unitType = other.m_unitType;
    m_unitQuantity = other.m_unitQuantity;
    Recalculate();
}

BOOL NUTRITION::Compare(const NUTRITION& other) const
{
    if (!SameValue(m_calories, other.m_calories) || m_caloriesFixed != other.m_caloriesFixed ||
        !SameValue(m_unitType, other.m_unitType) || !SameValue(m_unitQuantity, other.m_unitQuantity))
        return FALSE;
    for (int i = 0; i < ShareCount; ++i)
    {
        if (!SameValue(m_share[i], other.m_share[i]))
            return FALSE;
    }
    for (int i = 0; i < AmountCount; ++i)
    {
        if (!SameValue(m_amount[i], other.m_amount[i]))
            return FALSE;
    }
    return TRUE;
}

void NUTRITION::Sanitize()
{
    m_calories = ClampFloat(m_calories);
    for (float& share : m_share)
        share = ClampFloat(share);
    for (float& amount : m_amount)
        amount = ClampFloat(amount);
    m_unitType = ClampFloat(m_unitType);
    m_unitQuantity = ClampFloat(m_unitQuantity);
}

void NUTRITION::Recalculate()
{
    const float alcohol = m_amount[Alcohol] * 7.0f;
    const float protein = m_amount[Protein] * 4.0f;
    const float carbohydrate = m_amount[Carbohydrate] * 4.0f;
    const float fat = m_amount[TotalFat] * 9.0f;
    if (!m_caloriesFixed)
        m_calories = ((fat + carbohydrate) + protein) + alcohol;
    if (!IsPositive(m_calories))
    {
        for (float& share : m_share)
            share = 0.0f;
        return;
    }
    m_share[AlcoholShare] = alcohol / m_calories * 100.0f;
    m_share[ProteinShare] = protein / m_calories * 100.0f;
    m_share[CarbohydrateShare] = carbohydrate / m_calories * 100.0f;
    m_share[FatShare] = fat / m_calories * 100.0f;
}

void NUTRITION::SetAll(double value)
{
    const float v = static_cast<float>(ClampDouble(value));
    m_calories = v;
    for (float& share : m_share)
        share = v;
    for (float& amount : m_amount)
        amount = v;
    m_unitType = v;
    m_unitQuantity = v;
}

void NUTRITION::Add(const NUTRITION& other)
{
    for (int i = 0; i < AmountCount; ++i)
        m_amount[i] += other.m_amount[i];
    Recalculate();
}

void NUTRITION::DivideBy(double divisor)
{
    divisor = ClampDouble(divisor);
    if (divisor < 1.0)
        return;
    m_calories = static_cast<float>(m_calories / divisor);
    for (float& amount : m_amount)
        amount = static_cast<float>(amount / divisor);
    Recalculate();
}

void NUTRITION::DivideBy(int divisor)
{
    DivideBy(static_cast<double>(divisor));
}

void NUTRITION::MultiplyBy(double factor)
{
    factor = ClampDouble(factor);
    if (factor <= 0.0)
        return;
    m_calories = static_cast<float>(m_calories * factor);
    for (float& amount : m_amount)
        amount = static_cast<float>(amount * factor);
    Recalculate();
}

void NUTRITION::MultiplyBy(int factor)
{
    if (factor >= 1)
        MultiplyBy(static_cast<double>(factor));
    Recalculate();
}

void NUTRITION::ReadFromRecordset(CPortRecordset& recordset)
{
    for (int i = 0; i < AmountCount; ++i)
        recordset.GetFieldFloat(kAmountColumns[i], m_amount[i]);
    long fixed = m_caloriesFixed;
    if (recordset.GetFieldInt32(IDS_COL_ING_NUTRITION_READ_ONLY, fixed))
        m_caloriesFixed = fixed;
    recordset.GetFieldFloat(IDS_COL_ING_NUTRITION_UNIT_TYPE, m_unitType);
    recordset.GetFieldFloat(IDS_COL_ING_NUTRITION_UNIT_QTY, m_unitQuantity);
    // Without this a fixed calorie value written by SaveNutrition came back as whatever
    // the record held before.
    recordset.GetFieldFloat(IDS_COL_ING_NUTRITION_CALORIES, m_calories);
    Recalculate();
}

// The image is what the 32-bit program held in memory: the object header word, then the
// fields. The header word is written as 0 and skipped on reading, so that no live object
// takes over a pointer from a file.
void NUTRITION::WriteImage(CArchive& ar) const
{
    ar << static_cast<DWORD>(0) << m_calories;
    for (float share : m_share)
        ar << share;
    for (float amount : m_amount)
        ar << amount;
    ar << m_caloriesFixed << m_unitType << m_unitQuantity;
}

void NUTRITION::ReadImage(CArchive& ar)
{
    DWORD headerWord = 0;
    ar >> headerWord >> m_calories;
    for (float& share : m_share)
        ar >> share;
    for (float& amount : m_amount)
        ar >> amount;
    ar >> m_caloriesFixed >> m_unitType >> m_unitQuantity;
}
