#include "shell/controls/PrintFontListBox.h"

#include <cstring>

#include <windows.h>

#include "framework/ClientDC.h"
#include "framework/Font.h"
#include "framework/SelectedObject.h"
#include "shell/controls/PrintedLine.h"
#include "shell/settings/AppSettings.h"

namespace {

constexpr int PointsPerInch = 72;

int LineHeight(const LOGFONTA& logFont)
{
    CClientDC screen(nullptr);
    CFont font;
    font.CreateFontIndirect(&logFont);
    CSelectedObject selected(screen, font.GetSafeHandle());
    TEXTMETRICA metrics{};
    ::GetTextMetricsA(screen, &metrics);
    return metrics.tmHeight;
}

}  // namespace

// A negative height in the settings keeps the size in points, ten times over, in the width:
// it becomes a height in pixels of this screen.
void CPrintFontListBox::ApplyPrintFont(const PrintSettings& print)
{
    LOGFONTA& logFont = m_font.m_logFont;
    logFont.lfHeight = print.FontHeight;
    logFont.lfWidth = print.FontWidth;
    std::memcpy(logFont.lfFaceName, print.FontFace, sizeof logFont.lfFaceName);
    logFont.lfFaceName[sizeof logFont.lfFaceName - 1] = '\0';
    if (logFont.lfHeight < 0)
    {
        HDC hdc = ::GetDC(nullptr);
        int points = print.FontWidth / -10;
        logFont.lfHeight = -::MulDiv(points, ::GetDeviceCaps(hdc, LOGPIXELSY), PointsPerInch);
        logFont.lfWidth = 0;
        ::ReleaseDC(nullptr, hdc);
    }
    m_painter.m_font = m_font;
}

void CPrintFontListBox::DrawItem(tagDRAWITEMSTRUCT* lpDrawItemStruct)
{
    int item = static_cast<int>(lpDrawItemStruct->itemID);
    auto* line = reinterpret_cast<const CPrintedLine*>(lpDrawItemStruct->itemData);
    if (item < 0 || item >= GetCount() || line == nullptr)
    {
        COwnerDrawDragList::DrawItem(lpDrawItemStruct);
        return;
    }
    DrawRow(lpDrawItemStruct, line->LineText(), line->LineValue());
}

void CPrintFontListBox::MeasureItem(tagMEASUREITEMSTRUCT* lpMeasureItemStruct)
{
    CString text;
    if (static_cast<int>(lpMeasureItemStruct->itemID) < GetCount())
        GetText(static_cast<int>(lpMeasureItemStruct->itemID), text);
    if (text == "__")
        lpMeasureItemStruct->itemHeight = 1;
    else if (text == " ")
        lpMeasureItemStruct->itemHeight = static_cast<UINT>(LineHeight(m_font.m_logFont) / 2);
    else
        COwnerDrawDragList::MeasureItem(lpMeasureItemStruct);
}
