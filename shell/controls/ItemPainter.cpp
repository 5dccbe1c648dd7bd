#include "shell/controls/ItemPainter.h"

#include <algorithm>

#include <windows.h>

#include "framework/DC.h"
#include "framework/Font.h"
#include "framework/Pen.h"
#include "framework/SelectedObject.h"
#include "shell/graphics/DibImage.h"
#include "shell/graphics/WordWrap.h"

namespace {

constexpr COLORREF FrameShadow = RGB(128, 128, 128);
constexpr COLORREF FrameLight = RGB(255, 255, 255);
constexpr int MinimumColumnRowHeight = 20;

int GapWidth(HDC hdc)
{
    SIZE size{};
    ::GetTextExtentPoint32A(hdc, "c", 1, &size);
    return size.cx;
}

void DrawEdge(HDC hdc, COLORREF colour, POINT from, POINT corner, POINT to)
{
    CPen pen;
    pen.CreatePen(PS_SOLID, 2, colour);
    CSelectedObject selected(hdc, pen.GetSafeHandle());
    ::MoveToEx(hdc, from.x, from.y, nullptr);
    ::LineTo(hdc, corner.x, corner.y);
    ::LineTo(hdc, to.x, to.y);
}

}  // namespace

CItemPainter::CItemPainter(const CControlFontSpec& font, LPCSTR lpszPicture, LPCSTR lpszText)
    : m_font(font), m_text(lpszText)
{
    SetColours(::GetSysColor(COLOR_WINDOW), ::GetSysColor(COLOR_HIGHLIGHT));
    SetPicture(lpszPicture);
}

CItemPainter::CItemPainter(const CControlFontSpec& font, COLORREF normal, COLORREF selected) : m_font(font)
{
    SetColours(normal, selected);
}

CItemPainter::~CItemPainter() = default;

void CItemPainter::SetColours(COLORREF normal, COLORREF selected)
{
    m_normalBrush.DeleteObject();
    m_selectedBrush.DeleteObject();
    m_normalBrush.CreateSolidBrush(normal);
    m_selectedBrush.CreateSolidBrush(selected);
}

void CItemPainter::SetPicture(LPCSTR lpszName)
{
    if (m_pictureName == (lpszName ? lpszName : ""))
        return;
    m_pictureName = lpszName ? lpszName : "";
    m_bitmap.DeleteObject();
    m_dib.reset();
    if (m_pictureName.IsEmpty())
        return;
    if (m_pictureKind == PictureFile)
    {
        m_dib = std::make_unique<CDibImage>();
        m_dib->LoadFile(m_pictureName);
    }
    else
    {
        m_bitmap.LoadBitmap(m_pictureName);
    }
}

bool CItemPainter::HasPicture() const
{
    return m_bitmap.GetSafeHandle() != nullptr || (m_dib && m_dib->HasPicture());
}

SIZE CItemPainter::PictureSize() const
{
    if (m_dib)
        return SIZE{m_dib->GetWidth(), m_dib->GetHeight()};
    BITMAP bitmap{};
    m_bitmap.GetBitmap(&bitmap);
    return SIZE{bitmap.bmWidth, bitmap.bmHeight};
}

void CItemPainter::Draw(tagDRAWITEMSTRUCT* pItem, int mode)
{
    HDC hdc = pItem->hDC;
    RECT item = pItem->rcItem;
    if (m_framed)
        DrawFrame(hdc, item);
    CFont font;
    font.CreateFontIndirect(&m_font.m_logFont);
    CSelectedObject selectedFont(hdc, font.GetSafeHandle());
    LayOut(hdc, item);
    if (pItem->itemAction == ODA_FOCUS)
        ::DrawFocusRect(hdc, &item);
    else if (m_selectable)
        ::FillRect(hdc, &item, (pItem->itemState & ODS_SELECTED) ? m_selectedBrush : m_normalBrush);
    if (mode == Separator)
    {
        CPen pen;
        pen.CreatePen(PS_SOLID, 1, m_textColour);
        CSelectedObject selectedPen(hdc, pen.GetSafeHandle());
        ::MoveToEx(hdc, m_textRect.left + GapWidth(hdc), m_textRect.top, nullptr);
        ::LineTo(hdc, m_textRect.right, m_textRect.top);
    }
    else if (mode != BackgroundOnly)
    {
        DrawPicture(hdc);
        DrawText(hdc);
    }
}

void CItemPainter::DrawFrame(HDC hdc, RECT& rect) const
{
    ::FillRect(hdc, &rect, static_cast<HBRUSH>(::GetStockObject(LTGRAY_BRUSH)));
    DrawEdge(hdc, FrameShadow, {rect.left + 1, rect.bottom - 1}, {rect.left + 1, rect.top + 1},
             {rect.right - 1, rect.top + 1});
    DrawEdge(hdc, FrameLight, {rect.right - 1, rect.top + 1}, {rect.right - 1, rect.bottom - 1},
             {rect.left + 1, rect.bottom - 1});
    ::InflateRect(&rect, -2, -2);
}

void CItemPainter::LayOut(HDC hdc, const RECT& item)
{
    m_textRect = item;
    m_textFormat = DT_LEFT | DT_WORDBREAK;
    if (!HasPicture())
        return;
    SIZE picture = PictureSize();
    int gap = GapWidth(hdc);
    int middleX = (item.left + item.right - picture.cx) / 2;
    int middleY = (item.top + item.bottom - picture.cy) / 2;
    switch (m_layout)
    {
    case PictureRight:
        m_textRect.right -= gap + picture.cx;
        m_pictureRect = {item.right - picture.cx, middleY, item.right, middleY + picture.cy};
        m_textFormat = DT_RIGHT | DT_WORDBREAK;
        break;
    case PictureAbove:
        m_pictureRect = {middleX, item.top, middleX + picture.cx, item.top + picture.cy};
        m_textRect.top = m_pictureRect.bottom + gap;
        m_textFormat = DT_CENTER | DT_WORDBREAK;
        break;
    case PictureBelow:
        m_pictureRect = {middleX, item.bottom - picture.cy, middleX + picture.cx, item.bottom};
        m_textRect.bottom = m_pictureRect.top - gap;
        m_textFormat = DT_CENTER | DT_WORDBREAK;
        break;
    default:
        m_pictureRect = {item.left, middleY, item.left + picture.cx, middleY + picture.cy};
        m_textRect.left += picture.cx;
        break;
    }
}

void CItemPainter::DrawPicture(HDC hdc)
{
    if (!HasPicture())
        return;
    if (m_dib)
    {
        m_dib->Draw(hdc, m_pictureRect);
        return;
    }
    CDC source;
    source.Attach(::CreateCompatibleDC(hdc));
    CSelectedObject selected(source, m_bitmap.GetSafeHandle());
    ::BitBlt(hdc, m_pictureRect.left, m_pictureRect.top, m_pictureRect.right - m_pictureRect.left,
             m_pictureRect.bottom - m_pictureRect.top, source, 0, 0, SRCCOPY);
}

void CItemPainter::DrawText(HDC hdc)
{
    ::SetTextColor(hdc, m_textColour);
    ::SetBkMode(hdc, TRANSPARENT);
    int separator = m_text.Find('|');
    if (separator >= 0)
        DrawColumns(hdc, separator);
    else
        DrawWrapped(hdc);
}

void CItemPainter::DrawColumns(HDC hdc, int separator)
{
    RECT row = m_textRect;
    row.bottom = std::max(row.bottom, row.top + MinimumColumnRowHeight);
    CString left = m_text.Left(separator);
    CString right = m_text.Mid(separator + 1);
    ::DrawTextA(hdc, left, left.GetLength(), &row, DT_LEFT | DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
    ::DrawTextA(hdc, right, right.GetLength(), &row, DT_RIGHT | DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
}

// Lines after the first are indented, so that a wrapped row reads as one entry.
void CItemPainter::DrawWrapped(HDC hdc)
{
    TEXTMETRICA metrics{};
    ::GetTextMetricsA(hdc, &metrics);
    RECT line = m_textRect;
    int indent = 0;
    for (const std::string& text : WrapLines(hdc, m_text, m_textRect.right - m_textRect.left))
    {
        line.left = m_textRect.left + indent;
        ::DrawTextA(hdc, text.c_str(), static_cast<int>(text.size()), &line,
                    (m_textFormat & ~DT_WORDBREAK) | DT_SINGLELINE | DT_NOPREFIX);
        line.top += metrics.tmHeight;
        indent = 2 * metrics.tmHeight;
    }
}
