#include "framework/View.h"

#include <windows.h>

#include "framework/CreateContext.h"
#include "framework/Document.h"
#include "framework/FrameWnd.h"
#include "framework/PaintDC.h"

IMPLEMENT_DYNAMIC(CView, CWnd)

BEGIN_MESSAGE_MAP(CView, CWnd)
    ON_WM_PAINT()
END_MESSAGE_MAP()

CView::~CView()
{
    if (m_pFrame != nullptr && m_pFrame->GetActiveView() == this)
        m_pFrame->SetActiveView(nullptr);
    if (m_pDocument != nullptr)
        m_pDocument->RemoveView(this);
}

BOOL CView::Create(LPCSTR lpszClassName, LPCSTR lpszWindowName, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd,
                   UINT nID, void* pContext)
{
    if (!CWnd::Create(lpszClassName, lpszWindowName, dwStyle, rect, pParentWnd, nID, nullptr))
        return FALSE;
    JoinFrameAndDocument(pContext);
    return TRUE;
}

void CView::JoinFrameAndDocument(void* pContext)
{
    m_pFrame = GetParentFrame();
    auto* pCreateContext = static_cast<CCreateContext*>(pContext);
    if (pCreateContext != nullptr && pCreateContext->m_pCurrentDoc != nullptr)
        pCreateContext->m_pCurrentDoc->AddView(this);
}

void CView::OnInitialUpdate()
{
    OnUpdate(nullptr, 0, nullptr);
}

void CView::OnUpdate(CView*, LPARAM, CObject*)
{
    Invalidate();
}

void CView::OnDraw(CDC*) {}

void CView::OnPaint()
{
    CPaintDC dc(this);
    OnDraw(&dc);
}

BOOL CView::OnCmdMsg(Call& call)
{
    return CWnd::OnCmdMsg(call) || (m_pDocument != nullptr && m_pDocument->OnCmdMsg(call));
}

void CView::PostNcDestroy()
{
    delete this;
}
