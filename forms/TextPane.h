#pragma once

#include <windows.h>

#include <memory>
#include <vector>

#include "forms/TextPageView.h"
#include "framework/Point.h"
#include "framework/PrintInfo.h"
#include "framework/Wnd.h"

class CPrinterOutput;

// The child window that shows a laid-out page. A print driver writes the page into the print
// job the pane hands out; the stored lines are laid out again in window mode on each paint, in
// scroll steps of 24 pixels, and their hot spots answer clicks. The item shown can be dragged
// onto the program's drop targets.
class CTextPane : public CWnd, public CTextPageView
{
public:
    static const int ScrollLineHeight = 24;

    CTextPane(CWnd* pParent, const RECT& rect);
    ~CTextPane() override;
    // The related-items panel's text pages.
    static std::unique_ptr<CTextPageView> MakePageView(CWnd* pParent, const RECT& rect);

    // The job a print driver lays the page out on. The output the driver records in it becomes
    // the pane's, and replaces an earlier page.
    CPrintInfo* GetPrintInfo() override;
    // Null until a driver wrote a page.
    CPrinterOutput* GetPageOutput() const;

    void EnableDrag(BOOL bEnable) { m_dragEnabled = bEnable; }
    BOOL IsDragging() const { return m_dragging; }
    void SetColors(COLORREF background, COLORREF text, COLORREF third, COLORREF fourth) override;
    void SetFont(int nHeight, UINT nFaceId) override;
    const char* GetSelectedHotSpot() const;
    int GetLineCount() const { return m_lineCount; }
    int GetTopLine() const;

    // Lays the visible part of the page out on hDC, which covers the client area.
    void Draw(HDC hDC);

protected:
    DECLARE_MESSAGE_MAP()
    void OnPaint();
    void OnVScroll(UINT nSBCode, UINT nPos, CWnd* pScrollBar);
    void OnDestroy();
    void OnLButtonDown(UINT nFlags, CPoint point);
    void OnLButtonUp(UINT nFlags, CPoint point);
    void OnLButtonDblClk(UINT nFlags, CPoint point);
    void OnMouseMove(UINT nFlags, CPoint point);
    void OnRButtonDown(UINT nFlags, CPoint point);
    void OnTimer(UINT_PTR nIDEvent);

private:
    void LayOutBlocks(HDC hDC);
    void SetScrollRangeFromHeight(int nPageHeight);
    int ScrollStep(UINT nSBCode, UINT nPos) const;
    bool SelectHotSpotAt(CPoint point);
    void EndDrag(CPoint point);
    void FreePage();

    CPrintInfo m_printInfo;
    int m_height = 0;
    int m_lineCount = 0;
    BOOL m_dragEnabled = FALSE;
    BOOL m_dragging = FALSE;
    COLORREF m_colours[4] = {RGB(255, 255, 255), RGB(0, 0, 0), RGB(0, 0, 0), RGB(255, 255, 255)};
    LOGFONTA m_fontOverride{};
    bool m_measuring = true;
    // The height each stored line took when last laid out, so that the lines above the window
    // are passed over without being laid out again.
    std::vector<int> m_blockHeights;
};
