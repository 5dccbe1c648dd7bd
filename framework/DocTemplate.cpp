#include "framework/DocTemplate.h"

#include <windows.h>

#include <algorithm>

#include "framework/CreateContext.h"
#include "framework/Document.h"
#include "framework/FrameWnd.h"
#include "framework/StandardIds.h"
#include "framework/WinApp.h"

IMPLEMENT_DYNAMIC(CDocTemplate, CCmdTarget)

CDocTemplate::CDocTemplate(UINT nIDResource, CRuntimeClass* pDocClass, CRuntimeClass* pFrameClass,
                           CRuntimeClass* pViewClass)
    : m_nIDResource(nIDResource), m_pDocClass(pDocClass), m_pFrameClass(pFrameClass), m_pViewClass(pViewClass)
{
}

CDocTemplate::~CDocTemplate()
{
    const std::vector<CDocument*> documents = m_documents;
    for (CDocument* pDoc : documents)
    {
        pDoc->m_pDocTemplate = nullptr;
        delete pDoc;
    }
}

CDocument* CDocTemplate::CreateNewDocument()
{
    CObject* pObject = m_pDocClass != nullptr ? m_pDocClass->CreateObject() : nullptr;
    if (pObject == nullptr || !pObject->IsKindOf(RUNTIME_CLASS(CDocument)))
    {
        delete pObject;
        return nullptr;
    }
    auto* pDoc = static_cast<CDocument*>(pObject);
    pDoc->m_pDocTemplate = this;
    m_documents.push_back(pDoc);
    return pDoc;
}

CFrameWnd* CDocTemplate::CreateNewFrame(CDocument* pDoc)
{
    CObject* pObject = m_pFrameClass != nullptr ? m_pFrameClass->CreateObject() : nullptr;
    if (pObject == nullptr || !pObject->IsKindOf(RUNTIME_CLASS(CFrameWnd)))
    {
        delete pObject;
        return nullptr;
    }
    CCreateContext context;
    context.m_pNewViewClass = m_pViewClass;
    context.m_pCurrentDoc = pDoc;
    context.m_pNewDocTemplate = this;
    auto* pFrame = static_cast<CFrameWnd*>(pObject);
    context.m_pCurrentFrame = pFrame;
    // A frame whose window failed has deleted itself.
    if (!pFrame->LoadFrame(m_nIDResource, WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE, AfxGetMainWnd(), &context))
        return nullptr;
    return pFrame;
}

void CDocTemplate::RemoveDocument(CDocument* pDoc)
{
    m_documents.erase(std::remove(m_documents.begin(), m_documents.end(), pDoc), m_documents.end());
}
