#include "framework/ScrollView.h"

#include <windows.h>

#include <algorithm>

IMPLEMENT_DYNAMIC(CScrollView, CView)

BEGIN_MESSAGE_MAP(CScrollView, CView)
    ON_WM_SIZE()
    ON_WM_VSCROLL()
    ON_WM_HSCROLL()
END_MESSAGE_MAP()

namespace {

const int kLineStep = 16;

}  // namespace

void CScrollView::SetScrollSizes(int, SIZE sizeTotal)
{
    m_totalSize = sizeTotal;
    UpdateBars();
}

CPoint CScrollView::GetScrollPosition() const
{
    return CPoint(GetScrollPos(SB_HORZ), GetScrollPos(SB_VERT));
}

void CScrollView::UpdateBars()
{
    if (m_hWnd == nullptr)
        return;
    CRect client;
    GetClientRect(&client);
    const struct
    {
        int nBar;
        int nTotal;
        int nPage;
    } bars[] = {{SB_HORZ, m_totalSize.cx, client.Width()}, {SB_VERT, m_totalSize.cy, client.Height()}};
    for (const auto& bar : bars)
    {
        SCROLLINFO info = {};
        info.cbSize = sizeof info;
        info.fMask = SIF_RANGE | SIF_PAGE;
        info.nMax = bar.nTotal > bar.nPage ? bar.nTotal - 1 : 0;
        info.nPage = bar.nTotal > bar.nPage ? static_cast<UINT>(bar.nPage) : 0;
        if (bar.nTotal <= bar.nPage)
            ScrollTo(bar.nBar, 0);
        ::SetScrollInfo(m_hWnd, bar.nBar, &info, TRUE);
    }
}

void CScrollView::OnSize(UINT nType, int cx, int cy)
{
    CView::OnSize(nType, cx, cy);
    UpdateBars();
}

void CScrollView::ScrollTo(int nBar, int nPos)
{
    SCROLLINFO info = {};
    info.cbSize = sizeof info;
    info.fMask = SIF_ALL;
    ::GetScrollInfo(m_hWnd, nBar, &info);
    const int nLast = std::max(0, info.nMax - static_cast<int>(info.nPage) + 1);
    nPos = std::clamp(nPos, 0, nLast);
    const int nDelta = info.nPos - nPos;
    if (nDelta == 0)
        return;
    SetScrollPos(nBar, nPos);
    if (nBar == SB_HORZ)
        ScrollWindow(nDelta, 0);
    else
        ScrollWindow(0, nDelta);
}

namespace {

int NewScrollPos(HWND hWnd, int nBar, UINT nSBCode, UINT nTrackPos)
{
    SCROLLINFO info = {};
    info.cbSize = sizeof info;
    info.fMask = SIF_ALL;
    ::GetScrollInfo(hWnd, nBar, &info);
    switch (nSBCode)
    {
    case SB_LINEUP: return info.nPos - kLineStep;
    case SB_LINEDOWN: return info.nPos + kLineStep;
    case SB_PAGEUP: return info.nPos - static_cast<int>(info.nPage);
    case SB_PAGEDOWN: return info.nPos + static_cast<int>(info.nPage);
    case SB_TOP: return 0;
    case SB_BOTTOM: return info.nMax;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: return static_cast<int>(nTrackPos);
    default: return info.nPos;
    }
}

}  // namespace

void CScrollView::OnVScroll(UINT nSBCode, UINT nPos, CWnd* pScrollBar)
{
    if (pScrollBar != nullptr)
    {
        CView::OnVScroll(nSBCode, nPos, pScrollBar);
        return;
    }
    ScrollTo(SB_VERT, NewScrollPos(m_hWnd, SB_VERT, nSBCode, nPos));
}

void CScrollView::OnHScroll(UINT nSBCode, UINT nPos, CWnd* pScrollBar)
{
    if (pScrollBar != nullptr)
    {
        CView::OnHScroll(nSBCode, nPos, pScrollBar);
        return;
    }
    ScrollTo(SB_HORZ, NewScrollPos(m_hWnd, SB_HORZ, nSBCode, nPos));
}
