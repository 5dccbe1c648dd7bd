#pragma once

#include "database/RecordId.h"
#include "framework/Object.h"
#include "framework/String.h"

class NUTRITION;

// One ingredient line of a recipe: the ingredient (or a recipe used as one), its quantity,
// its unit with the unit's conversion data, and the ingredient's weights.
class CIngData : public CObject
{
    DECLARE_SERIAL(CIngData)
public:
    CIngData();
    CIngData(const CIngData& other);
    CIngData& operator=(const CIngData& other);
    ~CIngData() override;

    // The line number, the brand and the basic item are not compared.
    bool operator==(const CIngData& other) const;
    bool operator!=(const CIngData& other) const { return !(*this == other); }

    // Made, zeroed, on first request.
    NUTRITION* GetNutrition();
    // Stores a copy; null drops the profile.
    void SetNutrition(const NUTRITION* pNutrition);

    // Grams in one unit of the line, by its unit type.
    double GetAmountForUnitType() const;
    // The share of the ingredient's stored profile (per 100 g) that the line's quantity
    // carries into a recipe's total.
    float GetNutritionFactor() const;

    void Serialize(CArchive& ar) override;

    LONG m_lineNumber;
    CRecordId m_itemId;
    CString m_name;
    CString m_plural;
    CString m_preparation;
    LONG m_seasoning;
    // "I" an ingredient, "R" a recipe used as an ingredient.
    CString m_lineType;
    double m_maxQty;
    double m_minQty;
    // Grams per item, per fluid ounce and per cup.
    double m_fractional;
    double m_liquid;
    double m_dry;
    LONG m_optional;
    LONG m_switch;
    CRecordId m_brandId;
    CString m_brandText;
    CRecordId m_groupId;
    CString m_groupName;
    CRecordId m_basicItemId;
    CString m_basicItemName;
    CRecordId m_unitId;
    CString m_unitText;
    LONG m_unitType;
    double m_unitValue;
    double m_unitFactor1;
    double m_unitFactor2;
    LONG m_unitSystem;

private:
    NUTRITION* m_pNutrition;
};
