#include "forms/HotSpot.h"

#include <windows.h>

#include "forms/PictureWnd.h"
#include "framework/Wnd.h"

namespace {

constexpr COLORREF FrameShadow = RGB(128, 128, 128);
constexpr COLORREF FrameLight = RGB(255, 255, 255);
constexpr int FrameWidth = 2;

// The placeholder control's rectangle in the form's client coordinates; the control is hidden.
// False when the form has no such control.
bool TakePlaceholder(CWnd* pForm, UINT nId, RECT& rect)
{
    CWnd* pControl = nId != 0 ? pForm->GetDlgItem(static_cast<int>(nId)) : nullptr;
    if (!pControl)
        return false;
    pControl->GetWindowRect(&rect);
    pForm->ScreenToClient(&rect);
    pControl->ShowWindow(SW_HIDE);
    return true;
}

CString LoadText(UINT nId)
{
    CString text;
    if (nId != 0)
        text.LoadString(nId);
    return text;
}

void FillStrip(HDC hdc, const RECT& strip, COLORREF colour)
{
    HBRUSH brush = ::CreateSolidBrush(colour);
    ::FillRect(hdc, &strip, brush);
    ::DeleteObject(brush);
}

}  // namespace

CHotSpot::CHotSpot(CWnd* pForm, UINT nAreaId, UINT nPictureId, UINT nPictureTextId, UINT nCaptionId,
                   UINT nCaptionTextId, COLORREF captionColour, BOOL bForwardClicks)
    : m_caption(LoadText(nCaptionTextId)), m_captionColour(captionColour), m_pictureText(LoadText(nPictureTextId))
{
    TakePlaceholder(pForm, nAreaId, m_area);
    TakePlaceholder(pForm, nCaptionId, m_captionArea);
    if (TakePlaceholder(pForm, nPictureId, m_pictureArea))
        m_pictureWnd = std::make_unique<CPictureWnd>(pForm, m_pictureArea, bForwardClicks);
}

CHotSpot::CHotSpot(CWnd* pForm, UINT nAreaId, UINT nPictureId, LPCSTR lpszPictureText)
    : CHotSpot(pForm, nAreaId, nPictureId, 0, 0, 0, 0, FALSE)
{
    m_pictureText = lpszPictureText;
}

CHotSpot::~CHotSpot() = default;

void CHotSpot::Show(HDC hdc)
{
    if (!::IsRectEmpty(&m_pictureArea))
        DrawSunkenFrame(hdc);
    ShowPicture();
    DrawCaption(hdc);
    m_shown = TRUE;
}

void CHotSpot::DrawSunkenFrame(HDC hdc) const
{
    const RECT& picture = m_pictureArea;
    FillStrip(hdc, {picture.left - FrameWidth, picture.top - FrameWidth, picture.right + FrameWidth, picture.top},
              FrameShadow);
    FillStrip(hdc, {picture.left - FrameWidth, picture.top, picture.left, picture.bottom + FrameWidth}, FrameShadow);
    FillStrip(hdc, {picture.right, picture.top, picture.right + FrameWidth, picture.bottom + FrameWidth}, FrameLight);
    FillStrip(hdc, {picture.left, picture.bottom, picture.right + FrameWidth, picture.bottom + FrameWidth}, FrameLight);
}

// The picture window repaints only when it is given another picture: Show runs on every paint
// of the form.
void CHotSpot::ShowPicture()
{
    if (!m_pictureWnd)
        return;
    if (m_pictureWnd->GetPictureFile() != m_pictureText)
    {
        m_pictureWnd->SetPictureFile(m_pictureText);
        m_pictureWnd->Invalidate();
    }
    m_pictureWnd->ShowWindow(SW_SHOW);
}

void CHotSpot::DrawCaption(HDC hdc) const
{
    if (m_caption.IsEmpty())
        return;
    HFONT font = ::CreateFontIndirectA(&m_captionFont);
    HGDIOBJ previousFont = ::SelectObject(hdc, font);
    int previousMode = ::SetBkMode(hdc, TRANSPARENT);
    COLORREF previousColour = ::SetTextColor(hdc, m_captionColour);
    RECT area = m_captionArea;
    ::DrawTextA(hdc, m_caption, -1, &area, DT_CENTER | DT_WORDBREAK);
    ::SetTextColor(hdc, previousColour);
    ::SetBkMode(hdc, previousMode);
    ::SelectObject(hdc, previousFont);
    ::DeleteObject(font);
}

bool CHotSpot::HitTest(POINT point) const
{
    if (!m_shown)
        return false;
    if (::PtInRect(&m_area, point))
        return true;
    if (!m_pictureWnd)
        return false;
    RECT picture;
    m_pictureWnd->GetWindowRect(&picture);
    ::MapWindowPoints(nullptr, ::GetParent(m_pictureWnd->m_hWnd), reinterpret_cast<POINT*>(&picture), 2);
    return ::PtInRect(&picture, point) != FALSE;
}

void CHotSpot::DestroyPicture()
{
    if (m_pictureWnd)
        m_pictureWnd->DestroyWindow();
    m_pictureWnd.reset();
}
