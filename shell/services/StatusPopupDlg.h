#pragma once

#include "framework/Dialog.h"
#include "framework/String.h"

// A small window over a form with one or two lines of text beside an icon button; it may close
// itself after some seconds. A modeless popup is created at once; a modal one runs when its
// owner calls DoModal.
class CIconButton;

class CStatusPopupDlg : public CDialog
{
public:
    CStatusPopupDlg(CWnd* pParent, UINT nMessageId, UINT nIconId, long seconds, long modal, long lines);
    CStatusPopupDlg(CWnd* pParent, LPCSTR lpszMessage, UINT nIconId, long seconds, long modal, long lines);
    ~CStatusPopupDlg() override;
    CStatusPopupDlg(const CStatusPopupDlg&) = delete;
    CStatusPopupDlg& operator=(const CStatusPopupDlg&) = delete;

    BOOL OnInitDialog() override;
    // Line 1 is the first line; any other value the second.
    void SetText(LPCSTR lpszText, int nLine);
    void SetText(UINT nTextId, int nLine);
    void Close();

protected:
    DECLARE_MESSAGE_MAP()
    void OnTimer(UINT_PTR nIDEvent);

private:
    void HalveFirstLine();
    void AttachIconButton();

    CIconButton* m_pIconButton = nullptr;
    UINT m_iconId;
    long m_seconds;
    CString m_line1;
    CString m_line2;
    long m_modal;
    long m_lines;
};
