#include "shell/graphics/NutritionChart.h"

#include <cstring>

#include <windows.h>

#include "database/Nutrition.h"
#include "framework/MessageMap.h"
#include "framework/PaintDC.h"
#include "shell/graphics/ChartColour.h"
#include "shell/graphics/PieGraph.h"

namespace {

struct SliceKind
{
    NUTRITION::Share share;
    LPCSTR label;
    int colourIndex;
};

constexpr SliceKind SliceKinds[] = {
    {NUTRITION::ProteinShare, "Protein", 9},
    {NUTRITION::CarbohydrateShare, "Carbo", 10},
    {NUTRITION::AlcoholShare, "Alcohol", 7},
    {NUTRITION::FatShare, "Fat", 12},
};

constexpr int TextColourIndex = 6;
constexpr int BackColourIndex = 15;

}  // namespace

BEGIN_MESSAGE_MAP(CNutritionChart, CWnd)
    ON_WM_PAINT()
END_MESSAGE_MAP()

CNutritionChart::CNutritionChart(CWnd* pParent, const RECT& rect)
    : m_textColour(GetChartColour(TextColourIndex)), m_backColour(GetChartColour(BackColourIndex))
{
    Create(nullptr, "", WS_CHILD | WS_VISIBLE, rect, pParent, 0);
}

CNutritionChart::~CNutritionChart() = default;

void CNutritionChart::ShowNutrition(const NUTRITION& nutrition)
{
    if (m_nutrition)
        *m_nutrition = nutrition;
    else
        m_nutrition = std::make_unique<NUTRITION>(nutrition);
    BuildSlices();
    if (m_hWnd)
    {
        Invalidate(FALSE);
        UpdateWindow();
    }
}

void CNutritionChart::BuildSlices()
{
    m_sliceCount = 0;
    for (const SliceKind& kind : SliceKinds)
    {
        double value = m_nutrition->m_share[kind.share];
        if (value <= 0)
            continue;
        m_values[m_sliceCount] = value;
        m_exploded[m_sliceCount] = 0;
        m_colours[m_sliceCount] = GetChartColour(kind.colourIndex);
        m_labels[m_sliceCount] = kind.label;
        ++m_sliceCount;
    }
    int smallest = 0;
    for (int slice = 1; slice < m_sliceCount; ++slice)
        if (m_values[slice] < 100.0 && m_values[slice] < m_values[smallest])
            smallest = slice;
    if (m_sliceCount > 0)
        m_exploded[smallest] = 1;
}

void CNutritionChart::DrawChart(HDC hdc, const RECT& area) const
{
    COLORREF colours[GraphConfig::MaxSeries]{};
    std::memcpy(colours, m_colours, sizeof m_colours);
    GraphConfig config{};
    config.hdc = hdc;
    config.pWindowRect = &area;
    config.pValues = m_values;
    config.pFlags = m_exploded;
    config.valueCount = m_sliceCount;
    config.frameColour = m_textColour;
    config.backColour = m_backColour;
    config.pDataColours = colours;
    for (int slice = 0; slice < m_sliceCount; ++slice)
        config.legendLabels[slice] = m_labels[slice];
    config.legendPosition = 1;
    config.labels = 1;
    config.shadeShift = 2;
    config.titles[0] = "";
    if (m_sliceCount > 0)
    {
        DrawPieGraph(config);
        return;
    }
    config.titles[0] = "Nutrition Unavailable";
    CPieGraph pie(&config);
    pie.Prepare();
    pie.DrawTitles();
    pie.Finish();
}

void CNutritionChart::OnPaint()
{
    CPaintDC dc(this);
    RECT client;
    GetClientRect(&client);
    DrawChart(dc.m_hDC, client);
}
