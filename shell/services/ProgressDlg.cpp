#include "shell/services/ProgressDlg.h"

#include <windows.h>

#include "framework/WinApp.h"
#include "res/resource.h"
#include "shell/settings/WindowPlacement.h"

namespace {
int s_abortFlag = 0;
int s_running = 0;
}  // namespace

int GetAbortFlag()
{
    return s_abortFlag;
}

BOOL IsProgressRunning()
{
    return s_running > 0;
}

void PumpProgressMessages()
{
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
    {
        if (msg.message == WM_QUIT)
        {
            ::PostQuitMessage(static_cast<int>(msg.wParam));
            return;
        }
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
    }
}

int IsAbortRequested()
{
    PumpProgressMessages();
    return s_abortFlag;
}

CProgressDlg::CProgressDlg(CWnd* pParent, LPCSTR lpszCaption)
    : CDialog(IDD_PROGRESS, pParent), m_caption(lpszCaption), m_pParent(pParent)
{
    s_abortFlag = 0;
    ++s_running;
    m_pDisabled = pParent != nullptr ? pParent : AfxGetMainWnd();
    if (m_pDisabled != nullptr && !m_pDisabled->IsWindowEnabled())
        m_pDisabled = nullptr;
    if (m_pDisabled != nullptr)
        m_pDisabled->EnableWindow(FALSE);
    Create(IDD_PROGRESS, pParent);
}

CProgressDlg::~CProgressDlg()
{
    if (m_pDisabled != nullptr)
        m_pDisabled->EnableWindow(TRUE);
    Close();
    --s_running;
}

BOOL CProgressDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_line1.SubclassDlgItem(IDC_PROGRESS_MESSAGE2, this);
    m_line2.SubclassDlgItem(IDC_PROGRESS_MESSAGE1, this);
    CenterWindowOver(this, nullptr);
    SetWindowText(m_caption);
    return TRUE;
}

int CProgressDlg::SetMessage(LPCSTR lpszText, int nLine)
{
    if (s_abortFlag != 0)
        return s_abortFlag;
    (nLine == 1 ? m_line1 : m_line2).SetWindowText(lpszText);
    return IsAbortRequested();
}

int CProgressDlg::IsAbortRequested()
{
    return ::IsAbortRequested();
}

void CProgressDlg::Close()
{
    if (m_destroyed != 0)
        return;
    m_destroyed = 1;
    DestroyWindow();
}

INT_PTR CProgressDlg::DoModal()
{
    return -1;
}

void CProgressDlg::OnCancel()
{
    s_abortFlag = 1;
    SetWindowText("Aborting...");
    m_line1.SetWindowText("");
}

void CProgressDlg::OnOK() {}
