#include "shell/graphics/NutritionChart.h"

#include <gtest/gtest.h>

#include <cmath>

#include <windows.h>

#include "database/Nutrition.h"
#include "shell/graphics/ChartColour.h"
#include "shell/graphics/PieGraph.h"

#include "support/PixelCanvas.h"

namespace {

constexpr int Width = 320;
constexpr int Height = 240;

// A nutrient profile whose calories come from the four sources in these amounts.
NUTRITION Calories(float protein, float carbohydrate, float alcohol, float fat)
{
    NUTRITION nutrition;
    nutrition.m_amount[NUTRITION::Protein] = protein / 4.0f;
    nutrition.m_amount[NUTRITION::Carbohydrate] = carbohydrate / 4.0f;
    nutrition.m_amount[NUTRITION::Alcohol] = alcohol / 7.0f;
    nutrition.m_amount[NUTRITION::TotalFat] = fat / 9.0f;
    nutrition.Recalculate();
    return nutrition;
}

class NutritionChartTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        parent.CreateEx(0, nullptr, "Recipe", WS_OVERLAPPEDWINDOW, RECT{0, 0, 400, 300}, nullptr, 0);
        chart = std::make_unique<CNutritionChart>(&parent, area);
    }

    // Where the chart's pie lies on the canvas: the engine's own layout for the same window
    // (measured before the chart draws: the engine paints its background).
    void MeasurePie(bool pulledOut)
    {
        double values[2] = {1, 1};
        int flags[2] = {pulledOut ? 1 : 0, 0};
        GraphConfig config{};
        config.hdc = canvas.Dc();
        config.pWindowRect = &area;
        config.pValues = values;
        config.pFlags = flags;
        config.valueCount = 2;
        config.legendPosition = 1;
        CPieGraph probe(&config);
        ASSERT_TRUE(probe.Prepare());
        centre = probe.GetCentre();
        radius = probe.GetRadius();
        aspect = probe.GetAspect();
    }

    POINT OnPie(double degrees, double fraction) const
    {
        double angle = degrees * 3.14159265358979 / 180.0;
        return POINT{static_cast<LONG>(std::lround(centre.x + fraction * radius * std::cos(angle))),
                     static_cast<LONG>(std::lround(centre.y - fraction * radius * aspect * std::sin(angle)))};
    }

    CWnd parent;
    RECT area{0, 0, Width, Height};
    std::unique_ptr<CNutritionChart> chart;
    CPixelCanvas canvas{Width, Height};
    POINT centre{};
    double radius = 0;
    double aspect = 1;
};

TEST_F(NutritionChartTest, DrawsEachShareAsASectorInItsColour)
{
    chart->ShowNutrition(Calories(20, 50, 0, 30));
    ASSERT_EQ(3, chart->GetSliceCount());
    EXPECT_STREQ("Fat", chart->GetSliceLabel(2));
    EXPECT_TRUE(chart->IsPulledOut(0));
    MeasurePie(true);
    chart->DrawChart(canvas.Dc(), area);

    struct Probe
    {
        double degrees;
        int colourIndex;
    };
    const Probe probes[] = {{36, 9}, {100, 10}, {162, 10}, {230, 10}, {280, 12}, {330, 12}};
    for (const Probe& probe : probes)
    {
        SCOPED_TRACE(testing::Message() << probe.degrees << " degrees");
        EXPECT_EQ(GetChartColour(probe.colourIndex), canvas.At(OnPie(probe.degrees, 0.5)));
    }
    EXPECT_EQ(GetChartColour(15), canvas.At(POINT{2, Height - 2}));
}

TEST_F(NutritionChartTest, ASingleShareIsAFullDisc)
{
    chart->ShowNutrition(Calories(100, 0, 0, 0));
    MeasurePie(false);
    chart->DrawChart(canvas.Dc(), area);
    for (double degrees : {10.0, 100.0, 190.0, 280.0})
    {
        SCOPED_TRACE(testing::Message() << degrees << " degrees");
        EXPECT_EQ(GetChartColour(9), canvas.At(OnPie(degrees, 0.5)));
    }
}

TEST_F(NutritionChartTest, WithoutSharesShowsNoPie)
{
    chart->ShowNutrition(Calories(0, 0, 0, 0));
    EXPECT_EQ(0, chart->GetSliceCount());
    MeasurePie(false);
    chart->DrawChart(canvas.Dc(), area);
    EXPECT_EQ(GetChartColour(15), canvas.At(centre));
}

TEST(PieGraph, RefusesNoSectorsOrMoreThanTenAndNegativeValues)
{
    CPixelCanvas canvas(Width, Height);
    RECT area{0, 0, Width, Height};
    double values[11] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11};
    double negative[2] = {5, -1};
    struct Case
    {
        const double* values;
        int count;
        const char* error;
    };
    const Case cases[] = {
        {values, 0, "Too Many/Too Few Pie Sectors!"}, {values, 11, "Too Many/Too Few Pie Sectors!"}, {negative, 2, ""}};
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.count);
        GraphConfig config{};
        config.hdc = canvas.Dc();
        config.pWindowRect = &area;
        config.pValues = c.values;
        config.valueCount = c.count;
        CPieGraph pie(&config);
        pie.Prepare();
        EXPECT_FALSE(pie.CheckData());
        EXPECT_EQ(CString(c.error), pie.GetError());
    }
}

TEST(PieGraph, ReportsAMissingDeviceContextWithoutABox)
{
    GraphConfig config{};
    EXPECT_EQ(CString("Error--HDC Invalid or Not Set!"), DrawPieGraph(config));
}

}  // namespace
