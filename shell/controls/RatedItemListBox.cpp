#include "shell/controls/RatedItemListBox.h"

#include <windows.h>

namespace {

constexpr int RatedRowHeight = 20;
constexpr int RowTextCapacity = 256;

}  // namespace

CRatedItemListBox::CRatedItemListBox()
    : m_painter(CControlFontSpec(), ::GetSysColor(COLOR_WINDOW), ::GetSysColor(COLOR_HIGHLIGHT))
{
}

LPCSTR CRatedItemListBox::RatingPicture(LONG rating)
{
    switch (rating)
    {
    case -1: return "RTBAD";
    case 1: return "RTGOOD";
    case 2: return "RTGREAT";
    case 3: return "RTXCLNT";
    default: return "R";
    }
}

// Rating pictures need rows at least as high as the pictures.
void CRatedItemListBox::SetFontSpec(const CControlFontSpec& spec)
{
    m_fontSpec = spec;
    m_painter.m_font = spec;
    if (m_showRatings && SendMessage(LCM_GETITEMHEIGHT) < RatedRowHeight)
        SendMessage(LCM_SETITEMHEIGHT, 0, RatedRowHeight);
}

void CRatedItemListBox::SetColumnValues(int first, int second)
{
    m_columnValues[0] = first;
    m_columnValues[1] = second;
}

CString CRatedItemListBox::RowText(long row) const
{
    char text[RowTextCapacity] = "";
    LCITEMREQUEST request{};
    request.CtlID = static_cast<std::uint32_t>(GetDlgCtrlID());
    request.itemData = static_cast<std::uint32_t>(row);
    request.itemID = static_cast<std::int32_t>(row);
    request.pszText = text;
    SendMessage(LCM_GETTEXT, RowTextCapacity, reinterpret_cast<LPARAM>(&request));
    return text;
}

void CRatedItemListBox::DrawItem(tagDRAWITEMSTRUCT* lpDrawItemStruct)
{
    if (static_cast<int>(lpDrawItemStruct->itemID) < 0)
        return;
    long row = static_cast<long>(SendMessage(LCM_GETTOPINDEX)) + static_cast<long>(lpDrawItemStruct->itemID);
    CSortedRecipeListItem* item = m_showRatings ? GetItemAt(row) : nullptr;
    m_painter.SetText(RowText(row));
    m_painter.SetPicture(item ? RatingPicture(item->m_rating) : "");
    DRAWITEMSTRUCT drawn = *lpDrawItemStruct;
    RECT window;
    GetWindowRect(&window);
    drawn.rcItem.right = drawn.rcItem.left + (window.right - window.left) - ::GetSystemMetrics(SM_CXVSCROLL);
    m_painter.Draw(&drawn, CItemPainter::Everything);
}
