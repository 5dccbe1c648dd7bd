#pragma once

#include "framework/Dialog.h"

// Clear Shopping List: whether the emptied list's file stays on disk.
class CClearListDlg : public CDialog
{
public:
    explicit CClearListDlg(CWnd* pParent = nullptr);
    BOOL OnInitDialog() override;
    void OnOK() override;

    BOOL m_bRemoveFile = FALSE;
};
