#include "framework/MDIFrameWnd.h"

#include <windows.h>

#include "framework/MDIChildWnd.h"
#include "framework/StandardIds.h"
#include "framework/WinApp.h"

IMPLEMENT_DYNCREATE(CMDIFrameWnd, CFrameWnd)

BEGIN_MESSAGE_MAP(CMDIFrameWnd, CFrameWnd)
    ON_WM_CREATE()
END_MESSAGE_MAP()

int CMDIFrameWnd::OnCreate(CREATESTRUCTA* lpCreateStruct)
{
    if (CFrameWnd::OnCreate(lpCreateStruct) == -1)
        return -1;
    CLIENTCREATESTRUCT ccs = {nullptr, AFX_IDM_FIRST_MDICHILD};
    // The client is the frame's pane, so the frame's layout sizes it.
    m_hWndMDIClient = ::CreateWindowExA(
        0, "MDICLIENT", nullptr, WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | MDIS_ALLCHILDSTYLES, 0, 0, 0, 0, m_hWnd,
        reinterpret_cast<HMENU>(static_cast<UINT_PTR>(AFX_IDW_PANE_FIRST)), AfxGetInstanceHandle(), &ccs);
    if (m_hWndMDIClient == nullptr)
        return -1;
    RecalcLayout();
    return 0;
}

LRESULT CMDIFrameWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    return ::DefFrameProcA(m_hWnd, m_hWndMDIClient, message, wParam, lParam);
}

CMDIChildWnd* CMDIFrameWnd::MDIGetActive() const
{
    if (m_hWndMDIClient == nullptr)
        return nullptr;
    HWND hChild = reinterpret_cast<HWND>(::SendMessageA(m_hWndMDIClient, WM_MDIGETACTIVE, 0, 0));
    CWnd* pChild = FromHandlePermanent(hChild);
    return pChild != nullptr && pChild->IsKindOf(RUNTIME_CLASS(CMDIChildWnd)) ? static_cast<CMDIChildWnd*>(pChild)
                                                                              : nullptr;
}

void CMDIFrameWnd::MDIActivate(CWnd* pWndActivate)
{
    ::SendMessageA(m_hWndMDIClient, WM_MDIACTIVATE, reinterpret_cast<WPARAM>(pWndActivate->m_hWnd), 0);
}

CFrameWnd* CMDIFrameWnd::GetActiveFrame()
{
    CMDIChildWnd* pChild = MDIGetActive();
    return pChild != nullptr ? static_cast<CFrameWnd*>(pChild) : this;
}

BOOL CMDIFrameWnd::OnCmdMsg(Call& call)
{
    CMDIChildWnd* pChild = MDIGetActive();
    if (pChild != nullptr && pChild->OnCmdMsg(call))
        return TRUE;
    return CFrameWnd::OnCmdMsg(call);
}
