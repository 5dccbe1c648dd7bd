#pragma once

#include "framework/MDIFrameWnd.h"

// The program's main frame: 640 by 480, centred, neither sizable nor maximisable. It asks before
// the program closes and, when its window goes, tears down every program-wide object. Deletes
// itself when its window is destroyed.
class CBVWindow : public CMDIFrameWnd
{
    DECLARE_DYNCREATE(CBVWindow)
public:
    // Asks "Are you sure...?" and runs the save check; TRUE when the program may close.
    static BOOL ConfirmExit();
    // Runs the save check; TRUE unless the user cancelled.
    static BOOL SaveCheckPasses();
    BOOL OnCmdMsg(Call& call) override;

protected:
    DECLARE_MESSAGE_MAP()
    BOOL PreCreateWindow(tagCREATESTRUCTA& cs) override;
    void OnDestroy();
    void OnSysCommand(UINT nID, LPARAM lParam);
    BOOL OnQueryEndSession();
    void OnPaint();
    void OnWinIniChange(LPCSTR lpszSection);
    void OnInitMenu(CMenu* pMenu);
    LRESULT OnCommonDialogHelp(WPARAM wParam, LPARAM lParam);
    LRESULT OnBringToTop(WPARAM wParam, LPARAM lParam);

private:
    void TearDown();
    void UpdatePrintItems(CMenu* pMenu);
};

extern const UINT g_nBringToTopMessage;
extern const UINT g_nCommonDialogHelpMessage;
