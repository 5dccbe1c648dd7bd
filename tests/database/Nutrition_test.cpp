#include "database/Nutrition.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {
NUTRITION Profile(float protein, float carbohydrate, float fat)
{
    NUTRITION n;
    n.m_amount[NUTRITION::Protein] = protein;
    n.m_amount[NUTRITION::Carbohydrate] = carbohydrate;
    n.m_amount[NUTRITION::TotalFat] = fat;
    return n;
}
}  // namespace

TEST(Nutrition, CaloriesAndSharesFollowTheAmounts)
{
    NUTRITION n = Profile(10, 20, 5);
    n.Recalculate();
    EXPECT_FLOAT_EQ(165.0f, n.m_calories);
    EXPECT_NEAR(24.2424, n.m_share[NUTRITION::ProteinShare], 1e-4);
    EXPECT_NEAR(48.4848, n.m_share[NUTRITION::CarbohydrateShare], 1e-4);
    EXPECT_NEAR(27.2727, n.m_share[NUTRITION::FatShare], 1e-4);
    EXPECT_FLOAT_EQ(0.0f, n.m_share[NUTRITION::AlcoholShare]);
}

TEST(Nutrition, FixedCaloriesAreKeptAndDivideTheShares)
{
    NUTRITION n = Profile(10, 20, 5);
    n.m_caloriesFixed = 1;
    n.m_calories = 200;
    n.Recalculate();
    EXPECT_FLOAT_EQ(200.0f, n.m_calories);
    EXPECT_FLOAT_EQ(20.0f, n.m_share[NUTRITION::ProteinShare]);
    EXPECT_FLOAT_EQ(22.5f, n.m_share[NUTRITION::FatShare]);

    const float noCalories[] = {0.0f, -0.0f, -5.0f};
    for (float calories : noCalories)
    {
        SCOPED_TRACE(calories);
        n.m_calories = calories;
        n.Recalculate();
        for (float share : n.m_share)
            EXPECT_EQ(0.0f, share);
    }
}

TEST(Nutrition, ClampsDropNegativeHugeAndNaNValues)
{
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const float cases[][2] = {{-1.0f, 0.0f}, {1e12f, 1e12f}, {2e12f, 0.0f}, {nan, 0.0f}, {3.5f, 3.5f}};
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c[0]);
        NUTRITION n;
        n.m_amount[NUTRITION::Sodium] = c[0];
        n.m_unitQuantity = c[0];
        n.Sanitize();
        EXPECT_EQ(c[1], n.m_amount[NUTRITION::Sodium]);
        EXPECT_EQ(c[1], n.m_unitQuantity);
    }

    NUTRITION n;
    n.SetAll(std::nan(""));
    EXPECT_EQ(0.0f, n.m_amount[NUTRITION::Protein]);
    n.SetAll(-3.0);
    EXPECT_EQ(0.0f, n.m_calories);
}

TEST(Nutrition, ScalingIgnoresFactorsThatWouldBreakIt)
{
    NUTRITION n = Profile(10, 20, 5);
    n.Recalculate();
    const NUTRITION before = n;
    n.DivideBy(0.5);
    n.DivideBy(0);
    n.MultiplyBy(0.0);
    n.MultiplyBy(-2.0);
    n.MultiplyBy(std::nan(""));
    EXPECT_TRUE(n == before);

    n.DivideBy(2);
    EXPECT_FLOAT_EQ(5.0f, n.m_amount[NUTRITION::Protein]);
    EXPECT_FLOAT_EQ(82.5f, n.m_calories);
    n.MultiplyBy(3);
    EXPECT_FLOAT_EQ(15.0f, n.m_amount[NUTRITION::Protein]);

    n.m_calories = 1.0f;
    n.MultiplyBy(0);
    EXPECT_FLOAT_EQ(247.5f, n.m_calories);
}

TEST(Nutrition, AddSumsAmountsOnly)
{
    NUTRITION total = Profile(1, 2, 3);
    total.m_caloriesFixed = 1;
    total.m_calories = 50;
    NUTRITION line = Profile(10, 20, 5);
    line.m_unitType = 4;
    total.Add(line);
    EXPECT_FLOAT_EQ(11.0f, total.m_amount[NUTRITION::Protein]);
    EXPECT_FLOAT_EQ(8.0f, total.m_amount[NUTRITION::TotalFat]);
    EXPECT_FLOAT_EQ(50.0f, total.m_calories);
    EXPECT_EQ(0.0f, total.m_unitType);
}

TEST(Nutrition, EqualityCoversEveryStoredField)
{
    NUTRITION a = Profile(1, 2, 3);
    NUTRITION b = a;
    // A copy is recalculated, the source was not.
    EXPECT_FALSE(a == b);
    a.Recalculate();
    EXPECT_TRUE(a == b);
    b.m_amount[NUTRITION::Sugars] = 1;
    EXPECT_TRUE(a != b);
    b = a;
    b.m_caloriesFixed = 1;
    EXPECT_FALSE(a == b);
}
