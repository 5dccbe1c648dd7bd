#include "shell/controls/OwnerDrawDragList.h"

#include <algorithm>

#include <windows.h>

#include "framework/ClientDC.h"
#include "framework/Font.h"
#include "framework/SelectedObject.h"
#include "shell/graphics/WordWrap.h"

namespace {

constexpr COLORREF DefaultNormal = 0xA0FFFF;
constexpr COLORREF DefaultSelected = 0xFFC080;
constexpr int PictureWidth = 16;
constexpr int PictureGap = 36;

}  // namespace

COwnerDrawDragList::COwnerDrawDragList(const CControlFontSpec& font)
    : m_painter(font, DefaultNormal, DefaultSelected), m_font(font)
{
}

LPCSTR COwnerDrawDragList::PictureOfKind(WORD kind)
{
    switch (kind)
    {
    case 100: return "R";
    case 101: return "RP";
    case 200: return "M";
    case 300: return "C";
    default: return "";
    }
}

void COwnerDrawDragList::SetColors(COLORREF normal, COLORREF selected)
{
    m_painter.SetColours(normal, selected);
}

void COwnerDrawDragList::DrawItem(tagDRAWITEMSTRUCT* lpDrawItemStruct)
{
    int item = static_cast<int>(lpDrawItemStruct->itemID);
    if (item < 0 || item >= GetCount())
        return;
    CString text;
    GetText(item, text);
    DrawRow(lpDrawItemStruct, text, CItemPainter::Everything);
}

void COwnerDrawDragList::DrawRow(const tagDRAWITEMSTRUCT* lpDrawItemStruct, LPCSTR lpszText, int mode)
{
    m_painter.SetText(lpszText);
    m_painter.SetPicture(RowPicture(lpDrawItemStruct->itemData));
    DRAWITEMSTRUCT drawn = *lpDrawItemStruct;
    RECT window;
    GetWindowRect(&window);
    drawn.rcItem.right = drawn.rcItem.left + (window.right - window.left) - ::GetSystemMetrics(SM_CXVSCROLL);
    m_painter.Draw(&drawn, mode);
}

LPCSTR COwnerDrawDragList::RowPicture(DWORD_PTR itemData) const
{
    return m_showPictures ? PictureOfKind(HIWORD(static_cast<DWORD>(itemData))) : "";
}

int COwnerDrawDragList::TextWidth() const
{
    RECT window;
    GetWindowRect(&window);
    int width = (window.right - window.left) - ::GetSystemMetrics(SM_CXVSCROLL);
    return m_showPictures ? width - PictureWidth - PictureGap : width;
}

void COwnerDrawDragList::MeasureItem(tagMEASUREITEMSTRUCT* lpMeasureItemStruct)
{
    CString text;
    if (static_cast<int>(lpMeasureItemStruct->itemID) < GetCount())
        GetText(static_cast<int>(lpMeasureItemStruct->itemID), text);
    CClientDC dc(this);
    CFont font;
    font.CreateFontIndirect(&m_font.m_logFont);
    CSelectedObject selected(dc, font.GetSafeHandle());
    TEXTMETRICA metrics{};
    ::GetTextMetricsA(dc, &metrics);
    std::size_t lines = std::max<std::size_t>(1, WrapLines(dc, text, TextWidth()).size());
    lpMeasureItemStruct->itemHeight = static_cast<UINT>(lines * static_cast<std::size_t>(metrics.tmHeight));
}

void COwnerDrawDragList::SaveScrollState()
{
    m_savedSelection = GetCurSel();
    m_savedTop = GetTopIndex();
}

// A list that shrank meanwhile shows its last rows rather than an empty page.
void COwnerDrawDragList::RestoreScrollState()
{
    int count = GetCount();
    int top = m_savedTop;
    if (top >= count)
    {
        top = count - 2;
        if (top < 1)
            top = 0;
    }
    SetTopIndex(top);
    if (m_savedSelection >= top && m_savedSelection <= count - 1)
        SetCurSel(m_savedSelection);
}
