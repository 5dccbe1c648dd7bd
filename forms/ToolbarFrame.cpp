#include "forms/ToolbarFrame.h"

#include <windows.h>

IMPLEMENT_DYNCREATE(CToolbarFrame, CMDIChildWnd)

BOOL CToolbarFrame::PreCreateWindow(CREATESTRUCTA& cs)
{
    cs.style = WS_CHILD | WS_VISIBLE;
    // The tool bar gives its frame its size when it opens.
    cs.x = 0;
    cs.y = 0;
    cs.cx = 1;
    cs.cy = 1;
    cs.lpszClass =
        AfxRegisterWndClass(0, ::LoadCursorA(nullptr, IDC_ARROW), static_cast<HBRUSH>(::GetStockObject(LTGRAY_BRUSH)));
    return CMDIChildWnd::PreCreateWindow(cs);
}
