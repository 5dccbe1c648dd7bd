#pragma once

#include <vector>

#include "framework/CmdTarget.h"

class CDocument;
class CFrameWnd;

// Makes a document with its frame and view from three run-time classes and
// one resource id (the frame's). Owns the documents it made until they go.
class CDocTemplate : public CCmdTarget
{
    DECLARE_DYNAMIC(CDocTemplate)
public:
    ~CDocTemplate() override;

    // Documents here are never read from files: lpszPathName must be null.
    // Null when the document, its frame or its view cannot be made.
    virtual CDocument* OpenDocumentFile(LPCSTR lpszPathName, BOOL bMakeVisible = TRUE) = 0;

    CDocument* CreateNewDocument();
    CFrameWnd* CreateNewFrame(CDocument* pDoc);
    void RemoveDocument(CDocument* pDoc);
    const std::vector<CDocument*>& GetDocuments() const { return m_documents; }

protected:
    CDocTemplate(UINT nIDResource, CRuntimeClass* pDocClass, CRuntimeClass* pFrameClass, CRuntimeClass* pViewClass);

    UINT m_nIDResource;
    CRuntimeClass* m_pDocClass;
    CRuntimeClass* m_pFrameClass;
    CRuntimeClass* m_pViewClass;

private:
    std::vector<CDocument*> m_documents;
};
