#include "framework/MultiDocTemplate.h"

#include "framework/Document.h"
#include "framework/FrameWnd.h"

IMPLEMENT_DYNAMIC(CMultiDocTemplate, CDocTemplate)

CMultiDocTemplate::CMultiDocTemplate(UINT nIDResource, CRuntimeClass* pDocClass, CRuntimeClass* pFrameClass,
                                     CRuntimeClass* pViewClass)
    : CDocTemplate(nIDResource, pDocClass, pFrameClass, pViewClass)
{
}

CDocument* CMultiDocTemplate::OpenDocumentFile(LPCSTR lpszPathName, BOOL bMakeVisible)
{
    if (lpszPathName != nullptr)
        return nullptr;
    CDocument* pDoc = CreateNewDocument();
    if (pDoc == nullptr)
        return nullptr;
    CFrameWnd* pFrame = CreateNewFrame(pDoc);
    if (pFrame == nullptr)
    {
        delete pDoc;  // no view ever joined it
        return nullptr;
    }
    if (!pDoc->OnNewDocument())
    {
        pFrame->DestroyWindow();  // the view goes, and the document with it
        return nullptr;
    }
    pFrame->InitialUpdateFrame(pDoc, bMakeVisible);
    return pDoc;
}
