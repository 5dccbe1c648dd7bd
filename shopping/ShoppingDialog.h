#pragma once

#include "framework/Dialog.h"

// The shopping dialogs: each has its own help context while it is open, puts back the one it
// was opened with when it closes, and opens the help file at it from its Help button.
class CShoppingDialog : public CDialog
{
public:
    BOOL OnInitDialog() override;

protected:
    CShoppingDialog(UINT nIDTemplate, CWnd* pParent);
    virtual UINT HelpContextId() const = 0;

    DECLARE_MESSAGE_MAP()
    void OnHelpButton();
    void OnDestroy();

private:
    UINT m_nPreviousHelpContext = 0;
};
