#pragma once

#include <memory>

#include <windef.h>

#include "framework/String.h"
#include "shell/graphics/LogFont.h"

class CPictureWnd;
class CWnd;

// A clickable picture area of a form, laid out by placeholder controls of the form's template:
// each placeholder gives its rectangle (in the form's client coordinates) and is hidden.
class CHotSpot
{
public:
    // A missing area or caption control gives an empty rectangle; a picture control gets a
    // hidden picture window over it, which passes clicks on when bForwardClicks.
    CHotSpot(CWnd* pForm, UINT nAreaId, UINT nPictureId, UINT nPictureTextId, UINT nCaptionId, UINT nCaptionTextId,
             COLORREF captionColour, BOOL bForwardClicks);
    CHotSpot(CWnd* pForm, UINT nAreaId, UINT nPictureId, LPCSTR lpszPictureText);
    ~CHotSpot();
    CHotSpot(const CHotSpot&) = delete;
    CHotSpot& operator=(const CHotSpot&) = delete;

    // Draws the sunken frame around the picture and the caption, and shows the picture.
    void Show(HDC hdc);
    // A point of the form's client area on the shown hot spot's area or picture.
    bool HitTest(POINT point) const;
    void DestroyPicture();

    const RECT& GetArea() const { return m_area; }
    const RECT& GetPictureArea() const { return m_pictureArea; }
    const RECT& GetCaptionArea() const { return m_captionArea; }
    CPictureWnd* GetPictureWnd() const { return m_pictureWnd.get(); }

private:
    void DrawSunkenFrame(HDC hdc) const;
    void DrawCaption(HDC hdc) const;
    void ShowPicture();

    RECT m_area{};
    RECT m_pictureArea{};
    RECT m_captionArea{};
    CLogFont m_captionFont;
    CString m_caption;
    COLORREF m_captionColour = 0;
    BOOL m_shown = FALSE;
    std::unique_ptr<CPictureWnd> m_pictureWnd;
    CString m_pictureText;
};
