#include "forms/ScrollWnd.h"

#include <windows.h>

#include <algorithm>

#include "framework/PaintDC.h"
#include "shell/graphics/LogFont.h"

BEGIN_MESSAGE_MAP(CScrollWnd, CWnd)
    ON_WM_CREATE()
    ON_WM_PAINT()
    ON_WM_VSCROLL()
END_MESSAGE_MAP()

CScrollWnd::CScrollWnd()
    : m_backColor(0xFFFFFF), m_textColor(0), m_thirdColor(0), m_fourthColor(0xFFFFFF), m_logFont{}, m_topLine(0),
      m_lineCount(1), m_height(0), m_width(0), m_lineHeight(1)
{
}

void CScrollWnd::SetColors(COLORREF background, COLORREF text, COLORREF third, COLORREF fourth)
{
    m_backColor = background;
    m_textColor = text;
    m_thirdColor = third;
    m_fourthColor = fourth;
}

void CScrollWnd::SetFont(int nHeight, UINT nFaceId)
{
    CLogFont logFont;
    logFont.SetFace(nFaceId);
    logFont.lfHeight = nHeight;
    m_logFont = logFont;
    m_font.DeleteObject();
    m_font.CreateFontIndirect(&m_logFont);
}

void CScrollWnd::ScrollLines(int nLines)
{
    const int newTop = std::max(0, std::min(m_topLine + nLines, m_lineCount));
    const int step = newTop - m_topLine;
    if (step == 0)
        return;
    m_topLine = newTop;
    ScrollWindow(0, -m_lineHeight * step);
    SetScrollPos(SB_VERT, m_topLine);
    AfterScroll();
}

void CScrollWnd::SetLineCount(int nLineCount)
{
    m_lineCount = std::max(1, nLineCount);
    SetScrollRange(SB_VERT, 0, m_lineCount, FALSE);
}

int CScrollWnd::OnCreate(tagCREATESTRUCTA* lpCreateStruct)
{
    if (CWnd::OnCreate(lpCreateStruct) == -1)
        return -1;
    CreateChildren();
    return 0;
}

void CScrollWnd::OnPaint()
{
    CPaintDC dc(this);
    dc.SetBkColor(m_backColor);
    dc.SetTextColor(m_textColor);
    dc.SetBkMode(TRANSPARENT);
    RECT client;
    GetClientRect(&client);
    dc.FillSolidRect(&client, m_backColor);
    SetScrollRange(SB_VERT, 0, m_lineCount, FALSE);
    SetScrollPos(SB_VERT, m_topLine);
}

void CScrollWnd::OnVScroll(UINT nSBCode, UINT nPos, CWnd* /*pScrollBar*/)
{
    ScrollLines(ScrollStep(nSBCode, nPos));
}

int CScrollWnd::ScrollStep(UINT nSBCode, UINT nPos) const
{
    const int page = std::max(1, m_height / m_lineHeight);
    switch (nSBCode)
    {
    case SB_LINEUP: return -1;
    case SB_LINEDOWN: return 1;
    case SB_PAGEUP: return -page;
    case SB_PAGEDOWN: return page;
    case SB_THUMBPOSITION:
    case SB_THUMBTRACK: return static_cast<int>(nPos) - m_topLine;
    default: return 0;
    }
}
