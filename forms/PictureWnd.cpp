#include "forms/PictureWnd.h"

#include <windows.h>

#include "framework/MessageMap.h"
#include "framework/PaintDC.h"

BEGIN_MESSAGE_MAP(CPictureWnd, CWnd)
    ON_WM_PAINT()
    ON_WM_LBUTTONUP()
    ON_WM_RBUTTONDOWN()
END_MESSAGE_MAP()

CPictureWnd::CPictureWnd(CWnd* pParent, const RECT& rect, BOOL bForwardClicks) : m_forwardClicks(bForwardClicks)
{
    Create(nullptr, "", WS_CHILD, rect, pParent, 0);
}

void CPictureWnd::OnPaint()
{
    CPaintDC dc(this);
    RECT client;
    GetClientRect(&client);
    ::FillRect(dc.m_hDC, &client, ::GetSysColorBrush(COLOR_BTNFACE));
    if (m_fileName.IsEmpty())
        return;
    HCURSOR previous = ::SetCursor(::LoadCursor(nullptr, IDC_WAIT));
    if (m_fileName != m_loadedName)
    {
        m_picture.LoadFile(m_fileName);
        m_loadedName = m_fileName;
    }
    m_picture.Draw(dc.m_hDC, client);
    ::SetCursor(previous);
}

void CPictureWnd::OnLButtonUp(UINT nFlags, CPoint point)
{
    if (m_forwardClicks)
        PassToParent(WM_LBUTTONUP, nFlags, point);
}

void CPictureWnd::OnRButtonDown(UINT nFlags, CPoint point)
{
    PassToParent(WM_RBUTTONDOWN, nFlags, point);
}

void CPictureWnd::PassToParent(UINT message, UINT nFlags, CPoint point)
{
    CWnd* pParent = GetParent();
    if (!pParent)
        return;
    POINT atParent{point.x, point.y};
    ::MapWindowPoints(m_hWnd, pParent->m_hWnd, &atParent, 1);
    pParent->SendMessage(message, nFlags, MAKELPARAM(atParent.x, atParent.y));
}
