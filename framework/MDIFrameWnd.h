#pragma once

#include "framework/FrameWnd.h"

class CMDIChildWnd;

// The main frame of a multiple-document program. Its MDI client fills the
// client area; it is made with MDIS_ALLCHILDSTYLES so that child frames
// may have no caption or border, and it keeps no window list. Commands go
// to the active child frame (and its view) first.
class CMDIFrameWnd : public CFrameWnd
{
    DECLARE_DYNCREATE(CMDIFrameWnd)
public:
    HWND m_hWndMDIClient = nullptr;

    CMDIChildWnd* MDIGetActive() const;
    void MDIActivate(CWnd* pWndActivate);
    CFrameWnd* GetActiveFrame() override;
    BOOL OnCmdMsg(Call& call) override;

protected:
    DECLARE_MESSAGE_MAP()
    LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    int OnCreate(tagCREATESTRUCTA* lpCreateStruct);
};
