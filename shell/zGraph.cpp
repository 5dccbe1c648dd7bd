#include "shell/zGraph.h"

#include <algorithm>
#include <cstring>

#include <windows.h>

#include "shell/ChartColour.h"

namespace {

constexpr int FrameColourIndex = 15;

// Fractions of the window: with the legend beside the plot it takes the right-hand column.
constexpr double TitleBottom = 0.12;
constexpr double PlotLeftBeside = 0.05;
constexpr double PlotRightBeside = 0.68;
constexpr double LegendLeftBeside = 0.72;
constexpr double PlotTopBelow = 0.35;
constexpr double PlotBottomBelow = 0.75;
constexpr double LegendTopBelow = 0.80;
constexpr double LegendBox = 0.09;

int RoundHalfUp(double value)
{
    double whole = static_cast<double>(static_cast<long>(value));
    return static_cast<int>(whole) + (value - whole >= 0.5 ? 1 : 0);
}

int PenStyleOf(int framePenStyle)
{
    switch (framePenStyle) {
    case 1: return PS_DASH;
    case 2: return PS_DOT;
    case 3: return PS_DASHDOT;
    case 4: return PS_DASHDOTDOT;
    default: return PS_SOLID;
    }
}

} // namespace

zGraph::zGraph(const GraphConfig* pConfig)
{
    if (pConfig)
        m_config = *pConfig;
    else
        std::memset(&m_config, 0, sizeof m_config);
    if (m_config.pWindowRect) {
        const RECT& given = *m_config.pWindowRect;
        m_window = {std::min(given.left, given.right), std::min(given.top, given.bottom),
                    std::max(given.left, given.right), std::max(given.top, given.bottom)};
    }
    for (int i = 0; i < GraphConfig::MaxSeries; ++i)
        m_dataColours[i] = m_config.pDataColours ? m_config.pDataColours[i] : GetChartColour(i + 1);
    if (!m_config.pDataColours)
        m_config.frameColour = GetChartColour(FrameColourIndex);
    m_axisTitles = m_config.titles[1] != nullptr || m_config.titles[2] != nullptr;
}

zGraph::~zGraph()
{
    Finish();
}

bool zGraph::Fail(LPCSTR pszMessage)
{
    m_error = pszMessage;
    return false;
}

bool zGraph::CheckData()
{
    return true;
}

void zGraph::Draw()
{
}

void zGraph::DrawData()
{
}

bool zGraph::Prepare()
{
    if (!m_config.hdc)
        return Fail("Error--HDC Invalid or Not Set!");
    if (!m_config.pWindowRect)
        return Fail("Error--Window Rectangle [RWindow] Invalid/Not Set");
    HDC dc = m_config.hdc;
    m_previousBrush = ::SelectObject(dc, ::GetStockObject(WHITE_BRUSH));
    m_previousPen = ::SelectObject(dc, ::GetStockObject(BLACK_PEN));
    TEXTMETRICA metrics{};
    ::GetTextMetricsA(dc, &metrics);
    m_charWidth = metrics.tmAveCharWidth;
    m_charHeight = metrics.tmHeight;
    MakePensAndBrushes();
    PaintBackground();
    LayOutPlot();
    ::SetBkMode(dc, TRANSPARENT);
    ::SetTextColor(dc, m_config.frameColour);
    return true;
}

void zGraph::PaintBackground()
{
    HBRUSH background = ::CreateSolidBrush(m_config.backColour);
    ::FillRect(m_config.hdc, &m_window, background);
    ::DeleteObject(background);
    ::SetBkColor(m_config.hdc, m_config.backColour);
}

void zGraph::LayOutPlot()
{
    double width = m_window.right - m_window.left;
    double height = m_window.bottom - m_window.top;
    bool beside = m_config.legendPosition == 1 || m_config.legendPosition == 2;
    double right = m_config.legendPosition == 2 ? 1.0 - PlotLeftBeside : PlotRightBeside;
    m_plot.left = m_window.left + RoundHalfUp(width * PlotLeftBeside);
    m_plot.right = m_window.left + RoundHalfUp(width * (beside ? right : 1.0 - PlotLeftBeside));
    m_plot.top = m_window.top + RoundHalfUp(height * (beside ? TitleBottom : PlotTopBelow));
    m_plot.bottom = m_window.top + RoundHalfUp(height * (beside ? 1.0 - PlotLeftBeside : PlotBottomBelow));
}

void zGraph::MakePensAndBrushes()
{
    if (m_framePen)
        return;
    m_framePen = ::CreatePen(PenStyleOf(m_config.framePenStyle), 1, m_config.frameColour);
    for (int i = 0; i < GraphConfig::MaxSeries; ++i) {
        m_dataPens[i] = ::CreatePen(PS_SOLID, 1, m_dataColours[i]);
        m_dataBrushes[i] = ::CreateSolidBrush(m_dataColours[i]);
    }
}

void zGraph::FillPolygon(const POINT* pPoints, int count, int colourIndex)
{
    HDC dc = m_config.hdc;
    int index = colourIndex % GraphConfig::MaxSeries;
    HGDIOBJ pen = ::SelectObject(dc, m_dataPens[index]);
    HGDIOBJ brush = ::SelectObject(dc, m_dataBrushes[index]);
    int mode = ::SetPolyFillMode(dc, ALTERNATE);
    ::Polygon(dc, pPoints, count);
    ::SetPolyFillMode(dc, mode);
    ::SelectObject(dc, brush);
    ::SelectObject(dc, pen);
}

void zGraph::DrawTextAt(int x, int y, LPCSTR pszText, COLORREF colour)
{
    ::SetTextColor(m_config.hdc, colour);
    ::TextOutA(m_config.hdc, x, y, pszText, static_cast<int>(std::strlen(pszText)));
}

void zGraph::DrawLegend()
{
    if (m_config.legendPosition == 2)
        return;
    double width = m_window.right - m_window.left;
    double height = m_window.bottom - m_window.top;
    int box = std::max(4, RoundHalfUp(height * LegendBox / 2));
    bool beside = m_config.legendPosition == 1;
    int x = m_window.left + RoundHalfUp(width * (beside ? LegendLeftBeside : PlotLeftBeside));
    int y = m_window.top + RoundHalfUp(height * (beside ? PlotTopBelow : LegendTopBelow));
    int count = std::min(m_config.valueCount, GraphConfig::MaxSeries);
    for (int i = 0; i < count; ++i) {
        RECT swatch{x, y, x + box, y + box};
        ::FillRect(m_config.hdc, &swatch, m_dataBrushes[i]);
        if (m_config.legendLabels[i])
            DrawTextAt(x + box + m_charWidth, y + (box - m_charHeight) / 2, m_config.legendLabels[i],
                       m_config.frameColour);
        y += RoundHalfUp(box * 1.5);
    }
}

void zGraph::DrawTitles()
{
    DrawTitle(m_config.titles[0]);
    if (!m_axisTitles)
        return;
    int centre = (m_plot.left + m_plot.right) / 2;
    if (m_config.titles[1])
        DrawTextAt(centre, m_plot.bottom + RoundHalfUp(2.75 * m_charHeight), m_config.titles[1],
                   m_config.frameColour);
    if (m_config.titles[2])
        DrawTextAt(m_plot.left, m_plot.top - RoundHalfUp(3.33 * m_charHeight), m_config.titles[2],
                   m_config.frameColour);
}

// The main title, centred in the band above the plot; a title wider than the window gets a
// font that fits it.
void zGraph::DrawTitle(LPCSTR pszTitle)
{
    if (!pszTitle || !*pszTitle)
        return;
    HDC dc = m_config.hdc;
    int length = static_cast<int>(std::strlen(pszTitle));
    int bandHeight = std::max(1, static_cast<int>(m_plot.top - m_window.top));
    HFONT fitted = nullptr;
    SIZE extent{};
    ::GetTextExtentPoint32A(dc, pszTitle, length, &extent);
    if (extent.cx > m_window.right - m_window.left) {
        int height = std::min(bandHeight, m_charHeight);
        int width = std::min(static_cast<int>(m_window.right - m_window.left) / length, RoundHalfUp(0.6 * height));
        fitted = ::CreateFontA(height, width, 0, 0, FW_BOLD, 0, 0, 0, ANSI_CHARSET, 4, 0, 2, 4, "Arial");
    }
    HGDIOBJ previous = fitted ? ::SelectObject(dc, fitted) : nullptr;
    ::GetTextExtentPoint32A(dc, pszTitle, length, &extent);
    int x = (m_window.left + m_window.right - extent.cx) / 2;
    DrawTextAt(x, m_window.top + RoundHalfUp(0.2 * bandHeight), pszTitle, m_config.frameColour);
    if (fitted) {
        ::SelectObject(dc, previous);
        ::DeleteObject(fitted);
    }
}

void zGraph::Finish()
{
    if (!m_drawn)
        return;
    m_drawn = false;
    if (m_previousPen)
        ::SelectObject(m_config.hdc, m_previousPen);
    if (m_previousBrush)
        ::SelectObject(m_config.hdc, m_previousBrush);
    if (!m_framePen)
        return;
    ::DeleteObject(m_framePen);
    for (int i = 0; i < GraphConfig::MaxSeries; ++i) {
        ::DeleteObject(m_dataPens[i]);
        ::DeleteObject(m_dataBrushes[i]);
    }
    m_framePen = nullptr;
}
