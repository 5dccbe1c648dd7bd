#include "forms/OrganisingCommands.h"

#include <windows.h>

#include "forms/EditCategoriesDlg.h"
#include "forms/EditChaptersDlg.h"
#include "forms/EditRefDlg.h"
#include "res/resource.h"
#include "shell/formbase/FormManager.h"

BEGIN_MESSAGE_MAP(COrganisingCommands, CCmdTarget)
    ON_COMMAND(ID_EDIT_CATEGORIES, OnEditCategories)
    ON_COMMAND(ID_EDIT_CHAPTERS, OnEditChapters)
    ON_COMMAND(ID_EDIT_REFERENCES, OnEditReferences)
END_MESSAGE_MAP()

void COrganisingCommands::OnEditCategories()
{
    CEditCategoriesDlg dialog;
    dialog.DoModal();
}

void COrganisingCommands::OnEditChapters()
{
    CEditChaptersDlg dialog;
    dialog.DoModal();
    RefreshContentsForm();
}

void COrganisingCommands::OnEditReferences()
{
    CEditRefDlg dialog;
    dialog.DoModal();
}
