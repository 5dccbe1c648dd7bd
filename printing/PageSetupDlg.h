#pragma once

#include <windows.h>

#include "framework/Dialog.h"
#include "shell/settings/AppSettings.h"

// File/Page Setup: the page or card size and the margins of the print record. The dialog
// edits a copy of the record; its caller copies the page fields back only when it ends with OK.
class CPageSetupDlg : public CDialog
{
public:
    // Starts from the settings' print record.
    CPageSetupDlg();
    ~CPageSetupDlg() override;

    BOOL OnInitDialog() override;
    void OnOK() override;

    // Page size, sub-pages, orientation, chosen page size and margins.
    void CopyPageFieldsTo(PrintSettings& record) const;

    // The page of a page-size choice 0-5: the printer's paper (from its device mode, or
    // letter without one) for 0, else an index card size and the cards per sheet.
    static void ApplyPageChoice(PrintSettings& record, int nChoice, const DEVMODEA* pPrinterDefaults);
    // The message for margins that do not fit the page, or 0 when they do.
    static UINT CheckMargins(const PrintSettings& record);

protected:
    DECLARE_MESSAGE_MAP()
    void OnHelpButton();

private:
    double ReadMargin(int nID) const;

    PrintSettings m_values;
    UINT m_previousHelpContext;
    bool m_helpContextSet;
};
