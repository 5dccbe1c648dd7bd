#include "exchange/ExportDlg.h"

#include "res/resource.h"

CExportDlg::CExportDlg(CWnd* pParent) : CDialog(IDD_EXPORT, pParent) {}
