#pragma once

#include "shell/OwnerDrawDragList.h"

struct PrintSettings;

// An owner-drawn list in the print font of the settings, as the printed page will show it.
// A row "__" is a one-pixel rule, a row " " half a line of space.
class CPrintFontListBox : public COwnerDrawDragList
{
public:
    using COwnerDrawDragList::COwnerDrawDragList;

    void ApplyPrintFont(const PrintSettings& print);
    void MeasureItem(tagMEASUREITEMSTRUCT* lpMeasureItemStruct) override;
};
