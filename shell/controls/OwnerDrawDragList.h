#pragma once

#include "shell/graphics/ControlFontSpec.h"
#include "shell/controls/DragSourceList.h"
#include "shell/controls/ItemPainter.h"

// An owner-drawn list of word-wrapped rows, each optionally with the picture of its kind
// (the high word of the row's item data: 100 recipe, 101 recipe with photo, 200 meal plan,
// 300 category). Rows are as high as their wrapped text.
class COwnerDrawDragList : public CDragSourceList
{
public:
    explicit COwnerDrawDragList(const CControlFontSpec& font = CControlFontSpec());

    static LPCSTR PictureOfKind(WORD kind);

    void SetColors(COLORREF normal, COLORREF selected);
    void ShowPictures(BOOL bShow) { m_showPictures = bShow; }
    void SaveScrollState();
    void RestoreScrollState();

    void DrawItem(tagDRAWITEMSTRUCT* lpDrawItemStruct) override;
    void MeasureItem(tagMEASUREITEMSTRUCT* lpMeasureItemStruct) override;

protected:
    // Paints a row with the text in the painter's mode, as wide as the list less a scroll bar.
    void DrawRow(const tagDRAWITEMSTRUCT* lpDrawItemStruct, LPCSTR lpszText, int mode);
    // The text width a row may use.
    virtual int TextWidth() const;
    // The picture of a row, by its item data; empty for none.
    virtual LPCSTR RowPicture(DWORD_PTR itemData) const;

    CItemPainter m_painter;
    CControlFontSpec m_font;

private:
    BOOL m_showPictures = FALSE;
    int m_savedSelection = -1;
    int m_savedTop = 0;
};
