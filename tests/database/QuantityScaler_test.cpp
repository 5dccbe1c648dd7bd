#include "database/QuantityScaler.h"

#include "database/IngData.h"
#include "database/QuantityText.h"

#include <gtest/gtest.h>

namespace {
CIngData Line(int system, int unitType, double factor, double low, double high = 0)
{
    CIngData line;
    line.m_unitSystem = system;
    line.m_unitType = unitType;
    line.m_unitFactor1 = factor;
    line.m_minQty = low;
    line.m_maxQty = high ? high : low;
    line.m_unitText = "each";
    line.m_name = "onion";
    line.m_plural = "s";
    return line;
}

struct Shown
{
    CString quantity;
    CString unit;
    CString ingredient;
};

Shown Show(const CIngData& line, double multiplier, int numberStyle = 0, int scaleRanging = 1)
{
    CQuantityScaler scaler(3, numberStyle, scaleRanging, 150);
    scaler.Load(line, multiplier);
    return {scaler.GetQuantityText(), scaler.GetUnitText(), scaler.GetIngredientText()};
}

const double kGram = 1 / kGramsPerOunce;
const double kImperialPint = 568.261 / kMillilitresPerFluidOunce;
}  // namespace

TEST(QuantityScaler, ScalesRangesUpAndDown)
{
    struct Case
    {
        double multiplier;
        int scaleRanging;
        const char* expected;
    };
    const Case cases[] = {
        {2, 1, "5 to 7"},   {2, 0, "4 to 8"},           {0.5, 1, "1 to 2"},
        {0.5, 0, "1 to 2"}, {1.5, 1, "3 1/2 to 5 1/2"}, {1, 1, "2 to 4"},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.expected);
        EXPECT_STREQ(c.expected, Show(Line(0, 0, 1, 2, 4), c.multiplier, 0, c.scaleRanging).quantity);
    }
}

TEST(QuantityScaler, ConvertsToTheBestUnitOfEachSystem)
{
    struct Case
    {
        const char* what;
        CIngData line;
        const char* quantity;
        const char* unit;
    };
    const Case cases[] = {
        {"US dry cups", Line(0, 2, 1.0, 2.1134), "2 1/8", "cups"},
        {"US dry quarter cup", Line(0, 2, 1.0, 0.25), "1/4", "cup"},
        {"US dry eighth cup", Line(0, 2, 1.0, 0.125), "2", "tablespoons"},
        {"spoons measure liquid or dry", Line(0, 3, 0.5, 3), "3", "tablespoons"},
        {"sixteen spoons make a cup", Line(0, 3, 0.5, 16), "1", "cup"},
        {"US ounces to pounds", Line(0, 4, 1.0, 20), "1 1/4", "pounds"},
        {"metric grams to kilograms", Line(1, 4, kGram, 2000), "2", "kilograms"},
        {"metric grams stay whole", Line(1, 4, kGram, 999.4), "999", "grams"},
        {"metric millilitres", Line(1, 1, 1 / kMillilitresPerFluidOunce, 250.4), "250", "milliliters"},
        {"under half a gram keeps its number", Line(1, 4, kGram, 0.4), "3/8", "gram"},
        {"half a gram keeps its number", Line(1, 4, kGram, 0.5), "1/2", "gram"},
        {"under half a millilitre keeps its number", Line(1, 1, 1 / kMillilitresPerFluidOunce, 0.3), "1/4",
         "milliliter"},
        {"imperial pints to cups", Line(2, 1, kImperialPint, 2), "4", "cups"},
        {"unknown system reads as US", Line(7, 4, 1.0, 20), "1 1/4", "pounds"},
        {"counted items keep their unit", Line(0, 0, 1.0, 3), "3", "each"},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.what);
        Shown shown = Show(c.line, 1.0);
        EXPECT_STREQ(c.quantity, shown.quantity);
        EXPECT_STREQ(c.unit, shown.unit);
    }
}

TEST(QuantityScaler, DecimalStyle)
{
    Shown shown = Show(Line(0, 2, 1.0, 2.1134), 1.0, 1);
    EXPECT_STREQ("2.11", shown.quantity);
    EXPECT_STREQ("cups", shown.unit);
}

TEST(QuantityScaler, SeasoningsGrowMoreSlowly)
{
    CIngData salt = Line(0, 0, 1.0, 2);
    salt.m_seasoning = 1;
    EXPECT_STREQ("3", Show(salt, 2).quantity);
    EXPECT_STREQ("6", Show(salt, 4).quantity);
    EXPECT_STREQ("1", Show(salt, 0.5).quantity);
}

TEST(QuantityScaler, IngredientNamesFollowTheQuantity)
{
    EXPECT_STREQ("onion", Show(Line(0, 0, 1.0, 1), 1).ingredient);
    EXPECT_STREQ("onions", Show(Line(0, 0, 1.0, 1), 2).ingredient);
    // A measured ingredient reads as a mass noun: "1 cup onions".
    EXPECT_STREQ("onions", Show(Line(0, 3, 8.0, 1), 1).ingredient);
}

TEST(QuantityScaler, NothingToScaleLeavesTheQuantityEmpty)
{
    const Shown cases[] = {Show(Line(0, 2, 1.0, 2), 0), Show(Line(0, 9, 1.0, 2), 1), Show(Line(0, 2, 1.0, 0), 1)};
    for (const Shown& shown : cases)
    {
        EXPECT_STREQ("", shown.quantity);
        EXPECT_STREQ("each", shown.unit);
        EXPECT_STREQ("onions", shown.ingredient);
    }
}

TEST(QuantityScaler, SingleQuantityInEitherEnd)
{
    CIngData highOnly = Line(0, 0, 1.0, 0, 2);
    EXPECT_STREQ("2", Show(highOnly, 1).quantity);
    CIngData lowOnly = Line(0, 2, 1.0, 2);
    lowOnly.m_maxQty = 0;
    Shown shown = Show(lowOnly, 1);
    EXPECT_STREQ("2", shown.quantity);
    EXPECT_STREQ("cups", shown.unit);
}
