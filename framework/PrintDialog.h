#pragma once

#include <windows.h>
#include <commdlg.h>

#include "framework/Dialog.h"

// The common print (or print set-up) dialog. The device mode and names
// blocks it returns belong to the caller (GlobalFree). The dialog driver
// answers it under kTemplateId or kSetupTemplateId.
class CPrintDialog : public CDialog
{
    DECLARE_DYNAMIC(CPrintDialog)
public:
    enum : UINT
    {
        kTemplateId = 1538,
        kSetupTemplateId = 1539
    };

    explicit CPrintDialog(BOOL bPrintSetupOnly,
                          DWORD dwFlags = PD_ALLPAGES | PD_USEDEVMODECOPIES | PD_NOPAGENUMS | PD_HIDEPRINTTOFILE |
                                          PD_NOSELECTION,
                          CWnd* pParentWnd = nullptr);

    INT_PTR DoModal() override;
    // Locked in place: valid until the block is freed.
    DEVMODEA* GetDevMode() const;
    CString GetDriverName() const;
    CString GetDeviceName() const;
    CString GetPortName() const;
    HDC GetPrinterDC() const { return m_pd.hDC; }
    BOOL PrintToFile() const { return (m_pd.Flags & PD_PRINTTOFILE) != 0; }

    PRINTDLGA m_pd;

private:
    CString DevNamesPart(WORD DEVNAMES::*pOffset) const;
};
