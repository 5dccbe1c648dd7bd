#include "forms/EditChaptersDlg.h"

#include "res/resource.h"

CEditChaptersDlg::CEditChaptersDlg(CWnd* pParent) : CDialog(IDD_EDIT_CHAPTERS, pParent)
{
}
