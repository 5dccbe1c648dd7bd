#include "framework/PaintDC.h"

#include <windows.h>

#include "framework/Wnd.h"

static_assert(sizeof(CPaintDC::Paint) == sizeof(PAINTSTRUCT), "CPaintDC::Paint must match PAINTSTRUCT");

CPaintDC::CPaintDC(CWnd* pWnd) : m_ps(), m_hWnd(pWnd->m_hWnd)
{
    Attach(::BeginPaint(m_hWnd, reinterpret_cast<PAINTSTRUCT*>(&m_ps)));
}

CPaintDC::~CPaintDC()
{
    ::EndPaint(m_hWnd, reinterpret_cast<PAINTSTRUCT*>(&m_ps));
    Detach();
}
