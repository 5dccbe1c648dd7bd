#pragma once

#include "framework/String.h"

class CIngData;

// Turns one ingredient line into its display texts: the quantity scaled to other servings
// and converted to the best-fitting unit of its measuring system, the unit and the
// ingredient name. Callers keep one on the stack per line.
class CQuantityScaler
{
public:
    // numberStyle 0 writes fractions, 1 decimals; scaleRanging keeps a range's width when
    // scaling up; seasoningPercent damps the scaling of seasonings (150 = half as much again).
    CQuantityScaler(int units, int numberStyle, int scaleRanging, int seasoningPercent);

    // multiplier = new servings / old servings; 0 leaves the quantity empty.
    void Load(const CIngData& line, double multiplier);
    // The same for the ingredient line an item holds (a shopping item), without this layer
    // knowing the item's class.
    template <class Item>
    void LoadItem(const Item& item, double multiplier)
    {
        Load(item.GetLine(), multiplier);
    }

    const char* GetQuantityText() const { return m_quantityText; }
    const char* GetUnitText() const { return m_unitText; }
    const char* GetIngredientText() const { return m_ingredientText; }

private:
    void CopyLine(const CIngData& line);
    void Compute();
    double DampedMultiplier() const;
    void Scale();
    // Converts low and high to the unit of the table that suits low, names it in the unit
    // text; false when the table has no unit for the line's system and type.
    bool ConvertToBestUnit();
    static double RoundToWholeUnits(double value);
    void FormatResult(bool converted);
    void FormIngredientText();

    int m_units;
    int m_unitSystem = 0;
    int m_unitType = 0;
    int m_numberStyle;
    int m_scaleRanging;
    double m_seasoningRatio;
    double m_unitFactor = 0.0;
    double m_low = 0.0;
    double m_high = 0.0;
    double m_multiplier = 0.0;
    char m_quantityText[40];
    char m_unitText[41];
    char m_ingredientText[77];
    CString m_name;
    CString m_plural;
    const char* m_unitSuffix = "";
    int m_seasoning = 0;
};
