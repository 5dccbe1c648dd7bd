#include "forms/EditRefDlg.h"

#include "res/resource.h"

CEditRefDlg::CEditRefDlg(CWnd* pParent) : CDialog(IDD_EDIT_REFERENCES, pParent) {}
