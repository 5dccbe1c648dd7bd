#include "shell/graphics/zGraph.h"

#include <algorithm>
#include <cstring>

#include <windows.h>

#include "framework/Font.h"
#include "framework/SelectedObject.h"
#include "shell/graphics/ChartColour.h"

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
constexpr double LegendRowSpacing = 1.5;
constexpr double ThreeDTitleMargin = 0.2;
constexpr int GradedSteps = 64;
constexpr int HatchStyles = 6;

// The patterned brushes, eight rows of eight pixels each: a set bit is drawn in the data colour,
// a clear one in the background colour.
constexpr BYTE Patterns[GraphConfig::MaxSeries][8] = {
    {0x88, 0x44, 0x22, 0x11, 0x88, 0x44, 0x22, 0x11}, {0xFF, 0x00, 0xFF, 0x00, 0xFF, 0x00, 0xFF, 0x00},
    {0xAA, 0xAA, 0xAA, 0xAA, 0xAA, 0xAA, 0xAA, 0xAA}, {0x11, 0x22, 0x44, 0x88, 0x11, 0x22, 0x44, 0x88},
    {0xAA, 0x55, 0xAA, 0x55, 0xAA, 0x55, 0xAA, 0x55}, {0xFF, 0x81, 0x81, 0x81, 0x81, 0x81, 0x81, 0xFF},
    {0x88, 0x00, 0x22, 0x00, 0x88, 0x00, 0x22, 0x00}, {0xFF, 0x88, 0x88, 0x88, 0xFF, 0x88, 0x88, 0x88},
    {0x18, 0x18, 0xFF, 0xFF, 0x18, 0x18, 0x18, 0x18}, {0xCC, 0xCC, 0x33, 0x33, 0xCC, 0xCC, 0x33, 0x33},
};

int RoundHalfUp(double value)
{
    double whole = static_cast<double>(static_cast<long>(value));
    return static_cast<int>(whole) + (value - whole >= 0.5 ? 1 : 0);
}

int PenStyleOf(int framePenStyle)
{
    switch (framePenStyle)
    {
    case 1: return PS_DASH;
    case 2: return PS_DOT;
    case 3: return PS_DASHDOT;
    case 4: return PS_DASHDOTDOT;
    default: return PS_SOLID;
    }
}

RGBQUAD QuadOf(COLORREF colour)
{
    return RGBQUAD{GetBValue(colour), GetGValue(colour), GetRValue(colour), 0};
}

// A brush that keeps its two colours whatever the device context's text and background colours.
HBRUSH MakePatternBrush(const BYTE (&rows)[8], COLORREF ink, COLORREF paper)
{
    struct
    {
        BITMAPINFOHEADER header;
        RGBQUAD colours[2];
        DWORD rows[8];  // each pixel row padded to four bytes
    } dib{};
    dib.header.biSize = sizeof dib.header;
    dib.header.biWidth = 8;
    dib.header.biHeight = 8;
    dib.header.biPlanes = 1;
    dib.header.biBitCount = 1;
    dib.header.biCompression = BI_RGB;
    dib.colours[0] = QuadOf(paper);
    dib.colours[1] = QuadOf(ink);
    for (int row = 0; row < 8; ++row)
        dib.rows[row] = rows[row];
    return ::CreateDIBPatternBrushPt(&dib, DIB_RGB_COLORS);
}

}  // namespace

zGraph::zGraph(const GraphConfig* pConfig)
{
    if (pConfig)
        m_config = *pConfig;
    else
        std::memset(&m_config, 0, sizeof m_config);
    if (m_config.pWindowRect)
    {
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

void zGraph::Draw() {}

// The plot rectangle outlined with the frame pen, its inside left as the background drew it.
void zGraph::DrawPlotFrame()
{
    CSelectedObject pen(m_config.hdc, m_framePen);
    CSelectedObject brush(m_config.hdc, ::GetStockObject(NULL_BRUSH));
    ::Rectangle(m_config.hdc, m_plot.left, m_plot.top, m_plot.right, m_plot.bottom);
}

void zGraph::DrawData() {}

void zGraph::DrawGridOrAxes()
{
    if (m_config.threeD)
        DrawAxes();
    else
        DrawGrid();
}

void zGraph::DrawGrid() {}

void zGraph::DrawAxes() {}

void zGraph::ScaleData() {}

void zGraph::DrawXLabels() {}

void zGraph::DrawYLabels() {}

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
    if (!PaintBackground())
        return false;
    LayOutPlot();
    ::SetBkMode(dc, TRANSPARENT);
    ::SetTextColor(dc, m_config.frameColour);
    return true;
}

bool zGraph::PaintBackground()
{
    ::SetBkColor(m_config.hdc, m_config.backColour);
    if (m_config.gradedBackground)
        return PaintGradedBackground();
    HBRUSH background = ::CreateSolidBrush(m_config.backColour);
    ::FillRect(m_config.hdc, &m_window, background);
    ::DeleteObject(background);
    return true;
}

// Each step paints from a corner moved 1/64 of the size toward the bottom right, a shade darker.
bool zGraph::PaintGradedBackground()
{
    HDC dc = m_config.hdc;
    if (::GetDeviceCaps(dc, BITSPIXEL) == 8 && !SelectGradedPalette())
        return Fail("Unable to Create Graded Color Palette!");
    double stepWidth = (m_window.right - m_window.left) / static_cast<double>(GradedSteps);
    double stepHeight = (m_window.bottom - m_window.top) / static_cast<double>(GradedSteps);
    for (int step = 0; step < GradedSteps; ++step)
    {
        RECT band{m_window.left + RoundHalfUp(step * stepWidth), m_window.top + RoundHalfUp(step * stepHeight),
                  m_window.right, m_window.bottom};
        HBRUSH brush = ::CreateSolidBrush(GradedColour(step));
        ::FillRect(dc, &band, brush);
        ::DeleteObject(brush);
    }
    return true;
}

// Step i keeps (255 - 4i) / 255 of each component, so a full component ends at 3, as the
// palette entries of an 8-bit display do.
COLORREF zGraph::GradedColour(int step) const
{
    if (m_gradedPalette)
        return PALETTEINDEX(step);
    auto scaled = [step](BYTE component) { return static_cast<BYTE>(component * (255 - 4 * step) / 255); };
    COLORREF back = m_config.backColour;
    return RGB(scaled(GetRValue(back)), scaled(GetGValue(back)), scaled(GetBValue(back)));
}

bool zGraph::SelectGradedPalette()
{
    struct
    {
        WORD version;
        WORD count;
        PALETTEENTRY entries[GradedSteps];
    } logical{0x300, GradedSteps, {}};
    COLORREF back = m_config.backColour;
    for (int i = 0; i < GradedSteps; ++i)
    {
        BYTE level = static_cast<BYTE>(255 - 4 * i);
        logical.entries[i] = {static_cast<BYTE>(GetRValue(back) ? level : 0),
                              static_cast<BYTE>(GetGValue(back) ? level : 0),
                              static_cast<BYTE>(GetBValue(back) ? level : 0), 0};
    }
    m_gradedPalette = ::CreatePalette(reinterpret_cast<const LOGPALETTE*>(&logical));
    if (!m_gradedPalette)
        return false;
    m_previousPalette = ::SelectPalette(m_config.hdc, m_gradedPalette, FALSE);
    ::RealizePalette(m_config.hdc);
    return true;
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
    for (int i = 0; i < GraphConfig::MaxSeries; ++i)
    {
        m_dataPens[i] = ::CreatePen(PS_SOLID, 1, m_dataColours[i]);
        m_dataBrushes[i] = MakeDataBrush(i);
        m_shadedBrushes[i] = ::CreateSolidBrush(GetShadedColour(i));
    }
}

HBRUSH zGraph::MakeDataBrush(int index) const
{
    switch (m_config.brushKind)
    {
    case 1: return ::CreateHatchBrush(index % HatchStyles, m_dataColours[index]);
    case 2: return MakePatternBrush(Patterns[index], m_dataColours[index], m_config.backColour);
    default: return ::CreateSolidBrush(m_dataColours[index]);
    }
}

COLORREF zGraph::GetShadedColour(int index) const
{
    int shift = std::clamp(m_config.shadeShift, 0, 8);
    COLORREF colour = GetDataColour(index);
    return RGB(GetRValue(colour) >> shift, GetGValue(colour) >> shift, GetBValue(colour) >> shift);
}

void zGraph::FillPolygon(const POINT* pPoints, int count, int colourIndex)
{
    int index = colourIndex % GraphConfig::MaxSeries;
    FillWith(pPoints, count, m_dataBrushes[index], m_dataPens[index]);
}

void zGraph::FillShadedPolygon(const POINT* pPoints, int count, int colourIndex)
{
    int index = colourIndex % GraphConfig::MaxSeries;
    FillWith(pPoints, count, m_shadedBrushes[index], m_dataPens[index]);
}

void zGraph::FillWith(const POINT* pPoints, int count, HBRUSH fill, HPEN outline)
{
    HDC dc = m_config.hdc;
    CSelectedObject pen(dc, outline);
    CSelectedObject brush(dc, fill);
    int mode = ::SetPolyFillMode(dc, ALTERNATE);
    ::Polygon(dc, pPoints, count);
    ::SetPolyFillMode(dc, mode);
}

void zGraph::DrawTextAt(int x, int y, LPCSTR pszText, COLORREF colour)
{
    ::SetTextColor(m_config.hdc, colour);
    ::TextOutA(m_config.hdc, x, y, pszText, static_cast<int>(std::strlen(pszText)));
}

RECT zGraph::GetLegendBox(int row) const
{
    double width = m_window.right - m_window.left;
    double height = m_window.bottom - m_window.top;
    int box = std::max(4, RoundHalfUp(height * LegendBox));
    bool beside = m_config.legendPosition == 1;
    int x = m_window.left + RoundHalfUp(width * (beside ? LegendLeftBeside : PlotLeftBeside));
    int y = m_window.top + RoundHalfUp(height * (beside ? PlotTopBelow : LegendTopBelow)) +
            row * RoundHalfUp(box * LegendRowSpacing);
    return RECT{x, y, x + box, y + box};
}

int zGraph::LegendDepth(const RECT& box) const
{
    return m_config.threeD ? (box.right - box.left) / 4 : 0;
}

void zGraph::DrawLegend()
{
    if (m_config.legendPosition == 2)
        return;
    int count = std::min(m_config.valueCount, GraphConfig::MaxSeries);
    for (int row = 0; row < count; ++row)
    {
        RECT box = GetLegendBox(row);
        DrawLegendBox(row, box);
        if (m_config.legendLabels[row])
            DrawTextAt(box.right + LegendDepth(box) + m_charWidth, (box.top + box.bottom - m_charHeight) / 2,
                       m_config.legendLabels[row], m_config.frameColour);
    }
}

// A 3-D box shows its top face and, in the shaded colour, its right-hand side.
void zGraph::DrawLegendBox(int row, const RECT& front)
{
    ::FillRect(m_config.hdc, &front, m_dataBrushes[row]);
    int depth = LegendDepth(front);
    if (depth < 1)
        return;
    const POINT top[] = {{front.left, front.top},
                         {front.left + depth, front.top - depth},
                         {front.right + depth, front.top - depth},
                         {front.right, front.top}};
    const POINT side[] = {{front.right, front.top},
                          {front.right + depth, front.top - depth},
                          {front.right + depth, front.bottom - depth},
                          {front.right, front.bottom}};
    FillPolygon(top, 4, row);
    FillShadedPolygon(side, 4, row);
}

void zGraph::DrawTitles()
{
    DrawTitle(m_config.titles[0]);
    if (!m_axisTitles)
        return;
    // A 3-D chart's depth takes the right-hand part of the window: the title ignores it.
    LONG plotRight = m_plot.right;
    if (m_config.threeD)
        plotRight = std::min<LONG>(plotRight,
                                   m_window.right - RoundHalfUp(ThreeDTitleMargin * (m_window.right - m_window.left)));
    DrawAxisTitle(m_config.titles[1], (m_plot.left + plotRight) / 2, m_plot.bottom + RoundHalfUp(2.75 * m_charHeight));
    DrawAxisTitle(m_config.titles[2], m_plot.left, m_plot.top - RoundHalfUp(3.33 * m_charHeight));
}

void zGraph::DrawAxisTitle(LPCSTR pszTitle, int centre, int y)
{
    if (!pszTitle)
        return;
    SIZE extent{};
    ::GetTextExtentPoint32A(m_config.hdc, pszTitle, static_cast<int>(std::strlen(pszTitle)), &extent);
    DrawTextAt(centre - extent.cx / 2, y, pszTitle, m_config.frameColour);
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
    CFont fitted;
    SIZE extent{};
    ::GetTextExtentPoint32A(dc, pszTitle, length, &extent);
    if (extent.cx > m_window.right - m_window.left)
    {
        int height = std::min(bandHeight, m_charHeight);
        int width = std::min(static_cast<int>(m_window.right - m_window.left) / length, RoundHalfUp(0.6 * height));
        fitted.CreateFont(height, width, 0, 0, FW_BOLD, 0, 0, 0, ANSI_CHARSET, 4, 0, 2, 4, "Arial");
    }
    CSelectedObject selected(dc, fitted.GetSafeHandle());
    ::GetTextExtentPoint32A(dc, pszTitle, length, &extent);
    int x = (m_window.left + m_window.right - extent.cx) / 2;
    DrawTextAt(x, m_window.top + RoundHalfUp(0.2 * bandHeight), pszTitle, m_config.frameColour);
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
    if (m_gradedPalette)
    {
        ::SelectPalette(m_config.hdc, m_previousPalette, FALSE);
        ::DeleteObject(m_gradedPalette);
        m_gradedPalette = nullptr;
    }
    if (!m_framePen)
        return;
    ::DeleteObject(m_framePen);
    for (int i = 0; i < GraphConfig::MaxSeries; ++i)
    {
        ::DeleteObject(m_dataPens[i]);
        ::DeleteObject(m_dataBrushes[i]);
        ::DeleteObject(m_shadedBrushes[i]);
    }
    m_framePen = nullptr;
}
