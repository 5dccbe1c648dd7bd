#pragma once

#include <vector>
#include <windef.h>

#include "framework/AnsiNames.h"
#include "framework/CmdTarget.h"
#include "framework/String.h"

class CDocTemplate;
class CWnd;
struct tagMSG;
struct _devicemodeA;

// The application: one object per program, made before WinMain (a static
// instance). AfxWinMain runs InitInstance, then the message loop until the
// main window is destroyed; the loop offers each message to the windows'
// PreTranslateMessage (accelerators, dialog keys) and cleans up the
// temporary wrappers when idle. The application owns its document templates.
class CWinApp : public CCmdTarget
{
    DECLARE_DYNAMIC(CWinApp)
public:
    explicit CWinApp(LPCSTR lpszAppName = nullptr);
    ~CWinApp() override;

    LPCSTR m_pszAppName = nullptr;
    HINSTANCE m_hInstance = nullptr;
    LPSTR m_lpCmdLine = nullptr;
    int m_nCmdShow = 1;
    CWnd* m_pMainWnd = nullptr;
    CString m_strHelpFilePath;  // the program's path with the extension .HLP

    virtual BOOL InitInstance();
    virtual int ExitInstance();
    virtual int Run();
    // lCount counts the idle calls since the last message; FALSE: no more idle work.
    virtual BOOL OnIdle(LONG lCount);
    virtual BOOL PreTranslateMessage(tagMSG* pMsg);

    void BeginWaitCursor();
    void EndWaitCursor();

    // Dialogs, forms and their static texts and buttons take this background.
    void SetDialogBkColor(COLORREF clrCtlBk, COLORREF clrCtlText);
    // The brush for a WM_CTLCOLORxxx of kind nCtlColor, with the colours set
    // into hDC; null when no dialog colour is set or the kind keeps its own.
    HBRUSH GetDialogCtlColor(HDC hDC, HWND hControl, UINT nCtlColor) const;

    void AddDocTemplate(CDocTemplate* pTemplate);
    // The default printer's device mode, read afresh; null without a default printer.
    const _devicemodeA* GetPrinterDeviceDefaults();
    void WinHelp(DWORD_PTR dwData, UINT nCmd);

protected:
    DECLARE_MESSAGE_MAP()
    void OnHelpUsing();

private:
    std::vector<CDocTemplate*> m_templates;
    std::vector<char> m_printerDefaults;
    int m_nWaitCursorCount = 0;
    HBRUSH m_hDlgBkBrush = nullptr;
    COLORREF m_clrCtlText = 0;
    COLORREF m_clrCtlBk = 0;
};

CWinApp* AfxGetApp();
CWnd* AfxGetMainWnd();
HINSTANCE AfxGetInstanceHandle();
HINSTANCE AfxGetResourceHandle();
LPCSTR AfxGetAppName();
// The program's WinMain hands over to this.
int AfxWinMain(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPSTR lpCmdLine, int nCmdShow);
