#include "exchange/ExchangeCommands.h"

#include <windows.h>

#include "exchange/ExportDlg.h"
#include "exchange/ImportDlg.h"
#include "framework/WinApp.h"
#include "framework/Wnd.h"
#include "res/resource.h"
#include "shell/formbase/FormManager.h"
#include "shell/services/MessageUtilities.h"
#include "shell/settings/ProgramDirectory.h"

BEGIN_MESSAGE_MAP(CExchangeCommands, CCmdTarget)
    ON_COMMAND(ID_FILE_IMPORT, OnImport)
    ON_COMMAND(ID_FILE_EXPORT, OnExport)
END_MESSAGE_MAP()

void CExchangeCommands::OnImport()
{
    CString name;
    name.LoadString(IDS_CONFIG_MDB);
    const CString path = CProgramDirectory().MakeProgramPath(name);
    if (::GetFileAttributesA(path) == INVALID_FILE_ATTRIBUTES)
    {
        MessageBoxById(AfxGetMainWnd()->m_hWnd, path, IDS_CONFIG_MDB_MISSING, MB_OK);
        return;
    }
    CImportDlg dialog;
    dialog.DoModal();
    RefreshContentsForm();
}

void CExchangeCommands::OnExport()
{
    CExportDlg dialog;
    dialog.DoModal();
}
