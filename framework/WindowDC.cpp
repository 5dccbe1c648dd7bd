#include "framework/WindowDC.h"

#include <windows.h>

#include "framework/Wnd.h"

CWindowDC::CWindowDC(CWnd* pWnd)
    : m_hWnd(pWnd != nullptr ? pWnd->m_hWnd : nullptr)
{
    Attach(::GetWindowDC(m_hWnd));
}

CWindowDC::~CWindowDC()
{
    ::ReleaseDC(m_hWnd, Detach());
}
