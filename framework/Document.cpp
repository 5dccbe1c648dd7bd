#include "framework/Document.h"

#include <algorithm>

#include "framework/DocTemplate.h"
#include "framework/View.h"

IMPLEMENT_DYNAMIC(CDocument, CCmdTarget)

CDocument::~CDocument()
{
    for (CView* pView : m_views)
        pView->m_pDocument = nullptr;
    if (m_pDocTemplate != nullptr)
        m_pDocTemplate->RemoveDocument(this);
}

void CDocument::AddView(CView* pView)
{
    m_views.push_back(pView);
    pView->m_pDocument = this;
}

void CDocument::RemoveView(CView* pView)
{
    m_views.erase(std::remove(m_views.begin(), m_views.end(), pView), m_views.end());
    pView->m_pDocument = nullptr;
    if (m_views.empty())
        delete this;
}

void CDocument::UpdateAllViews(CView* pSender, LPARAM lHint, CObject* pHint)
{
    for (CView* pView : m_views)
    {
        if (pView != pSender)
            pView->OnUpdate(pSender, lHint, pHint);
    }
}

BOOL CDocument::OnNewDocument()
{
    m_bModified = FALSE;
    return TRUE;
}

BOOL CDocument::OnCmdMsg(Call& call)
{
    return CCmdTarget::OnCmdMsg(call) || (m_pDocTemplate != nullptr && m_pDocTemplate->OnCmdMsg(call));
}
