#pragma once

#include "framework/Wnd.h"

// A dialog from a dialog template: modal (DoModal, usually an object on the
// stack) or modeless (Create). OK runs the data exchange and ends only when
// every field passed; Cancel ends at once. The dialog driver can act on a
// dialog once it is up (test hook).
class CDialog : public CWnd
{
    DECLARE_DYNAMIC(CDialog)
public:
    explicit CDialog(UINT nIDTemplate, CWnd* pParentWnd = nullptr);

    // IDOK, IDCANCEL or what EndDialog was given; -1 when the dialog could not be made.
    virtual INT_PTR DoModal();
    using CWnd::Create;
    BOOL Create(UINT nIDTemplate, CWnd* pParentWnd = nullptr);
    void EndDialog(int nResult);

    UINT GetTemplateId() const { return m_nIDTemplate; }
    // The result the dialog ended with (also for dialogs the driver ran without a window).
    int GetModalResult() const { return m_nModalResult; }

    // Gives the controls their values (UpdateData(FALSE)); TRUE: focus on the first control.
    virtual BOOL OnInitDialog();
    virtual void OnOK();
    virtual void OnCancel();

    void GotoDlgCtrl(CWnd* pWndCtrl);
    void SetDefID(UINT nID);
    void MapDialogRect(LPRECT lpRect) const;
    BOOL PreTranslateMessage(tagMSG* pMsg) override;

protected:
    DECLARE_MESSAGE_MAP()
    LRESULT HandleInitDialog(WPARAM wParam, LPARAM lParam);
    LRESULT HandleDriverAction(WPARAM wParam, LPARAM lParam);

    CWnd* m_pParentWnd;
    int m_nModalResult = -1;

private:
    UINT m_nIDTemplate;
    BOOL m_bModal = FALSE;
};

// The window procedure of every framework dialog does the work; the dialog
// manager's own procedure has nothing to add.
INT_PTR CALLBACK AfxDialogProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
