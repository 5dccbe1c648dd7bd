#pragma once

#include "framework/Wnd.h"

class CDocument;

// A view of a document in a frame. Commands that reach it go on to its
// document. Deletes itself when its window is destroyed.
class CView : public CWnd
{
    DECLARE_DYNAMIC(CView)
public:
    ~CView() override;

    CDocument* GetDocument() const { return m_pDocument; }

    // Creates the window and joins the document of pContext (a CCreateContext).
    BOOL Create(LPCSTR lpszClassName, LPCSTR lpszWindowName, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd,
                UINT nID, void* pContext = nullptr) override;

    // The first showing: by default the update with no sender and no hint.
    virtual void OnInitialUpdate();
    virtual void OnUpdate(CView* pSender, LPARAM lHint, CObject* pHint);
    virtual void OnDraw(CDC* pDC);

    BOOL OnCmdMsg(Call& call) override;

protected:
    CView() = default;
    DECLARE_MESSAGE_MAP()

    // The frame learns of the view and the document takes it in.
    void JoinFrameAndDocument(void* pContext);
    void PostNcDestroy() override;
    void OnPaint();

private:
    friend class CDocument;
    CDocument* m_pDocument = nullptr;
    CFrameWnd* m_pFrame = nullptr;
};
