#pragma once

#include "framework/Dialog.h"
#include "shell/settings/AppSettings.h"

// File/Page Setup: the page and the margins of the print record. The dialog edits a copy of
// the record; its caller copies the page fields back only when it ends with OK.
class CPageSetupDlg : public CDialog
{
public:
    // Starts from the settings' print record.
    CPageSetupDlg();

    // Page size, sub-pages, orientation, chosen page size and margins.
    void CopyPageFieldsTo(PrintSettings& record) const;

protected:
    void DoDataExchange(CDataExchange* pDX) override;

private:
    PrintSettings m_values;
};
