#include "shell/services/StatusMessage.h"

#include <windows.h>

#include "shell/services/StatusPopupDlg.h"

CStatusMessage::CStatusMessage(CWnd* pParent, LPCSTR lpszMessage, UINT nIconId, long seconds, long lines, long modal)
    : m_pParent(pParent), m_message(lpszMessage), m_iconId(nIconId), m_seconds(seconds), m_lines(lines), m_modal(modal)
{
}

CStatusMessage::CStatusMessage(CWnd* pParent, UINT nMessageId, UINT nIconId, long seconds, long lines, long modal)
    : CStatusMessage(pParent, "", nIconId, seconds, lines, modal)
{
    m_message.LoadString(nMessageId);
}

CStatusMessage::~CStatusMessage()
{
    if (m_pPopup != nullptr)
        m_pPopup->Close();
    delete m_pPopup;
}

void CStatusMessage::Show(LPCSTR lpszText, int nLine)
{
    m_text = lpszText;
    if (HWND hSplash = ::FindWindowA("HalvornSplashWindow", nullptr))
    {
        ::SetWindowTextA(hSplash, m_text);
        return;
    }
    if (m_pPopup == nullptr)
        m_pPopup = new CStatusPopupDlg(m_pParent, m_message, m_iconId, m_seconds, m_modal, m_lines);
    m_pPopup->SetText(m_text, nLine == 1 ? 1 : 2);
}

void CStatusMessage::Show(UINT nTextId, int nLine)
{
    CString text;
    text.LoadString(nTextId);
    Show(text, nLine);
}
