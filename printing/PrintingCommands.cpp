#include "printing/PrintingCommands.h"

#include <windows.h>

#include "printing/PageSetupDlg.h"
#include "printing/PrintPreferencesDlg.h"
#include "res/resource.h"
#include "shell/settings/AppSettings.h"

BEGIN_MESSAGE_MAP(CPrintingCommands, CCmdTarget)
    ON_COMMAND(ID_FILE_PAGE_SETUP, OnPageSetup)
    ON_COMMAND(ID_FILE_PRINT_PREFERENCES, OnPrintPreferences)
END_MESSAGE_MAP()

void CPrintingCommands::OnPageSetup()
{
    CPageSetupDlg dialog;
    if (dialog.DoModal() == IDOK)
        dialog.CopyPageFieldsTo(*g_pAppSettings->GetPrintRecord());
}

void CPrintingCommands::OnPrintPreferences()
{
    CPrintPreferencesDlg dialog;
    if (dialog.DoModal() == IDOK)
        dialog.CopyPreferencesTo(*g_pAppSettings->GetPrintRecord());
}
