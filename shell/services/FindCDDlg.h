#pragma once

#include "framework/Dialog.h"
#include "framework/String.h"

// Asks for the CD-ROM drive that holds the installation disc.
class CFindCDDlg : public CDialog
{
public:
    explicit CFindCDDlg(CWnd* pParent = nullptr);

    BOOL OnInitDialog() override;
    void OnOK() override;

    // The chosen drive letter without a colon; empty when the list offered none.
    const CString& GetDriveLetter() const { return m_driveLetter; }

private:
    void ListCdDrives();

    CString m_driveLetter;
};
