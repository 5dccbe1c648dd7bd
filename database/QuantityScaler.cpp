#include "database/QuantityScaler.h"

#include "database/IngData.h"
#include "database/QuantityText.h"

#include <cstdio>

namespace {
struct UnitRow
{
    int system;
    int type;
    const char* name;
    const char* suffix;
    double threshold;  // from this many base units on, the next larger row is taken
    double size;       // millilitres for volumes, grams for weights
};

// Dry measures (type 2) are stored in cups, as the unit table of a cookbook holds them: they
// reach millilitres at 236.58823 a cup, liquids and spoons at 29.57353 a fluid ounce.
// Systems: 0 US, 1 metric, 2 imperial. Each group of one system and type runs from the
// largest unit down to the smallest. Some thresholds are shared or 0, so a few rows are
// never chosen (the US pint, the fluid ounce); the display has always worked that way.
const UnitRow kUnitRows[] = {
    {1, 2, "kiloliter", "s", 0, 1000000},
    {1, 2, "liter", "s", 1000001, 1000},
    {1, 2, "milliliter", "s", 1001, 1},
    {1, 1, "kiloliter", "s", 0, 1000000},
    {1, 1, "liter", "s", 1000001, 1000},
    {1, 1, "milliliter", "s", 1001, 1},
    {1, 4, "kilogram", "s", 0, 1000},
    {1, 4, "gram", "s", 1001, 1},
    {0, 2, "quart", "s", 9450, 946.35294},
    {0, 2, "pint", "s", 3785, 473.17647},
    {0, 2, "cup", "s", 3785, 236.58823},
    {0, 2, "tablespoon", "s", 59, 14.78676},
    {0, 2, "teaspoon", "s", 15, 4.92892},
    {0, 2, "dash", "es", 1.23, 1},
    {0, 1, "gallon", "s", 0, 3785.41176},
    {0, 1, "quart", "s", 9450, 946.35294},
    {0, 1, "pint", "s", 3785, 473.17647},
    {0, 1, "cup", "s", 3785, 236.58823},
    {0, 1, "ounce", "s", 0, 29.57353},
    {0, 1, "tablespoon", "s", 59, 14.78676},
    {0, 1, "teaspoon", "s", 15, 4.92892},
    {0, 4, "pound", "s", 0, 453.592},
    {0, 4, "ounce", "s", 453, 28.3495},
    {0, 4, "grain", "s", 5, 0.0647989},
    {2, 2, "quart", "s", 0, 1136.522},
    {2, 2, "pint", "s", 4546, 568.261},
    {2, 2, "cup", "s", 4546, 284.125},
    {2, 2, "ounce", "s", 284, 28.4125},
    {2, 2, "tablespoon", "s", 28, 14.206},
    {2, 2, "teaspoon", "s", 14, 4.7354},
    {2, 1, "gallon", "s", 0, 4546.09},
    {2, 1, "quart", "s", 9092, 1136.522},
    {2, 1, "pint", "s", 4546, 568.261},
    {2, 1, "cup", "s", 4546, 284.131},
    {2, 1, "ounce", "s", 0, 28.4125},
    {2, 1, "tablespoon", "s", 28, 11.364},
    {2, 1, "teaspoon", "s", 14, 4.7354},
    {2, 4, "pound", "s", 0, 453.592},
    {2, 4, "ounce", "s", 453, 28.3495},
    {2, 4, "grain", "s", 5, 0.0647989},
    {4, 5, "end", "", 0, 0},
};
const int kUnitRowCount = sizeof kUnitRows / sizeof kUnitRows[0];

const int kLiquidOrDry = 3;
const int kLiquid = 1;

bool IsMeasured(int unitType)
{
    return unitType >= 1 && unitType <= 4;
}

// The rows [first, end) of one system and unit type; first == end when there are none.
void FindUnitGroup(int system, int unitType, int& first, int& end)
{
    first = 0;
    while (first < kUnitRowCount && (kUnitRows[first].system != system || kUnitRows[first].type != unitType))
        ++first;
    end = first;
    while (end < kUnitRowCount && kUnitRows[end].type == unitType)
        ++end;
}

void CopyText(char* out, int size, const char* text)
{
    snprintf(out, size, "%s", text);
}
}  // namespace

CQuantityScaler::CQuantityScaler(int units, int numberStyle, int scaleRanging, int seasoningPercent)
    : m_units(units), m_numberStyle(numberStyle), m_scaleRanging(scaleRanging),
      m_seasoningRatio(seasoningPercent * 0.01)
{
    m_quantityText[0] = m_unitText[0] = m_ingredientText[0] = '\0';
}

void CQuantityScaler::Load(const CIngData& line, double multiplier)
{
    CopyLine(line);
    m_multiplier = multiplier;
    Compute();
}

void CQuantityScaler::CopyLine(const CIngData& line)
{
    m_quantityText[0] = m_unitText[0] = m_ingredientText[0] = '\0';
    m_unitSystem = line.m_unitSystem;
    m_unitType = line.m_unitType == kLiquidOrDry ? kLiquid : line.m_unitType;
    m_unitFactor = line.m_unitFactor1;
    m_low = line.m_minQty;
    m_high = line.m_maxQty;
    // A single quantity may be stored in either end; the other end takes its value, so
    // that it is neither shown as "0 to 2" nor converted as nothing.
    if (m_high < m_low)
        m_high = m_low;
    if (m_low == 0.0)
        m_low = m_high;
    CopyText(m_unitText, sizeof m_unitText, line.m_unitText);
    m_name = line.m_name;
    m_plural = line.m_plural;
    m_seasoning = line.m_seasoning;
}

// Small units show whole numbers, except an amount under half of one: it keeps its own value
// rather than show no number at all.
double CQuantityScaler::RoundToWholeUnits(double value)
{
    const double rounded = RoundHalfUp(value);
    return rounded == 0.0 ? value : rounded;
}

void CQuantityScaler::Compute()
{
    if (m_multiplier == 0.0 || (m_low == 0.0 && m_high == 0.0) || m_unitType < 0 || m_unitType > 5)
    {
        FormIngredientText();
        return;
    }
    if (m_unitSystem < 0 || m_unitSystem > 2)
        m_unitSystem = 0;
    bool measured = IsMeasured(m_unitType);
    if (measured)
    {
        m_low *= m_unitFactor;
        m_high *= m_unitFactor;
        ScaleToMetricByUnitType(m_low, m_high, m_unitType);
    }
    Scale();
    bool converted = measured && ConvertToBestUnit();
    FormatResult(converted);
}

double CQuantityScaler::DampedMultiplier() const
{
    double m = m_multiplier;
    if (!m_seasoning)
        return m;
    if (m >= 1.0 && m <= 2.0)
        m = (m - 1.0) * (m_seasoningRatio - 1.0) + 1.0;
    if (m > 2.0)
        m = m_seasoningRatio * 0.5 * m;
    return m;
}

void CQuantityScaler::Scale()
{
    double m = DampedMultiplier();
    if (m < 1.0 || !m_scaleRanging || m_low == m_high)
    {
        m_low *= m;
        m_high *= m;
        return;
    }
    double half = (m_high - m_low) / 2.0;
    double centre = (m_low + m_high) * m / 2.0;
    m_low = centre - half;
    m_high = centre + half;
}

bool CQuantityScaler::ConvertToBestUnit()
{
    int first = 0;
    int end = 0;
    FindUnitGroup(m_unitSystem, m_unitType, first, end);
    if (first == end)
        return false;
    int row = end - 1;
    while (row > first && m_low >= kUnitRows[row].threshold)
        --row;
    const UnitRow& unit = kUnitRows[row];
    m_unitSuffix = unit.suffix;
    m_low /= unit.size;
    m_high /= unit.size;
    if (unit.size < 4.0)
    {
        m_low = RoundToWholeUnits(m_low);
        m_high = RoundToWholeUnits(m_high);
    }
    CopyText(m_unitText, sizeof m_unitText, unit.name);
    return true;
}

void CQuantityScaler::FormatResult(bool converted)
{
    FormatQuantityRange(m_quantityText, sizeof m_quantityText, m_numberStyle, m_low, m_high, true);
    bool plural = (m_numberStyle == 0 && m_high > 1.0312) || (m_numberStyle == 1 && m_high > 1.0);
    if (converted && plural)
    {
        CString unit = CString(m_unitText) + m_unitSuffix;
        CopyText(m_unitText, sizeof m_unitText, unit);
    }
    FormIngredientText();
}

void CQuantityScaler::FormIngredientText()
{
    CString text = PluralizeUnit(m_name, m_high, m_plural, m_unitType);
    CopyText(m_ingredientText, sizeof m_ingredientText, text);
}
