#pragma once

#include "shell/graphics/ControlFontSpec.h"
#include "shell/controls/DrawnItemListBox.h"
#include "shell/controls/ItemPainter.h"

// A list control host that paints its rows itself: the row's text, with the rating picture of
// the recipe when ratings are shown, and a value column after "|".
class CRatedItemListBox : public CDrawnItemListBox
{
public:
    CRatedItemListBox();

    // The picture resource of a rating: -1 skip it, 1 good, 2 great, 3 excellent, else plain.
    static LPCSTR RatingPicture(LONG rating);

    void SetFontSpec(const CControlFontSpec& spec);
    void SetColumnValues(int first, int second);
    void SetRatingDisplay(BOOL bShow) { m_showRatings = bShow; }

    void DrawItem(tagDRAWITEMSTRUCT* lpDrawItemStruct) override;

private:
    CString RowText(long row) const;

    CItemPainter m_painter;
    CControlFontSpec m_fontSpec;
    int m_columnValues[2]{};
    BOOL m_showRatings = FALSE;
};
