#pragma once

#include <windef.h>

// What a chart is drawn from, filled by the caller; the engine keeps a copy.
struct GraphConfig
{
    static constexpr int MaxSeries = 10;

    HDC hdc;
    const RECT* pWindowRect;
    const double* pValues;
    const int* pFlags;  // pie: 1 = sector pulled out
    int valueCount;
    COLORREF frameColour;  // frame and text
    COLORREF backColour;
    const COLORREF* pDataColours;  // null: the chart colours 1 to 10
    int framePenStyle;             // 1 to 4 dashed, dotted, dash-dot, dash-dot-dot; else solid
    const char* titles[3];         // main, x axis, y axis
    const char* legendLabels[MaxSeries];
    int legendPosition;  // 1 beside the plot, 2 none, else below
    int brushKind;       // 0 solid, 1 hatched, 2 patterned
    int shadeShift;      // sides of 3-D shapes: each colour component >> shift
    int threeD;          // 3-D legend boxes; a tilted pie with its walls
    int labels;
    int gradedBackground;  // from the background colour toward black
};
