#include "shell/RatingMenu.h"

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

// One row per item, in menu order from CRatingMenu::FirstCommand; the name is the string of the command.
struct RatingItem
{
    LONG rating;
    LPCSTR picture;
};

constexpr RatingItem Items[] = {{3, "RTXCLNT"}, {2, "RTGREAT"}, {1, "RTGOOD"}, {0, "R"}, {-1, "RTBAD"}};
static_assert(sizeof Items / sizeof Items[0] == CRatingMenu::LastCommand - CRatingMenu::FirstCommand + 1,
              "one row per rating command");

const RatingItem& ItemOf(UINT commandId)
{
    return Items[commandId - CRatingMenu::FirstCommand];
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
    return ItemOf(commandId).rating;
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
    lpMeasureItemStruct->itemWidth = static_cast<UINT>(textSize.cx + letter.cx + PictureAllowance);
    lpMeasureItemStruct->itemHeight = static_cast<UINT>(std::max<LONG>(textSize.cy, MinimumItemHeight));
}

void CRatingMenu::DrawItem(tagDRAWITEMSTRUCT* lpDrawItemStruct)
{
    m_painter.SetPicture(ItemOf(lpDrawItemStruct->itemID).picture);
    m_painter.SetText(ItemText(lpDrawItemStruct->itemID));
    m_painter.Draw(lpDrawItemStruct, CItemPainter::Everything);
}
