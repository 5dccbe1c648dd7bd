#include "shell/graphics/zGraph.h"

#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <string>

#include <windows.h>

#include "shell/graphics/PieGraph.h"

#include "support/PixelCanvas.h"

namespace {

constexpr int Width = 320;
constexpr int Height = 240;
constexpr COLORREF Back = RGB(255, 255, 255);
constexpr COLORREF Top = RGB(200, 40, 40);
constexpr COLORREF Front = RGB(40, 160, 60);
// The sides of 3-D shapes with a shade shift of 1: each component halved.
constexpr COLORREF ShadedTop = RGB(100, 20, 20);
constexpr COLORREF ShadedFront = RGB(20, 80, 30);
// The last of the 64 steps of a graded white background.
constexpr COLORREF GradedEnd = RGB(3, 3, 3);

// Where a drawing option shows on a pie of two halves: the top one in Top, the front one in
// Front, the legend beside it.
enum class Place
{
    TopSector,
    JustBelowTheFrontRim,
    LegendBoxSide,
    WindowTopLeft,
    WindowBottomRight
};

RECT ProbeOf(const CPieGraph& pie, Place place)
{
    POINT centre = pie.GetCentre();
    double height = pie.GetRadius() * pie.GetAspect();
    switch (place)
    {
    case Place::TopSector:
    {
        LONG y = std::lround(centre.y - 0.5 * height);
        return RECT{centre.x - 4, y - 4, centre.x + 4, y + 4};
    }
    case Place::JustBelowTheFrontRim:
    {
        LONG y = std::lround(centre.y + 1.1 * height);
        return RECT{centre.x, y, centre.x + 1, y + 1};
    }
    case Place::LegendBoxSide:
    {
        RECT box = pie.GetLegendBox(0);
        LONG depth = (box.right - box.left) / 4;
        LONG y = (box.top + box.bottom) / 2 - depth / 2;
        return RECT{box.right + depth / 2, y, box.right + depth / 2 + 1, y + 1};
    }
    case Place::WindowTopLeft: return RECT{0, 0, 2, 2};
    case Place::WindowBottomRight: return RECT{Width - 2, Height - 2, Width, Height};
    }
    return RECT{};
}

std::set<COLORREF> ColoursIn(const CPixelCanvas& canvas, const RECT& probe)
{
    std::set<COLORREF> colours;
    for (LONG y = probe.top; y < probe.bottom; ++y)
        for (LONG x = probe.left; x < probe.right; ++x)
            colours.insert(canvas.At(POINT{x, y}));
    return colours;
}

TEST(ChartDrawing, EachOptionShowsWhereItBelongs)
{
    struct Case
    {
        const char* name;
        int brushKind;
        int threeD;
        int graded;
        Place place;
        std::set<COLORREF> expected;
    };
    const Case cases[] = {
        {"solid brush", 0, 0, 0, Place::TopSector, {Top}},
        {"hatched brush", 1, 0, 0, Place::TopSector, {Top, Back}},
        {"patterned brush", 2, 0, 0, Place::TopSector, {Top, Back}},
        {"graded background starts at the background colour", 0, 0, 1, Place::WindowTopLeft, {Back}},
        {"graded background ends near black", 0, 0, 1, Place::WindowBottomRight, {GradedEnd}},
        {"plain background", 0, 0, 0, Place::WindowBottomRight, {Back}},
        {"3-D legend box has a shaded side", 0, 1, 0, Place::LegendBoxSide, {ShadedTop}},
        {"flat legend box has none", 0, 0, 0, Place::LegendBoxSide, {Back}},
        {"tilted pie shows its front wall", 0, 1, 0, Place::JustBelowTheFrontRim, {ShadedFront}},
        {"flat pie has no wall", 0, 0, 0, Place::JustBelowTheFrontRim, {Back}},
    };
    const double values[] = {1, 1};
    const COLORREF colours[GraphConfig::MaxSeries] = {Top, Front};
    const RECT area{0, 0, Width, Height};
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        CPixelCanvas canvas(Width, Height);
        GraphConfig config{};
        config.hdc = canvas.Dc();
        config.pWindowRect = &area;
        config.pValues = values;
        config.valueCount = 2;
        config.backColour = Back;
        config.pDataColours = colours;
        config.legendPosition = 1;
        config.shadeShift = 1;
        config.brushKind = c.brushKind;
        config.threeD = c.threeD;
        config.gradedBackground = c.graded;
        CPieGraph pie(&config);
        pie.Draw();
        EXPECT_EQ(c.expected, ColoursIn(canvas, ProbeOf(pie, c.place)));
    }
}

// Records which of the axis steps the engine's dispatch chose.
class CStepRecorder : public zGraph
{
public:
    using zGraph::zGraph;
    void DrawGrid() override { m_steps += "grid"; }
    void DrawAxes() override { m_steps += "axes"; }
    std::string m_steps;
};

TEST(ChartDrawing, GridOrAxesByTheThreeDimensionalFlag)
{
    for (int threeD : {0, 1})
    {
        SCOPED_TRACE(threeD);
        GraphConfig config{};
        config.threeD = threeD;
        CStepRecorder chart(&config);
        chart.DrawGridOrAxes();
        EXPECT_EQ(threeD ? "axes" : "grid", chart.m_steps);
    }
}

TEST(ChartDrawing, PlotFrameOutlinesThePlotInTheFrameColour)
{
    constexpr COLORREF FrameColour = RGB(0, 0, 160);
    CPixelCanvas canvas(Width, Height);
    const RECT area{0, 0, Width, Height};
    GraphConfig config{};
    config.hdc = canvas.Dc();
    config.pWindowRect = &area;
    config.backColour = Back;
    config.frameColour = FrameColour;
    const COLORREF colours[GraphConfig::MaxSeries] = {Top};
    config.pDataColours = colours;
    zGraph chart(&config);
    ASSERT_TRUE(chart.Prepare());
    chart.DrawPlotFrame();
    const RECT plot = chart.GetPlotRect();
    LONG middleY = (plot.top + plot.bottom) / 2;
    EXPECT_EQ(FrameColour, canvas.At(POINT{plot.left, middleY}));
    EXPECT_EQ(FrameColour, canvas.At(POINT{plot.right - 1, middleY}));
    EXPECT_EQ(Back, canvas.At(POINT{(plot.left + plot.right) / 2, middleY}));
}

}  // namespace
