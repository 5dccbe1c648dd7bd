#pragma once

#include "framework/Size.h"
#include "framework/View.h"

// A view larger than its window: scroll bars appear along the sides where
// the total size exceeds the client area, and scrolling moves the contents.
class CScrollView : public CView
{
    DECLARE_DYNAMIC(CScrollView)
public:
    // Only MM_TEXT (pixels) is used.
    void SetScrollSizes(int nMapMode, SIZE sizeTotal);
    CSize GetTotalSize() const { return m_totalSize; }
    CPoint GetScrollPosition() const;

protected:
    CScrollView() = default;
    DECLARE_MESSAGE_MAP()

    void UpdateBars();
    void OnSize(UINT nType, int cx, int cy);
    void OnVScroll(UINT nSBCode, UINT nPos, CWnd* pScrollBar);
    void OnHScroll(UINT nSBCode, UINT nPos, CWnd* pScrollBar);

private:
    void ScrollTo(int nBar, int nPos);

    CSize m_totalSize;
};
