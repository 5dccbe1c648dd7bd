#pragma once

#include <vector>

#include "shell/graphics/zGraph.h"

// A flat or tilted pie: one sector per value, counter-clockwise from the right, sectors flagged 1 pulled
// out, each labelled with its percentage. A single value is a full disc. A tilted pie shows the
// walls that face the viewer in the shaded colours.
class CPieGraph : public zGraph
{
public:
    explicit CPieGraph(const GraphConfig* pConfig);

    bool CheckData() override;
    void Draw() override;
    void DrawData() override;
    bool Prepare() override;
    void DrawTitles() override;

    POINT GetCentre() const { return m_centre; }
    double GetRadius() const { return m_radius; }
    double GetAspect() const { return m_aspect; }

private:
    bool IsPulledOut(int sector) const;
    std::vector<int> BackToFrontOrder() const;
    POINT SectorPoint(int sector, double angle, double radius) const;
    double SectorRadius(int sector) const;
    std::vector<POINT> Arc(int sector, double from, double to) const;
    std::vector<POINT> SectorOutline(int sector) const;
    void DrawWalls(int sector);
    void DrawEdgeWall(int sector, double angle, int depth);
    void DrawLabel(int sector);
    double StartAngle(int sector) const;
    double EndAngle(int sector) const;

    std::vector<double> m_sums;
    POINT m_centre{};
    double m_radius = 0;
    double m_aspect = 1;
    bool m_anyPulledOut = false;
};

// Draws a pie on the configuration; the error of a refused chart, or empty.
CString DrawPieGraph(const GraphConfig& config);
