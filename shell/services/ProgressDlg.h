#pragma once

#include "framework/Dialog.h"
#include "framework/Static.h"
#include "framework/String.h"

// The modeless window of a long operation: two lines of text and Cancel, which sets the
// program-wide abort flag. The operation runs in the program's only thread, updates the lines,
// pumps messages and polls the flag. While one is up the main frame is disabled, so that no
// menu command can run inside the operation.
class CProgressDlg : public CDialog
{
public:
    CProgressDlg(CWnd* pParent, LPCSTR lpszCaption);
    ~CProgressDlg() override;
    CProgressDlg(const CProgressDlg&) = delete;
    CProgressDlg& operator=(const CProgressDlg&) = delete;

    // Returns the abort flag; after Cancel the lines are left alone.
    int SetMessage(LPCSTR lpszText, int nLine);
    int IsAbortRequested();
    void Close();
    // A progress window is never modal.
    INT_PTR DoModal() override;

    BOOL OnInitDialog() override;
    // Cancel, Esc and the close box all ask the operation to stop; the window stays until it does.
    void OnCancel() override;
    void OnOK() override;

private:
    CStatic m_line1;
    CStatic m_line2;
    long m_destroyed = 0;
    CString m_caption;
    CWnd* m_pParent;
    CWnd* m_pDisabled = nullptr;
};

// The program-wide abort flag: 0 go on, 1 the user asked to stop.
int GetAbortFlag();
// Pumps the waiting messages, then returns the abort flag.
int IsAbortRequested();
// Dispatches every waiting message. A quit message met here is put back for the main loop.
void PumpProgressMessages();
// TRUE while a progress window is up: commands must not start another operation.
BOOL IsProgressRunning();
