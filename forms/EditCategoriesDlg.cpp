#include "forms/EditCategoriesDlg.h"

#include "res/resource.h"

CEditCategoriesDlg::CEditCategoriesDlg(CWnd* pParent, int nKind) : CDialog(IDD_EDIT_CATEGORIES, pParent), m_nKind(nKind)
{
}
