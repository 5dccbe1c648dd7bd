#include "framework/WinApp.h"

#include <windows.h>
#include <winspool.h>

#include "framework/DC.h"
#include "framework/DocTemplate.h"
#include "framework/GdiObject.h"
#include "framework/Menu.h"
#include "framework/StandardIds.h"
#include "framework/Wnd.h"

IMPLEMENT_DYNAMIC(CWinApp, CCmdTarget)

BEGIN_MESSAGE_MAP(CWinApp, CCmdTarget)
    ON_COMMAND(ID_HELP_USING, OnHelpUsing)
END_MESSAGE_MAP()

namespace {

CWinApp* g_pApp = nullptr;

}  // namespace

CWinApp* AfxGetApp()
{
    return g_pApp;
}

CWnd* AfxGetMainWnd()
{
    return g_pApp != nullptr ? g_pApp->m_pMainWnd : nullptr;
}

HINSTANCE AfxGetInstanceHandle()
{
    return g_pApp != nullptr ? g_pApp->m_hInstance : ::GetModuleHandleA(nullptr);
}

HINSTANCE AfxGetResourceHandle()
{
    return AfxGetInstanceHandle();
}

LPCSTR AfxGetAppName()
{
    return g_pApp != nullptr && g_pApp->m_pszAppName != nullptr ? g_pApp->m_pszAppName : "";
}

CWinApp::CWinApp(LPCSTR lpszAppName) : m_pszAppName(lpszAppName), m_hInstance(::GetModuleHandleA(nullptr))
{
    g_pApp = this;
    char path[MAX_PATH] = "";
    ::GetModuleFileNameA(m_hInstance, path, MAX_PATH);
    m_strHelpFilePath = path;
    const int nDot = m_strHelpFilePath.ReverseFind('.');
    if (nDot > m_strHelpFilePath.ReverseFind('\\'))
        m_strHelpFilePath = m_strHelpFilePath.Left(nDot);
    m_strHelpFilePath += ".HLP";
}

CWinApp::~CWinApp()
{
    for (CDocTemplate* pTemplate : m_templates)
        delete pTemplate;
    if (m_hDlgBkBrush != nullptr)
        ::DeleteObject(m_hDlgBkBrush);
    if (g_pApp == this)
        g_pApp = nullptr;
}

BOOL CWinApp::InitInstance()
{
    return TRUE;
}

int CWinApp::ExitInstance()
{
    return 0;
}

int CWinApp::Run()
{
    MSG msg = {};
    LONG lIdleCount = 0;
    for (;;)
    {
        while (!::PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE) && OnIdle(lIdleCount))
            ++lIdleCount;
        if (::GetMessageA(&msg, nullptr, 0, 0) <= 0)
            break;
        if (!PreTranslateMessage(&msg))
        {
            ::TranslateMessage(&msg);
            ::DispatchMessageA(&msg);
        }
        lIdleCount = 0;
    }
    ExitInstance();
    return static_cast<int>(msg.wParam);
}

BOOL CWinApp::OnIdle(LONG lCount)
{
    if (lCount == 0)
    {
        CWnd::DeleteTempMap();
        CDC::DeleteTempMap();
        CGdiObject::DeleteTempMap();
        CMenu::DeleteTempMap();
    }
    return FALSE;
}

BOOL CWinApp::PreTranslateMessage(MSG* pMsg)
{
    HWND hMain = m_pMainWnd != nullptr ? m_pMainWnd->m_hWnd : nullptr;
    for (HWND hWnd = pMsg->hwnd; hWnd != nullptr; hWnd = ::GetParent(hWnd))
    {
        CWnd* pWnd = CWnd::FromHandlePermanent(hWnd);
        if (pWnd != nullptr && pWnd->PreTranslateMessage(pMsg))
            return TRUE;
        if (hWnd == hMain)
            return FALSE;
    }
    // A message of a window outside the main window still gets the main
    // window's accelerators.
    return m_pMainWnd != nullptr && m_pMainWnd->PreTranslateMessage(pMsg);
}

void CWinApp::BeginWaitCursor()
{
    ++m_nWaitCursorCount;
    ::SetCursor(::LoadCursorA(nullptr, IDC_WAIT));
}

void CWinApp::EndWaitCursor()
{
    if (m_nWaitCursorCount > 0)
        --m_nWaitCursorCount;
    if (m_nWaitCursorCount == 0)
        ::SetCursor(::LoadCursorA(nullptr, IDC_ARROW));
}

void CWinApp::SetDialogBkColor(COLORREF clrCtlBk, COLORREF clrCtlText)
{
    if (m_hDlgBkBrush != nullptr)
        ::DeleteObject(m_hDlgBkBrush);
    m_hDlgBkBrush = ::CreateSolidBrush(clrCtlBk);
    m_clrCtlBk = clrCtlBk;
    m_clrCtlText = clrCtlText;
}

HBRUSH CWinApp::GetDialogCtlColor(HDC hDC, HWND hControl, UINT nCtlColor) const
{
    if (m_hDlgBkBrush == nullptr)
        return nullptr;
    switch (nCtlColor)
    {
    case CTLCOLOR_STATIC:
    {
        // Read-only edit fields also ask as statics: they keep the field colours.
        char className[16] = "";
        ::GetClassNameA(hControl, className, sizeof className);
        if (lstrcmpiA(className, "Edit") == 0)
            return nullptr;
        ::SetBkMode(hDC, TRANSPARENT);
        break;
    }
    case CTLCOLOR_DLG:
    case CTLCOLOR_MSGBOX:
    case CTLCOLOR_BTN: break;
    default: return nullptr;
    }
    ::SetBkColor(hDC, m_clrCtlBk);
    ::SetTextColor(hDC, m_clrCtlText);
    return m_hDlgBkBrush;
}

void CWinApp::AddDocTemplate(CDocTemplate* pTemplate)
{
    m_templates.push_back(pTemplate);
}

void CWinApp::WinHelp(DWORD_PTR dwData, UINT nCmd)
{
    ::WinHelpA(m_pMainWnd != nullptr ? m_pMainWnd->m_hWnd : nullptr, m_strHelpFilePath, nCmd, dwData);
}

void CWinApp::OnHelpUsing()
{
    WinHelp(0, HELP_HELPONHELP);
}

int AfxWinMain(HINSTANCE hInstance, HINSTANCE, LPSTR lpCmdLine, int nCmdShow)
{
    CWinApp* pApp = AfxGetApp();
    if (pApp == nullptr)
        return -1;
    pApp->m_hInstance = hInstance;
    pApp->m_lpCmdLine = lpCmdLine;
    pApp->m_nCmdShow = nCmdShow;
    if (!pApp->InitInstance())
    {
        if (pApp->m_pMainWnd != nullptr)
            pApp->m_pMainWnd->DestroyWindow();
        return pApp->ExitInstance();
    }
    return pApp->Run();
}

const DEVMODEA* CWinApp::GetPrinterDeviceDefaults()
{
    m_printerDefaults.clear();
    char name[256];
    DWORD cch = sizeof name;
    HANDLE hPrinter = nullptr;
    if (!::GetDefaultPrinterA(name, &cch) || !::OpenPrinterA(name, &hPrinter, nullptr))
        return nullptr;
    const LONG cb = ::DocumentPropertiesA(nullptr, hPrinter, name, nullptr, nullptr, 0);
    if (cb > 0)
    {
        m_printerDefaults.resize(static_cast<std::size_t>(cb));
        DEVMODEA* pMode = reinterpret_cast<DEVMODEA*>(m_printerDefaults.data());
        if (::DocumentPropertiesA(nullptr, hPrinter, name, pMode, nullptr, DM_OUT_BUFFER) != IDOK)
            m_printerDefaults.clear();
    }
    ::ClosePrinter(hPrinter);
    return m_printerDefaults.empty() ? nullptr : reinterpret_cast<const DEVMODEA*>(m_printerDefaults.data());
}
