#include "shell/graphics/PieGraph.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>

#include <windows.h>

#include "framework/SelectedObject.h"

namespace {

constexpr double FullTurn = 6.283185307;
constexpr double HalfTurn = FullTurn / 2;
constexpr double TiltedAspect = 0.6;
constexpr double WallHeight = 0.5;
constexpr double Degree = 0.017453292519444445;
constexpr double PulledOutShrink = 0.9;
constexpr double PullOut = 0.1;
constexpr double LeaderStart = 0.75;
constexpr double LeaderEnd = 1.15;
constexpr double PulledOutLeaderEnd = 1.2777;

}  // namespace

CPieGraph::CPieGraph(const GraphConfig* pConfig) : zGraph(pConfig) {}

// A single value is a whole disc, not an error: the chart of a recipe whose calories come
// from one source only must still draw.
bool CPieGraph::CheckData()
{
    if (m_config.valueCount < 1 || m_config.valueCount > GraphConfig::MaxSeries || !m_config.pValues)
        return Fail("Too Many/Too Few Pie Sectors!");
    double total = 0;
    for (int i = 0; i < m_config.valueCount; ++i)
    {
        if (m_config.pValues[i] < 0)
            return false;
        total += m_config.pValues[i];
    }
    return total > 0;
}

void CPieGraph::Draw()
{
    if (!Prepare() || !CheckData())
        return;
    DrawData();
    DrawLegend();
    DrawTitles();
    Finish();
}

bool CPieGraph::IsPulledOut(int sector) const
{
    return m_config.pFlags && m_config.pFlags[sector] == 1 && m_config.valueCount > 1;
}

bool CPieGraph::Prepare()
{
    if (!zGraph::Prepare())
        return false;
    m_sums.assign(1, 0.0);
    for (int i = 0; i < m_config.valueCount && m_config.pValues; ++i)
        m_sums.push_back(m_sums.back() + m_config.pValues[i]);
    m_centre = {(m_plot.left + m_plot.right) / 2, (m_plot.top + m_plot.bottom) / 2};
    m_radius = std::min(m_plot.right - m_plot.left, m_plot.bottom - m_plot.top) / 2.0;
    m_anyPulledOut = false;
    for (int i = 0; i < m_config.valueCount; ++i)
        m_anyPulledOut = m_anyPulledOut || IsPulledOut(i);
    if (m_anyPulledOut)
        m_radius *= PulledOutShrink;
    double perInchX = ::GetDeviceCaps(m_config.hdc, LOGPIXELSX);
    double perInchY = ::GetDeviceCaps(m_config.hdc, LOGPIXELSY);
    m_aspect = perInchY > 0 ? perInchX / perInchY : 1.0;
    if (m_config.threeD)
        m_aspect *= TiltedAspect;
    return true;
}

double CPieGraph::StartAngle(int sector) const
{
    return m_sums[sector] / m_sums.back() * FullTurn;
}

double CPieGraph::EndAngle(int sector) const
{
    return m_sums[sector + 1] / m_sums.back() * FullTurn;
}

std::vector<int> CPieGraph::BackToFrontOrder() const
{
    std::vector<std::pair<double, int>> keys;
    for (int i = 0; i < m_config.valueCount; ++i)
    {
        double key = std::min(std::fabs(std::sin(StartAngle(i)) + 1), std::fabs(std::sin(EndAngle(i)) + 1));
        keys.push_back({key, i});
    }
    std::stable_sort(keys.begin(), keys.end(), [](const auto& a, const auto& b) { return a.first > b.first; });
    std::vector<int> order;
    for (const auto& key : keys)
        order.push_back(key.second);
    return order;
}

// A point of the sector at this angle and distance from its centre; a pulled-out sector's
// centre is moved out along the middle of its arc.
POINT CPieGraph::SectorPoint(int sector, double angle, double radius) const
{
    double offsetX = 0;
    double offsetY = 0;
    if (IsPulledOut(sector))
    {
        double middle = (StartAngle(sector) + EndAngle(sector)) / 2;
        offsetX = PullOut * m_radius * std::cos(middle);
        offsetY = PullOut * m_radius * m_aspect * std::sin(middle);
    }
    return POINT{static_cast<LONG>(std::lround(m_centre.x + offsetX + radius * std::cos(angle))),
                 static_cast<LONG>(std::lround(m_centre.y - radius * m_aspect * std::sin(angle) - offsetY))};
}

double CPieGraph::SectorRadius(int sector) const
{
    return IsPulledOut(sector) ? m_radius / PulledOutShrink : m_radius;
}

// The rim of the sector from one angle to another, a point every degree.
std::vector<POINT> CPieGraph::Arc(int sector, double from, double to) const
{
    std::vector<POINT> points;
    for (double angle = from; angle < to + Degree / 2; angle += Degree)
        points.push_back(SectorPoint(sector, std::min(angle, to), SectorRadius(sector)));
    return points;
}

std::vector<POINT> CPieGraph::SectorOutline(int sector) const
{
    std::vector<POINT> outline{SectorPoint(sector, 0, 0)};
    std::vector<POINT> rim = Arc(sector, StartAngle(sector), EndAngle(sector));
    outline.insert(outline.end(), rim.begin(), rim.end());
    return outline;
}

// The viewer looks at the front half of the rim (angles from a half to a full turn) and at a
// straight edge whose outer side turns toward the bottom of the window.
void CPieGraph::DrawWalls(int sector)
{
    int depth = static_cast<int>(std::lround(m_radius * m_aspect * WallHeight));
    double start = StartAngle(sector);
    double end = EndAngle(sector);
    if (std::cos(start) > 0)
        DrawEdgeWall(sector, start, depth);
    if (std::cos(end) < 0)
        DrawEdgeWall(sector, end, depth);
    double from = std::max(start, HalfTurn);
    if (from >= end)
        return;
    std::vector<POINT> rim = Arc(sector, from, end);
    std::vector<POINT> wall(rim);
    for (auto point = rim.rbegin(); point != rim.rend(); ++point)
        wall.push_back(POINT{point->x, point->y + depth});
    FillShadedPolygon(wall.data(), static_cast<int>(wall.size()), sector);
}

void CPieGraph::DrawEdgeWall(int sector, double angle, int depth)
{
    POINT centre = SectorPoint(sector, angle, 0);
    POINT rim = SectorPoint(sector, angle, SectorRadius(sector));
    const POINT wall[] = {centre, rim, {rim.x, rim.y + depth}, {centre.x, centre.y + depth}};
    FillShadedPolygon(wall, 4, sector);
}

void CPieGraph::DrawData()
{
    for (int sector : BackToFrontOrder())
    {
        if (m_config.threeD)
            DrawWalls(sector);
        std::vector<POINT> outline = SectorOutline(sector);
        FillPolygon(outline.data(), static_cast<int>(outline.size()), sector);
    }
    if (m_config.labels)
        for (int sector = 0; sector < m_config.valueCount; ++sector)
            DrawLabel(sector);
}

void CPieGraph::DrawLabel(int sector)
{
    HDC dc = m_config.hdc;
    double middle = (StartAngle(sector) + EndAngle(sector)) / 2;
    double outer = IsPulledOut(sector) ? PulledOutLeaderEnd : LeaderEnd;
    auto at = [&](double factor) {
        return POINT{static_cast<LONG>(std::lround(m_centre.x + factor * m_radius * std::cos(middle))),
                     static_cast<LONG>(std::lround(m_centre.y - factor * m_radius * m_aspect * std::sin(middle)))};
    };
    POINT inner = at(LeaderStart);
    POINT end = at(outer);
    {
        CSelectedObject pen(dc, ::GetStockObject(BLACK_PEN));
        ::MoveToEx(dc, inner.x, inner.y, nullptr);
        ::LineTo(dc, end.x, end.y);
    }
    char label[32];
    std::snprintf(label, sizeof label, "%2.1f%c", m_config.pValues[sector] / m_sums.back() * 100.0, '%');
    int x = end.x < m_centre.x ? end.x - 4 * m_charWidth : end.x;
    DrawTextAt(x, end.y - m_charHeight / 2, label, m_config.frameColour);
}

void CPieGraph::DrawTitles()
{
    m_axisTitles = false;
    zGraph::DrawTitles();
}

CString DrawPieGraph(const GraphConfig& config)
{
    CPieGraph pie(&config);
    pie.Draw();
    return pie.GetError();
}
