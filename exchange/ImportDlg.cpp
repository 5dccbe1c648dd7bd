#include "exchange/ImportDlg.h"

#include "res/resource.h"

CImportDlg::CImportDlg(CWnd* pParent) : CDialog(IDD_IMPORT, pParent) {}
