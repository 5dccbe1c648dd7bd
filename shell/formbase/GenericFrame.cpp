#include "shell/formbase/GenericFrame.h"

#include <windows.h>

#include "shell/formbase/FormManager.h"

IMPLEMENT_DYNCREATE(CGenericFrame, CMDIChildWnd)

BOOL CGenericFrame::PreCreateWindow(CREATESTRUCTA& cs)
{
    cs.style = WS_CHILD | WS_VISIBLE;
    CRect area;
    if (g_pFormManager != nullptr)
        area = g_pFormManager->GetClientArea();
    cs.x = 0;
    cs.y = area.top;
    cs.cx = area.right;
    cs.cy = area.Height();
    cs.lpszClass =
        AfxRegisterWndClass(0, ::LoadCursorA(nullptr, IDC_ARROW), static_cast<HBRUSH>(::GetStockObject(LTGRAY_BRUSH)));
    return CMDIChildWnd::PreCreateWindow(cs);
}
