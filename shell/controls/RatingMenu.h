#pragma once

#include "framework/Menu.h"
#include "shell/controls/ItemPainter.h"

// The popup for rating a recipe: five owner-drawn items, each its rating picture beside its
// name. The commands 563 (Excellent) to 567 (Skip it) stand for the ratings 3 to -1.
class CRatingMenu : public CMenu
{
public:
    static constexpr UINT FirstCommand = 563;
    static constexpr UINT LastCommand = 567;

    CRatingMenu();

    // The rating that the form is given for the item's command.
    static LONG RatingOf(UINT commandId);

    void DrawItem(tagDRAWITEMSTRUCT* lpDrawItemStruct) override;
    void MeasureItem(tagMEASUREITEMSTRUCT* lpMeasureItemStruct) override;

private:
    CItemPainter m_painter;
};
