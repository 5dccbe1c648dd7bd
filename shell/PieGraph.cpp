#include "shell/PieGraph.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>

#include <windows.h>

namespace {

constexpr double FullTurn = 6.283185307;
constexpr double Degree = 0.017453292519444445;
constexpr double PulledOutShrink = 0.9;
constexpr double PullOut = 0.1;
constexpr double LeaderStart = 0.75;
constexpr double LeaderEnd = 1.15;
constexpr double PulledOutLeaderEnd = 1.2777;

} // namespace

CPieGraph::CPieGraph(const GraphConfig* pConfig)
    : zGraph(pConfig)
{
}

// A single value is a whole disc, not an error: the chart of a recipe whose calories come
// from one source only must still draw.
bool CPieGraph::CheckData()
{
    if (m_config.valueCount < 1 || m_config.valueCount > GraphConfig::MaxSeries || !m_config.pValues)
        return Fail("Too Many/Too Few Pie Sectors!");
    double total = 0;
    for (int i = 0; i < m_config.valueCount; ++i) {
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
        m_aspect *= 0.6;
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
    for (int i = 0; i < m_config.valueCount; ++i) {
        double key = std::min(std::fabs(std::sin(StartAngle(i)) + 1), std::fabs(std::sin(EndAngle(i)) + 1));
        keys.push_back({key, i});
    }
    std::stable_sort(keys.begin(), keys.end(), [](const auto& a, const auto& b) { return a.first > b.first; });
    std::vector<int> order;
    for (const auto& key : keys)
        order.push_back(key.second);
    return order;
}

std::vector<POINT> CPieGraph::SectorOutline(int sector) const
{
    double start = StartAngle(sector);
    double end = EndAngle(sector);
    double radius = IsPulledOut(sector) ? m_radius / PulledOutShrink : m_radius;
    double offsetX = 0;
    double offsetY = 0;
    if (IsPulledOut(sector)) {
        double middle = (start + end) / 2;
        offsetX = PullOut * m_radius * std::cos(middle);
        offsetY = PullOut * m_radius * m_aspect * std::sin(middle);
    }
    auto at = [&](double angle, double r) {
        return POINT{static_cast<LONG>(std::lround(m_centre.x + offsetX + r * std::cos(angle))),
                     static_cast<LONG>(std::lround(m_centre.y - r * m_aspect * std::sin(angle) - offsetY))};
    };
    std::vector<POINT> outline{at(0, 0)};
    for (double angle = start; angle < end + Degree / 2; angle += Degree)
        outline.push_back(at(std::min(angle, end), radius));
    return outline;
}

void CPieGraph::DrawData()
{
    for (int sector : BackToFrontOrder()) {
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
    HGDIOBJ pen = ::SelectObject(dc, ::GetStockObject(BLACK_PEN));
    ::MoveToEx(dc, inner.x, inner.y, nullptr);
    ::LineTo(dc, end.x, end.y);
    ::SelectObject(dc, pen);
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
