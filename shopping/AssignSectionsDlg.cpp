#include "shopping/AssignSectionsDlg.h"

#include "res/resource.h"

CAssignSectionsDlg::CAssignSectionsDlg(CWnd* pParent) : CDialog(IDD_ASSIGN_SECTIONS, pParent) {}
