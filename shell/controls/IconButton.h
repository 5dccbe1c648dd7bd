#pragma once

#include "framework/BitmapButton.h"
#include "shell/controls/ItemPainter.h"

// An owner-drawn button showing a picture beside its text.
class CIconButton : public CBitmapButton
{
public:
    CIconButton(const CControlFontSpec& font, LPCSTR lpszPicture, LPCSTR lpszText);

    void SetPicture(LPCSTR lpszName);
    // Where the picture sits beside the text: CItemPainter::PictureLeft and the others.
    void SetPictureLayout(WORD layout);
    void DrawItem(tagDRAWITEMSTRUCT* lpDrawItemStruct) override;

private:
    CItemPainter m_painter;
};
