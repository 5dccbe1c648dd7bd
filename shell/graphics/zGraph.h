#pragma once

#include "framework/String.h"
#include "shell/graphics/GraphConfig.h"

// The chart engine: draws the background, legend and titles of a chart into a device
// context; a chart kind draws its data. Drawing runs inside painting, so a failure is kept
// (GetError) rather than shown: a box raised from painting would come back on every repaint.
class zGraph
{
public:
    explicit zGraph(const GraphConfig* pConfig);
    virtual ~zGraph();
    zGraph(const zGraph&) = delete;
    zGraph& operator=(const zGraph&) = delete;

    // The steps of a chart, in the order of the table. The pie uses no frame, grid, axes,
    // scaling or axis labels: those steps are for chart kinds with axes.
    virtual bool CheckData();
    virtual void Draw();
    virtual void DrawPlotFrame();
    virtual void DrawData();
    // The axes of a 3-D chart, else the grid.
    virtual void DrawGridOrAxes();
    virtual void DrawGrid();
    virtual void DrawAxes();
    virtual void DrawLegend();
    virtual bool Prepare();
    virtual void ScaleData();
    virtual void DrawTitles();
    virtual void DrawXLabels();
    virtual void DrawYLabels();
    virtual void Finish();

    const CString& GetError() const { return m_error; }
    const RECT& GetPlotRect() const { return m_plot; }
    COLORREF GetDataColour(int index) const { return m_dataColours[index % GraphConfig::MaxSeries]; }
    // The colour of the sides of 3-D shapes drawn in data colour `index`.
    COLORREF GetShadedColour(int index) const;
    // The front of the legend box of row `row`.
    RECT GetLegendBox(int row) const;

protected:
    bool Fail(LPCSTR pszMessage);
    void FillPolygon(const POINT* pPoints, int count, int colourIndex);
    void FillShadedPolygon(const POINT* pPoints, int count, int colourIndex);
    void DrawTextAt(int x, int y, LPCSTR pszText, COLORREF colour);

    GraphConfig m_config;
    RECT m_window{};
    RECT m_plot{};
    int m_charWidth = 0;
    int m_charHeight = 0;
    bool m_axisTitles = false;

private:
    bool PaintBackground();
    bool PaintGradedBackground();
    bool SelectGradedPalette();
    COLORREF GradedColour(int step) const;
    void LayOutPlot();
    void MakePensAndBrushes();
    HBRUSH MakeDataBrush(int index) const;
    void FillWith(const POINT* pPoints, int count, HBRUSH brush, HPEN pen);
    int LegendDepth(const RECT& box) const;
    void DrawLegendBox(int row, const RECT& front);
    void DrawAxisTitle(LPCSTR pszTitle, int centre, int y);
    void DrawTitle(LPCSTR pszTitle);

    COLORREF m_dataColours[GraphConfig::MaxSeries]{};
    HPEN m_framePen = nullptr;
    HPEN m_dataPens[GraphConfig::MaxSeries]{};
    HBRUSH m_dataBrushes[GraphConfig::MaxSeries]{};
    HBRUSH m_shadedBrushes[GraphConfig::MaxSeries]{};
    HPALETTE m_gradedPalette = nullptr;
    HPALETTE m_previousPalette = nullptr;
    HGDIOBJ m_previousPen = nullptr;
    HGDIOBJ m_previousBrush = nullptr;
    bool m_drawn = true;
    CString m_error;
};
