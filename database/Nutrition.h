#pragma once

#include "framework/Object.h"

class CArchive;
class CPortRecordset;

// Nutrient profile of an ingredient, an ingredient line, a recipe (per serving), a meal
// plan (per day) and a recipe list entry. Calories and the shares of calories are always
// derived from the amounts, unless the calorie value is fixed.
class NUTRITION : public CObject
{
    DECLARE_DYNAMIC(NUTRITION)
public:
    // The amounts, in the order of the record and of the archived image.
    enum Amount
    {
        Alcohol,
        Protein,
        Carbohydrate,
        TotalFat,
        SaturatedFat,
        Cholesterol,
        Sodium,
        Iron,
        VitaminC,
        VitaminA,
        Fibre,
        Calcium,
        Sugars,
        AmountCount
    };
    enum Share
    {
        ProteinShare,
        CarbohydrateShare,
        AlcoholShare,
        FatShare,
        ShareCount
    };

    NUTRITION();
    NUTRITION(const NUTRITION& other);
    NUTRITION& operator=(const NUTRITION& other);

    void Copy(const NUTRITION& other);
    BOOL Compare(const NUTRITION& other) const;
    bool operator==(const NUTRITION& other) const { return Compare(other) != FALSE; }
    bool operator!=(const NUTRITION& other) const { return !Compare(other); }

    void Sanitize();
    void Recalculate();
    void SetAll(double value);
    void Add(const NUTRITION& other);
    void DivideBy(double divisor);
    void DivideBy(int divisor);
    void MultiplyBy(double factor);
    void MultiplyBy(int factor);

    // Reads the amounts, the calories-fixed flag, the unit fields and the calories from
    // the recordset's current row (the calories matter only when fixed); a column that the
    // row lacks leaves its field as it was.
    void ReadFromRecordset(CPortRecordset& recordset);

    // The 88-byte image that recipe list entries archive: the object header word (written
    // as 0, skipped on reading) and every field in declaration order.
    void WriteImage(CArchive& ar) const;
    void ReadImage(CArchive& ar);

    float m_calories;
    float m_share[ShareCount];
    float m_amount[AmountCount];
    LONG m_caloriesFixed;
    float m_unitType;
    float m_unitQuantity;
};
