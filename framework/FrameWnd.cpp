#include "framework/FrameWnd.h"

#include <windows.h>

#include "framework/CmdUI.h"
#include "framework/CreateContext.h"
#include "framework/Document.h"
#include "framework/Menu.h"
#include "framework/StandardIds.h"
#include "framework/View.h"
#include "framework/WinApp.h"

IMPLEMENT_DYNCREATE(CFrameWnd, CWnd)

BEGIN_MESSAGE_MAP(CFrameWnd, CWnd)
    ON_WM_CREATE()
    ON_WM_SIZE()
    ON_WM_INITMENUPOPUP()
END_MESSAGE_MAP()

BOOL CFrameWnd::LoadFrame(UINT nIDResource, DWORD dwDefaultStyle, CWnd* pParentWnd, CCreateContext* pContext)
{
    m_nIDResource = nIDResource;
    CString title;
    if (!title.LoadString(nIDResource))
        title = AfxGetAppName();
    m_hAccelTable = ::LoadAcceleratorsA(AfxGetResourceHandle(), MAKEINTRESOURCEA(nIDResource));
    m_pCreateContext = pContext;
    return CreateFrame(title, dwDefaultStyle & ~FWS_ADDTOTITLE, pParentWnd);
}

BOOL CFrameWnd::CreateFrame(LPCSTR lpszTitle, DWORD dwStyle, CWnd* pParentWnd)
{
    CREATESTRUCTA cs = {};
    cs.hInstance = AfxGetInstanceHandle();
    cs.hMenu = ::LoadMenuA(cs.hInstance, MAKEINTRESOURCEA(m_nIDResource));
    cs.hwndParent = pParentWnd != nullptr ? pParentWnd->m_hWnd : nullptr;
    cs.style = static_cast<LONG>(dwStyle);
    cs.lpszName = lpszTitle;
    HMENU hMenu = cs.hMenu;
    if (CreateFromStruct(cs))
        return TRUE;
    // The menu went to no window; the object may be gone already.
    if (hMenu != nullptr && ::IsMenu(hMenu))
        ::DestroyMenu(hMenu);
    return FALSE;
}

BOOL CFrameWnd::PreCreateWindow(CREATESTRUCTA& cs)
{
    if (cs.lpszClass == nullptr)
    {
        HICON hIcon = ::LoadIconA(AfxGetResourceHandle(), MAKEINTRESOURCEA(m_nIDResource));
        cs.lpszClass = AfxRegisterWndClass(CS_DBLCLKS, ::LoadCursorA(nullptr, IDC_ARROW),
                                           reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1), hIcon);
    }
    if (cs.cx == 0 && cs.cy == 0)
    {
        cs.x = CW_USEDEFAULT;
        cs.cx = CW_USEDEFAULT;
    }
    return TRUE;
}

int CFrameWnd::OnCreate(CREATESTRUCTA*)
{
    if (Default() == -1)
        return -1;
    CCreateContext* pContext = m_pCreateContext;
    m_pCreateContext = nullptr;
    if (pContext != nullptr && pContext->m_pNewViewClass != nullptr && !CreateView(pContext))
        return -1;
    RecalcLayout();
    return 0;
}

BOOL CFrameWnd::CreateView(CCreateContext* pContext)
{
    CObject* pObject = pContext->m_pNewViewClass->CreateObject();
    if (pObject == nullptr || !pObject->IsKindOf(RUNTIME_CLASS(CWnd)))
    {
        delete pObject;
        return FALSE;
    }
    const RECT rect = {0, 0, 0, 0};
    return static_cast<CWnd*>(pObject)->Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, rect, this, AFX_IDW_PANE_FIRST,
                                               pContext);
}

void CFrameWnd::InitialUpdateFrame(CDocument*, BOOL bMakeVisible)
{
    if (m_pViewActive == nullptr)
    {
        CWnd* pPane = FromHandlePermanent(::GetDlgItem(m_hWnd, AFX_IDW_PANE_FIRST));
        if (pPane != nullptr && pPane->IsKindOf(RUNTIME_CLASS(CView)))
            SetActiveView(static_cast<CView*>(pPane));
    }
    if (m_pViewActive != nullptr)
        m_pViewActive->OnInitialUpdate();
    if (bMakeVisible)
    {
        ActivateFrame();
        UpdateWindow();
    }
}

void CFrameWnd::ActivateFrame(int nCmdShow)
{
    ShowWindow(nCmdShow == -1 ? SW_SHOW : nCmdShow);
    BringWindowToTop();
}

void CFrameWnd::SetActiveView(CView* pViewNew)
{
    m_pViewActive = pViewNew;
}

CDocument* CFrameWnd::GetActiveDocument() const
{
    return m_pViewActive != nullptr ? m_pViewActive->GetDocument() : nullptr;
}

CFrameWnd* CFrameWnd::GetActiveFrame()
{
    return this;
}

void CFrameWnd::RecalcLayout()
{
    HWND hPane = ::GetDlgItem(m_hWnd, AFX_IDW_PANE_FIRST);
    if (hPane == nullptr)
        return;
    RECT client;
    ::GetClientRect(m_hWnd, &client);
    ::MoveWindow(hPane, 0, 0, client.right, client.bottom, TRUE);
}

void CFrameWnd::OnSize(UINT nType, int, int)
{
    Default();
    if (nType != SIZE_MINIMIZED)
        RecalcLayout();
}

void CFrameWnd::OnInitMenuPopup(CMenu* pPopupMenu, UINT, BOOL bSysMenu)
{
    Default();
    if (!bSysMenu)
        CCmdUI::UpdateMenu(pPopupMenu, this);
}

BOOL CFrameWnd::OnCmdMsg(Call& call)
{
    if (m_pViewActive != nullptr && m_pViewActive->OnCmdMsg(call))
        return TRUE;
    if (CWnd::OnCmdMsg(call))
        return TRUE;
    // Only the outermost frame hands on to the application, so that it is asked once.
    return GetParentFrame() == nullptr && AfxGetApp() != nullptr && AfxGetApp()->OnCmdMsg(call);
}

BOOL CFrameWnd::PreTranslateMessage(MSG* pMsg)
{
    return pMsg->message >= WM_KEYFIRST && pMsg->message <= WM_KEYLAST && m_hAccelTable != nullptr &&
           ::TranslateAcceleratorA(m_hWnd, m_hAccelTable, pMsg);
}

void CFrameWnd::PostNcDestroy()
{
    delete this;
}
