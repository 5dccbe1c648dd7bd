#include "forms/PictureWnd.h"

#include <windows.h>

#include "framework/MessageMap.h"
#include "framework/PaintDC.h"
#include "shell/graphics/DibImage.h"

namespace {

bool IsClick(UINT message)
{
    switch (message)
    {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP: return true;
    default: return false;
    }
}

}  // namespace

BEGIN_MESSAGE_MAP(CPictureWnd, CWnd)
    ON_WM_PAINT()
END_MESSAGE_MAP()

CPictureWnd::CPictureWnd(CWnd* pParent, const RECT& rect, BOOL bVisible)
{
    Create(nullptr, "", WS_CHILD | (bVisible ? WS_VISIBLE : 0), rect, pParent, 0);
}

CPictureWnd::~CPictureWnd() = default;

LRESULT CPictureWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (!IsClick(message))
        return CWnd::WindowProc(message, wParam, lParam);
    PassToParent(message, wParam, lParam);
    return 0;
}

void CPictureWnd::PassToParent(UINT message, WPARAM wParam, LPARAM lParam)
{
    CWnd* pParent = GetParent();
    if (!pParent)
        return;
    POINT point{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
    ::MapWindowPoints(m_hWnd, pParent->m_hWnd, &point, 1);
    pParent->SendMessage(message, wParam, MAKELPARAM(point.x, point.y));
}

void CPictureWnd::LoadNamedPicture()
{
    CString name;
    GetWindowText(name);
    if (m_picture && name == m_loadedName)
        return;
    m_loadedName = name;
    m_picture = std::make_unique<CDibImage>();
    if (!name.IsEmpty())
        m_picture->LoadFile(name);
}

void CPictureWnd::OnPaint()
{
    CPaintDC dc(this);
    RECT client;
    GetClientRect(&client);
    ::FillRect(dc.m_hDC, &client, ::GetSysColorBrush(COLOR_BTNFACE));
    LoadNamedPicture();
    m_picture->Draw(dc.m_hDC, client);
}
