#pragma once

#include "framework/Wnd.h"

struct CCreateContext;
class CDocument;
class CView;

// A frame window: a menu, accelerators and an icon loaded from one resource
// id, a view in its client area (control id AFX_IDW_PANE_FIRST), and the
// command route active view -> frame -> application (the application only
// for a frame that has no frame above it). Runs the update handlers of a
// popup menu when it opens. Deletes itself when its window is destroyed.
class CFrameWnd : public CWnd
{
    DECLARE_DYNCREATE(CFrameWnd)
public:
    CFrameWnd() = default;

    virtual BOOL LoadFrame(UINT nIDResource, DWORD dwDefaultStyle, CWnd* pParentWnd,
                           CCreateContext* pContext = nullptr);
    // Makes the view and document known to each other and the view active,
    // runs the view's initial update and shows the frame.
    void InitialUpdateFrame(CDocument* pDoc, BOOL bMakeVisible);
    virtual void ActivateFrame(int nCmdShow = -1);

    CView* GetActiveView() const { return m_pViewActive; }
    void SetActiveView(CView* pViewNew);
    CDocument* GetActiveDocument() const;
    // This frame, or for an MDI frame its active child.
    virtual CFrameWnd* GetActiveFrame();
    void RecalcLayout();

    BOOL OnCmdMsg(Call& call) override;
    BOOL PreTranslateMessage(tagMSG* pMsg) override;

protected:
    DECLARE_MESSAGE_MAP()

    BOOL PreCreateWindow(tagCREATESTRUCTA& cs) override;
    void PostNcDestroy() override;
    // Creates the window of the frame once LoadFrame has prepared it.
    virtual BOOL CreateFrame(LPCSTR lpszTitle, DWORD dwStyle, CWnd* pParentWnd);
    BOOL CreateView(CCreateContext* pContext);

    int OnCreate(tagCREATESTRUCTA* lpCreateStruct);
    void OnSize(UINT nType, int cx, int cy);
    void OnInitMenuPopup(CMenu* pPopupMenu, UINT nIndex, BOOL bSysMenu);

    HACCEL m_hAccelTable = nullptr;
    UINT m_nIDResource = 0;
    CCreateContext* m_pCreateContext = nullptr;  // during creation only

private:
    CView* m_pViewActive = nullptr;
};
