#include "shell/app/SplashWnd.h"

#include <windows.h>

#include "framework/DC.h"
#include "framework/PaintDC.h"
#include "framework/SelectedObject.h"
#include "res/resource.h"

namespace {
const UINT_PTR kCloseTimer = 10;
const UINT kShowMilliseconds = 5000;
}  // namespace

BEGIN_MESSAGE_MAP(CSplashWnd, CWnd)
    ON_WM_PAINT()
    ON_WM_TIMER()
    ON_WM_LBUTTONDOWN()
END_MESSAGE_MAP()

CSplashWnd::CSplashWnd()
{
    m_picture.LoadBitmap(IDB_SPLASH);
}

CSplashWnd::CSplashWnd(LPCSTR lpszClassName, LPCSTR lpszTitle, DWORD dwStyle) : CSplashWnd()
{
    Create(lpszClassName, lpszTitle, dwStyle);
}

BOOL CSplashWnd::Create(LPCSTR, LPCSTR lpszWindowName, DWORD dwStyle, const RECT&, CWnd*, UINT, void*)
{
    BITMAP picture = {};
    if (m_picture.m_hObject == nullptr || !m_picture.GetBitmap(&picture))
        return FALSE;
    const int x = (::GetSystemMetrics(SM_CXSCREEN) - picture.bmWidth) / 2;
    const int y = (::GetSystemMetrics(SM_CYSCREEN) - picture.bmHeight) / 2;
    const CRect rect(x, y, x + picture.bmWidth, y + picture.bmHeight);
    if (!CreateEx(WS_EX_TOPMOST, nullptr, lpszWindowName, dwStyle | WS_POPUP, rect, nullptr, 0))
        return FALSE;
    SetTimer(kCloseTimer, kShowMilliseconds);
    return TRUE;
}

BOOL CSplashWnd::DestroyWindow()
{
    m_picture.DeleteObject();
    return m_hWnd != nullptr ? CWnd::DestroyWindow() : FALSE;
}

void CSplashWnd::OnPaint()
{
    CPaintDC dc(this);
    BITMAP picture = {};
    if (m_picture.m_hObject == nullptr || !m_picture.GetBitmap(&picture))
        return;
    CDC memory;
    memory.CreateCompatibleDC(&dc);
    CSelectedObject selected(memory, m_picture.m_hObject);
    ::BitBlt(dc.m_hDC, 0, 0, picture.bmWidth, picture.bmHeight, memory, 0, 0, SRCCOPY);
}

void CSplashWnd::OnTimer(UINT_PTR nIDEvent)
{
    if (nIDEvent != kCloseTimer)
        return;
    KillTimer(kCloseTimer);
    DestroyWindow();
}

void CSplashWnd::OnLButtonDown(UINT, CPoint)
{
    DestroyWindow();
}
