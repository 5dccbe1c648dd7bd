#pragma once

#include <memory>

#include "framework/Bitmap.h"
#include "framework/Brush.h"
#include "framework/String.h"
#include "shell/graphics/ControlFontSpec.h"

class CDibImage;
struct tagDRAWITEMSTRUCT;

// Paints one owner-drawn item of a button, list or menu: a picture beside word-wrapped text.
// A text with "|" is two columns, the part after it right-aligned.
class CItemPainter
{
public:
    enum Layout : WORD
    {
        PictureLeft,
        PictureRight,
        PictureAbove,
        PictureBelow
    };
    enum PictureKind
    {
        BitmapResource,
        PictureFile
    };
    enum Mode
    {
        BackgroundOnly = 1,
        Separator = 2,
        Everything = 0
    };

    CItemPainter(const CControlFontSpec& font, LPCSTR lpszPicture, LPCSTR lpszText);
    CItemPainter(const CControlFontSpec& font, COLORREF normal, COLORREF selected);
    virtual ~CItemPainter();
    CItemPainter(const CItemPainter&) = delete;
    CItemPainter& operator=(const CItemPainter&) = delete;

    // A bitmap resource name, or a picture file name with PictureFile; empty: no picture.
    void SetPicture(LPCSTR lpszName);
    void SetText(LPCSTR lpszText) { m_text = lpszText; }
    void SetColours(COLORREF normal, COLORREF selected);
    virtual void Draw(tagDRAWITEMSTRUCT* pItem, int mode);

    WORD m_layout = PictureLeft;
    int m_pictureKind = BitmapResource;
    BOOL m_selectable = TRUE;
    COLORREF m_textColour = 0;
    CControlFontSpec m_font;
    BOOL m_framed = FALSE;

private:
    bool HasPicture() const;
    SIZE PictureSize() const;
    void DrawFrame(HDC hdc, RECT& rect) const;
    void LayOut(HDC hdc, const RECT& item);
    void DrawPicture(HDC hdc);
    void DrawText(HDC hdc);
    void DrawColumns(HDC hdc, int separator);
    void DrawWrapped(HDC hdc);

    CBrush m_normalBrush;
    CBrush m_selectedBrush;
    CString m_pictureName;
    CString m_text;
    CBitmap m_bitmap;
    std::unique_ptr<CDibImage> m_dib;
    RECT m_textRect{};
    RECT m_pictureRect{};
    UINT m_textFormat = 0;
};
