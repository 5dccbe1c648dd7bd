#pragma once

#include "shell/controls/OwnerDrawDragList.h"

struct PrintSettings;

// An owner-drawn list in the print font of the settings, as the printed page will show it.
// A row "__" is a one-pixel rule, a row " " half a line of space. A row whose item data points
// at a CPrintedLine is drawn from that line: its text in the way its value says.
class CPrintFontListBox : public COwnerDrawDragList
{
public:
    using COwnerDrawDragList::COwnerDrawDragList;

    void ApplyPrintFont(const PrintSettings& print);
    void DrawItem(tagDRAWITEMSTRUCT* lpDrawItemStruct) override;
    void MeasureItem(tagMEASUREITEMSTRUCT* lpMeasureItemStruct) override;
};
