#pragma once

#include "framework/FrameWnd.h"

class CMDIFrameWnd;

// A document frame inside the main frame's MDI client. Deletes itself when
// its window is destroyed.
class CMDIChildWnd : public CFrameWnd
{
    DECLARE_DYNCREATE(CMDIChildWnd)
public:
    CMDIFrameWnd* GetMDIFrame() const;
    void MDIActivate();
    BOOL DestroyWindow() override;
    void ActivateFrame(int nCmdShow = -1) override;

protected:
    BOOL PreCreateWindow(tagCREATESTRUCTA& cs) override;
    BOOL CreateFrame(LPCSTR lpszTitle, DWORD dwStyle, CWnd* pParentWnd) override;
    LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
};
