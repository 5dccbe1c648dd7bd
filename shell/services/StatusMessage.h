#pragma once

#include <windef.h>

#include "framework/String.h"

class CStatusPopupDlg;
class CWnd;

// A status text for a step of a long action: shown in a status popup made on the first Show,
// or, while the splash window is up, as the splash window's title.
class CStatusMessage
{
public:
    CStatusMessage(CWnd* pParent, LPCSTR lpszMessage, UINT nIconId, long seconds, long lines, long modal);
    CStatusMessage(CWnd* pParent, UINT nMessageId, UINT nIconId, long seconds, long lines, long modal);
    ~CStatusMessage();
    CStatusMessage(const CStatusMessage&) = delete;
    CStatusMessage& operator=(const CStatusMessage&) = delete;

    void Show(LPCSTR lpszText, int nLine);
    void Show(UINT nTextId, int nLine);
    CStatusPopupDlg* GetPopup() const { return m_pPopup; }

private:
    CStatusPopupDlg* m_pPopup = nullptr;
    CWnd* m_pParent;
    CString m_message;
    CString m_text;
    UINT m_iconId;
    long m_seconds;
    long m_lines;
    long m_modal;
};
