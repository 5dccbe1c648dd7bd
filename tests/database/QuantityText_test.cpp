#include "database/QuantityText.h"

#include <gtest/gtest.h>

#include <string>

TEST(QuantityText, FractionsDownToSixteenths)
{
    struct Case
    {
        double value;
        bool round;
        const char* expected;
    };
    const Case cases[] = {
        {1.5, false, "1 1/2"},     {0.75, false, "3/4"},    {2.97, false, "3"},     {0.02, false, "0"},
        {0.3, false, "1/4"},       {0.0625, false, "1/16"}, {0.125, false, "1/8"},  {0.333, false, "1/3"},
        {0.375, false, "3/8"},     {0.625, false, "5/8"},   {0.6667, false, "2/3"}, {0.875, false, "7/8"},
        {2.0625, false, "2 1/16"}, {0.96, false, "1"},      {0.0, false, "0"},      {25.25, true, "25"},
        {25.6, true, "26"},        {2.25, true, "2 1/4"},   {3e9, false, "0"},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.value);
        EXPECT_STREQ(c.expected, FormatFraction(c.value, c.round));
    }
}

TEST(QuantityText, FractionTextsAreIndependentValues)
{
    CString both = FormatFraction(0.5, false) + "|" + FormatFraction(0.25, false);
    EXPECT_STREQ("1/2|1/4", both);
}

TEST(QuantityText, RoundingAndSnappingAtTheEdges)
{
    EXPECT_EQ(2.0, RoundHalfUp(2.5));
    EXPECT_EQ(3.0, RoundHalfUp(2.51));
    EXPECT_EQ(0.0, RoundHalfUp(0.4));

    const double snaps[][2] = {{0.995, 1.0}, {0.98, 0.98}, {2.0, 2.0}, {4.991, 5.0}};
    for (const auto& snap : snaps)
    {
        SCOPED_TRACE(snap[0]);
        double value = snap[0];
        SnapQuantityUp(value);
        EXPECT_DOUBLE_EQ(snap[1], value);
    }
}

TEST(QuantityText, RangesInBothNumberStyles)
{
    struct Case
    {
        int style;
        double low;
        double high;
        const char* expected;
    };
    const Case cases[] = {
        {0, 1, 2, "1 to 2"},         {0, 2, 2, "2"},
        {0, 0.999, 0.999, "1"},      {0, 0, 0, ""},
        {0, 1, 1.0005, "1"},         {0, 0.5, 1.75, "1/2 to 1 3/4"},
        {1, 2.1134, 2.1134, "2.11"}, {1, 0.25, 1.5, "0.25 to 1.5"},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.expected);
        char out[40];
        FormatQuantityRange(out, sizeof out, c.style, c.low, c.high, false);
        EXPECT_STREQ(c.expected, out);
    }
}

TEST(QuantityText, RangeTextIsCutToTheBuffer)
{
    char out[4];
    FormatQuantityRange(out, sizeof out, 0, 1, 2, false);
    EXPECT_STREQ("1 t", out);
}

TEST(QuantityText, ParsesMixedNumbersFractionsAndRanges)
{
    struct Case
    {
        const char* text;
        double low;
        double high;
    };
    const Case cases[] = {
        {"1 1/2", 1.5, 1.5}, {"3/4", 0.75, 0.75},    {"2 1/0", 2, 2}, {"some", 0, 0},         {"2.5", 2.5, 2.5},
        {"1 to 2", 1, 2},    {"1 1/2 TO 2", 1.5, 2}, {"5-3", 5, 5},   {"1/2-3/4", 0.5, 0.75},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.text);
        double low = -1;
        double high = -1;
        EXPECT_EQ(1, ParseQuantityRange(c.text, low, high));
        EXPECT_DOUBLE_EQ(c.low, low);
        EXPECT_DOUBLE_EQ(c.high, high);
    }
}

TEST(QuantityText, PluralOfUnitsAndNames)
{
    struct Case
    {
        const char* word;
        double quantity;
        const char* ending;
        int force;
        const char* expected;
    };
    const Case cases[] = {
        {"cup", 2, "s", 0, "cups"},   {"cup", 1, "s", 0, "cup"},          {"cup", 1.0312, "s", 0, "cup"},
        {"cup", 1, "s", 1, "cups"},   {"berry", 3, "-ies", 0, "berries"}, {"egg ", 2, " ", 0, "egg "},
        {"egg ", 2, "s ", 0, "eggs"}, {"egg ", 1, "s", 0, "egg"},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.expected);
        EXPECT_STREQ(c.expected, PluralizeUnit(c.word, c.quantity, c.ending, c.force));
    }
}
