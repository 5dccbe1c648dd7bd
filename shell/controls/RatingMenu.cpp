#include "shell/controls/RatingMenu.h"

#include <algorithm>

#include <windows.h>

#include "framework/ClientDC.h"
#include "framework/Font.h"
#include "framework/SelectedObject.h"

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

}  // namespace

CRatingMenu::CRatingMenu() : m_painter(RatingFont(), NormalColour, SelectedColour)
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
    SIZE textSize{};
    SIZE letter{};
    {
        CClientDC screen(nullptr);
        CFont font;
        font.CreateFontIndirect(&m_painter.m_font.m_logFont);
        CSelectedObject selected(screen, font.GetSafeHandle());
        ::GetTextExtentPoint32A(screen, text, text.GetLength(), &textSize);
        ::GetTextExtentPoint32A(screen, "c", 1, &letter);
    }
    lpMeasureItemStruct->itemWidth = static_cast<UINT>(textSize.cx + letter.cx + PictureAllowance);
    lpMeasureItemStruct->itemHeight = static_cast<UINT>(std::max<LONG>(textSize.cy, MinimumItemHeight));
}

void CRatingMenu::DrawItem(tagDRAWITEMSTRUCT* lpDrawItemStruct)
{
    m_painter.SetPicture(ItemOf(lpDrawItemStruct->itemID).picture);
    m_painter.SetText(ItemText(lpDrawItemStruct->itemID));
    m_painter.Draw(lpDrawItemStruct, CItemPainter::Everything);
}
