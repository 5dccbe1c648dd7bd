#include "shell/controls/RatingMenu.h"

#include <algorithm>

#include <windows.h>

namespace {

constexpr int MinimumItemHeight = 20;
constexpr int PictureAllowance = 36;
constexpr COLORREF NormalColour = 0xFFFFFF;
constexpr COLORREF SelectedColour = 0xFFC080;

CControlFontSpec RatingFont()
{
    return CControlFontSpec(0, 14, 0, 600);
}

CString ItemText(UINT commandId)
{
    CString text;
    text.LoadString(commandId);
    return text;
}

} // namespace

CRatingMenu::CRatingMenu()
    : m_painter(RatingFont(), NormalColour, SelectedColour)
{
    CreatePopupMenu();
    for (UINT id = FirstCommand; id <= LastCommand; ++id)
        AppendMenu(MF_OWNERDRAW, id, reinterpret_cast<LPCSTR>(static_cast<UINT_PTR>(id)));
}

LONG CRatingMenu::RatingOf(UINT commandId)
{
    return 3 - static_cast<LONG>(commandId - FirstCommand);
}

LPCSTR CRatingMenu::PictureOf(UINT commandId)
{
    switch (commandId) {
    case 563: return "RTXCLNT";
    case 564: return "RTGREAT";
    case 565: return "RTGOOD";
    case 567: return "RTBAD";
    default: return "R";
    }
}

SIZE CRatingMenu::ItemSize(SIZE text, int letter)
{
    return SIZE{text.cx + letter + PictureAllowance, std::max<LONG>(text.cy, MinimumItemHeight)};
}

void CRatingMenu::MeasureItem(tagMEASUREITEMSTRUCT* lpMeasureItemStruct)
{
    CString text = ItemText(lpMeasureItemStruct->itemID);
    HDC hdc = ::GetDC(nullptr);
    HFONT font = ::CreateFontIndirectA(&m_painter.m_font.m_logFont);
    HGDIOBJ previous = ::SelectObject(hdc, font);
    SIZE textSize{};
    SIZE letter{};
    ::GetTextExtentPoint32A(hdc, text, text.GetLength(), &textSize);
    ::GetTextExtentPoint32A(hdc, "c", 1, &letter);
    ::SelectObject(hdc, previous);
    ::DeleteObject(font);
    ::ReleaseDC(nullptr, hdc);
    SIZE item = ItemSize(textSize, letter.cx);
    lpMeasureItemStruct->itemWidth = static_cast<UINT>(item.cx);
    lpMeasureItemStruct->itemHeight = static_cast<UINT>(item.cy);
}

void CRatingMenu::DrawItem(tagDRAWITEMSTRUCT* lpDrawItemStruct)
{
    m_painter.SetPicture(PictureOf(lpDrawItemStruct->itemID));
    m_painter.SetText(ItemText(lpDrawItemStruct->itemID));
    m_painter.Draw(lpDrawItemStruct, CItemPainter::Everything);
}
