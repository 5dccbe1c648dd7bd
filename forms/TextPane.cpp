#include "forms/TextPane.h"

#include <algorithm>

#include "framework/ClientDC.h"
#include "framework/MessageMap.h"
#include "framework/PaintDC.h"
#include "framework/String.h"
#include "printing/LayoutEngine.h"
#include "printing/PrinterOutput.h"
#include "res/resource.h"
#include "shell/controls/DropQuery.h"
#include "shell/settings/AppSettings.h"
#include "shell/settings/FontChangedFlag.h"

namespace {

constexpr UINT_PTR DragTimer = 2;

// Puts the pane's own font in the place of the print record's display font while the pane
// lays its page out, and the record's font back afterwards.
class CDisplayFontSwap
{
public:
    explicit CDisplayFontSwap(const LOGFONTA& font)
        : m_print(*g_pAppSettings->GetPrintRecord()), m_active(font.lfHeight > 0)
    {
        if (!m_active)
            return;
        m_savedFont = m_print.PrintFont();
        m_savedDefault = m_print.DefaultFont;
        m_print.DefaultFont = 0;
        m_print.PrintFont() = font;
    }
    ~CDisplayFontSwap()
    {
        if (!m_active)
            return;
        m_print.PrintFont() = m_savedFont;
        m_print.DefaultFont = m_savedDefault;
    }
    CDisplayFontSwap(const CDisplayFontSwap&) = delete;
    CDisplayFontSwap& operator=(const CDisplayFontSwap&) = delete;

private:
    PrintSettings& m_print;
    bool m_active;
    LOGFONTA m_savedFont{};
    std::int32_t m_savedDefault = 0;
};

}  // namespace

BEGIN_MESSAGE_MAP(CTextPane, CWnd)
    ON_WM_PAINT()
    ON_WM_VSCROLL()
    ON_WM_DESTROY()
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONUP()
    ON_WM_LBUTTONDBLCLK()
    ON_WM_MOUSEMOVE()
    ON_WM_RBUTTONDOWN()
    ON_WM_TIMER()
END_MESSAGE_MAP()

CTextPane::CTextPane(CWnd* pParent, const RECT& rect)
{
    Create(nullptr, "", WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_TABSTOP, rect, pParent, 0);
    RECT client{};
    GetClientRect(&client);
    m_height = client.bottom;
}

CTextPane::~CTextPane()
{
    FreePage();
}

std::unique_ptr<CTextPageView> CTextPane::MakePageView(CWnd* pParent, const RECT& rect)
{
    return std::make_unique<CTextPane>(pParent, rect);
}

CPrintInfo* CTextPane::GetPrintInfo()
{
    FreePage();
    return &m_printInfo;
}

CPrinterOutput* CTextPane::GetPageOutput() const
{
    return static_cast<CPrinterOutput*>(m_printInfo.m_lpUserData);
}

void CTextPane::FreePage()
{
    delete GetPageOutput();
    m_printInfo.m_lpUserData = nullptr;
    m_blockHeights.clear();
    m_lineCount = 0;
    m_measuring = true;
}

void CTextPane::SetColors(COLORREF background, COLORREF text, COLORREF third, COLORREF fourth)
{
    m_colours[0] = background;
    m_colours[1] = text;
    m_colours[2] = third;
    m_colours[3] = fourth;
}

void CTextPane::SetFont(int nHeight, UINT nFaceId)
{
    m_fontOverride.lfHeight = nHeight;
    CString face;
    face.LoadString(nFaceId);
    lstrcpynA(m_fontOverride.lfFaceName, face, LF_FACESIZE);
}

const char* CTextPane::GetSelectedHotSpot() const
{
    const CPrinterOutput* pOutput = GetPageOutput();
    return pOutput != nullptr ? pOutput->GetEngine().GetSelectedHotSpot() : nullptr;
}

int CTextPane::GetTopLine() const
{
    const CPrinterOutput* pOutput = GetPageOutput();
    return pOutput != nullptr ? pOutput->GetEngine().GetTopLine() : 0;
}

void CTextPane::OnPaint()
{
    if (HasFontChanged())
    {
        Invalidate(TRUE);
        SetFontChanged(FALSE);
    }
    if (GetPageOutput() == nullptr)
    {
        Default();
        return;
    }
    CPaintDC dc(this);
    Draw(dc.m_hDC);
}

void CTextPane::Draw(HDC hDC)
{
    if (GetPageOutput() == nullptr)
        return;
    ::SetBkColor(hDC, m_colours[0]);
    ::SetTextColor(hDC, m_colours[1]);
    ::SetBkMode(hDC, TRANSPARENT);
    CDisplayFontSwap fontSwap(m_fontOverride);
    RECT client{};
    GetClientRect(&client);
    HBRUSH hBackground = ::CreateSolidBrush(::GetBkColor(hDC));
    ::FillRect(hDC, &client, hBackground);
    ::DeleteObject(hBackground);
    LayOutBlocks(hDC);
}

void CTextPane::LayOutBlocks(HDC hDC)
{
    CLayoutEngine& engine = GetPageOutput()->GetEngine();
    const std::vector<CLayoutEngine::StoredLine>& lines = engine.GetStoredLines();
    m_blockHeights.resize(lines.size());
    const int nTop = engine.GetTopLine() * ScrollLineHeight;
    engine.SetMode(CLayoutEngine::WindowMode);
    engine.SetHotSpotColours(m_colours[0], m_colours[1], m_colours[2], m_colours[3]);
    engine.BeginDocument(nullptr, m_hWnd, hDC, nTop);
    int nPageHeight = 0;
    for (std::size_t i = 0; i < lines.size(); ++i)
    {
        if (!m_measuring && nPageHeight + m_blockHeights[i] <= nTop)
        {
            engine.SkipHeight(m_blockHeights[i]);
            nPageHeight += m_blockHeights[i];
            continue;
        }
        // The engine clears a one-line size in the format it is given: the stored one must keep it.
        CLineFormat format = lines[i].Format;
        m_blockHeights[i] = std::max(0, engine.LayoutText(lines[i].Text.c_str(), format, hDC));
        nPageHeight += m_blockHeights[i];
        if (!m_measuring && nPageHeight > nTop + m_height)
            break;
    }
    engine.EndDocument(0);
    if (m_measuring)
        SetScrollRangeFromHeight(nPageHeight);
}

void CTextPane::SetScrollRangeFromHeight(int nPageHeight)
{
    m_measuring = false;
    m_lineCount = std::max(1, nPageHeight / ScrollLineHeight - m_height / ScrollLineHeight + 2);
    SetScrollRange(SB_VERT, 0, m_lineCount, FALSE);
    SetScrollPos(SB_VERT, GetTopLine(), TRUE);
}

int CTextPane::ScrollStep(UINT nSBCode, UINT nPos) const
{
    const int nPage = m_height / ScrollLineHeight;
    switch (nSBCode)
    {
    case SB_LINEUP: return -1;
    case SB_LINEDOWN: return 1;
    case SB_PAGEUP: return nPage > 1 ? -nPage : -1;
    case SB_PAGEDOWN: return nPage > 1 ? nPage : 1;
    case SB_THUMBPOSITION: return static_cast<int>(nPos) - GetTopLine();
    default: return 0;
    }
}

void CTextPane::OnVScroll(UINT nSBCode, UINT nPos, CWnd* pScrollBar)
{
    if (CPrinterOutput* pOutput = GetPageOutput())
    {
        const int nTopLine = GetTopLine();
        const int nStep = std::clamp(ScrollStep(nSBCode, nPos), -nTopLine, m_lineCount - nTopLine);
        if (nStep != 0)
        {
            pOutput->GetEngine().SetTopLine(nTopLine + nStep);
            ScrollWindow(0, -ScrollLineHeight * nStep);
            SetScrollPos(SB_VERT, nTopLine + nStep, TRUE);
            UpdateWindow();
        }
    }
    CWnd::OnVScroll(nSBCode, nPos, pScrollBar);
}

void CTextPane::OnDestroy()
{
    CWnd::OnDestroy();
    FreePage();
}

bool CTextPane::SelectHotSpotAt(CPoint point)
{
    CClientDC dc(this);
    return GetPageOutput()->GetEngine().SelectHotSpotAt(point.x, point.y, dc.m_hDC) != 0;
}

void CTextPane::OnLButtonDown(UINT, CPoint point)
{
    if (GetPageOutput() == nullptr)
        return;
    if (m_dragEnabled)
    {
        m_dragging = TRUE;
        SetCapture();
        ShowDragCursor(IDC_DRAG_ROW);
    }
    if (SelectHotSpotAt(point))
        GetParent()->PostMessage(WM_COMMAND, ID_HOT_SPOT_SELECTED, 0);
}

void CTextPane::OnLButtonDblClk(UINT, CPoint point)
{
    if (GetPageOutput() != nullptr && SelectHotSpotAt(point))
        GetParent()->SendMessage(WM_COMMAND, ID_VIEW_HOT_SPOT, 0);
}

void CTextPane::OnRButtonDown(UINT nFlags, CPoint point)
{
    if (nFlags & MK_LBUTTON)
        return;
    POINT atParent = point;
    ::MapWindowPoints(m_hWnd, GetParent()->m_hWnd, &atParent, 1);
    GetParent()->PostMessage(WM_RBUTTONDOWN, nFlags, MAKELPARAM(atParent.x, atParent.y));
}

void CTextPane::OnMouseMove(UINT, CPoint point)
{
    if (!m_dragging)
        return;
    POINT screen = point;
    ClientToScreen(&screen);
    RECT own{};
    GetWindowRect(&own);
    if (::PtInRect(&own, screen))
        ShowDragCursor(IDC_DRAG_ROW);
    else if (::WindowFromPoint(screen) != nullptr)
        ShowDragCursor(AskDropTarget(screen) > 0 ? IDC_DRAG_ROW : IDC_NO_DROP);
}

void CTextPane::OnLButtonUp(UINT, CPoint point)
{
    if (m_dragging)
        EndDrag(point);
}

void CTextPane::EndDrag(CPoint point)
{
    m_dragging = FALSE;
    POINT screen = point;
    ClientToScreen(&screen);
    const LRESULT command = EndDragAt(screen);
    if (command > 0)
        GetParent()->SendMessage(WM_COMMAND, static_cast<WPARAM>(command), 0);
}

void CTextPane::OnTimer(UINT_PTR)
{
    KillTimer(DragTimer);
    if (!m_dragging)
        return;
    SetCapture();
    ShowDragCursor(IDC_DRAG_ROW);
}
