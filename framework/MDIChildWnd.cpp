#include "framework/MDIChildWnd.h"

#include <windows.h>

#include "framework/MDIFrameWnd.h"
#include "framework/WinApp.h"

IMPLEMENT_DYNCREATE(CMDIChildWnd, CFrameWnd)

BOOL CMDIChildWnd::PreCreateWindow(CREATESTRUCTA& cs)
{
    cs.style |= WS_CHILD;
    if (cs.lpszClass == nullptr)
        cs.lpszClass = AfxRegisterWndClass(CS_DBLCLKS, ::LoadCursorA(nullptr, IDC_ARROW),
                                           reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1));
    if (cs.cx == 0 && cs.cy == 0)
    {
        cs.x = cs.y = CW_USEDEFAULT;
        cs.cx = cs.cy = CW_USEDEFAULT;
    }
    return TRUE;
}

BOOL CMDIChildWnd::CreateFrame(LPCSTR lpszTitle, DWORD dwStyle, CWnd* pParentWnd)
{
    CWnd* pMain = pParentWnd != nullptr ? pParentWnd : AfxGetMainWnd();
    if (pMain == nullptr || !pMain->IsKindOf(RUNTIME_CLASS(CMDIFrameWnd)))
        return FALSE;
    HWND hClient = static_cast<CMDIFrameWnd*>(pMain)->m_hWndMDIClient;
    CREATESTRUCTA cs = {};
    cs.hInstance = AfxGetInstanceHandle();
    cs.hwndParent = hClient;
    cs.style = static_cast<LONG>(dwStyle);
    cs.lpszName = lpszTitle;
    if (!PreCreateWindow(cs))
        return FALSE;
    MDICREATESTRUCTA mcs = {
        cs.lpszClass, cs.lpszName, cs.hInstance, cs.x, cs.y, cs.cx, cs.cy, static_cast<DWORD>(cs.style), 0};
    HookWindowCreate(this);
    HWND hWnd = reinterpret_cast<HWND>(::SendMessageA(hClient, WM_MDICREATE, 0, reinterpret_cast<LPARAM>(&mcs)));
    UnhookWindowCreate();
    return hWnd != nullptr;
}

LRESULT CMDIChildWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    return ::DefMDIChildProcA(m_hWnd, message, wParam, lParam);
}

CMDIFrameWnd* CMDIChildWnd::GetMDIFrame() const
{
    CFrameWnd* pFrame = GetParentFrame();
    return pFrame != nullptr && pFrame->IsKindOf(RUNTIME_CLASS(CMDIFrameWnd)) ? static_cast<CMDIFrameWnd*>(pFrame)
                                                                              : nullptr;
}

void CMDIChildWnd::MDIActivate()
{
    ::SendMessageA(::GetParent(m_hWnd), WM_MDIACTIVATE, reinterpret_cast<WPARAM>(m_hWnd), 0);
}

BOOL CMDIChildWnd::DestroyWindow()
{
    if (m_hWnd == nullptr)
        return FALSE;
    // Through the client, which keeps its list of children right.
    ::SendMessageA(::GetParent(m_hWnd), WM_MDIDESTROY, reinterpret_cast<WPARAM>(m_hWnd), 0);
    return TRUE;
}

void CMDIChildWnd::ActivateFrame(int nCmdShow)
{
    ShowWindow(nCmdShow == -1 ? SW_SHOW : nCmdShow);
    MDIActivate();
}
