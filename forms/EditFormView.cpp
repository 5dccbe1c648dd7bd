#include "forms/EditFormView.h"

#include <windows.h>

#include "framework/MessageMap.h"
#include "framework/StandardIds.h"
#include "res/resource.h"
#include "shell/formbase/FormManager.h"
#include "shell/services/HelpService.h"

IMPLEMENT_DYNAMIC(CEditFormView, CBVFormView)

BEGIN_MESSAGE_MAP(CEditFormView, CBVFormView)
    ON_COMMAND(IDC_EDIT_FORM_BACK, OnBack)
    ON_COMMAND(ID_CONTEXT_HELP, OnHelp)
    ON_COMMAND(IDCANCEL, OnNothing)
END_MESSAGE_MAP()

CEditFormView::CEditFormView(UINT nIDTemplate) : CBVFormView(nIDTemplate) {}

BOOL CEditFormView::SaveChanges()
{
    return SaveEdits() == kSaved;
}

BOOL CEditFormView::OnCommand(WPARAM wParam, LPARAM lParam)
{
    switch (LOWORD(wParam))
    {
    case ID_EDIT_FORM_NEXT_FIELD: NextField(); return TRUE;
    case ID_EDIT_FORM_PREVIOUS_FIELD: PreviousField(); return TRUE;
    case ID_EDIT_FORM_NEXT_LINE: NextLine(); return TRUE;
    case ID_EDIT_FORM_PREVIOUS_LINE: PreviousLine(); return TRUE;
    default: return CBVFormView::OnCommand(wParam, lParam);
    }
}

void CEditFormView::OnBack()
{
    g_pFormManager->OpenForm(CFormManager::kActionBack, 0, 0);
}

void CEditFormView::OnHelp()
{
    ShowHelp(HELP_CONTEXT, GetHelpContext(), IDS_HELP_FILE);
}

// Esc leaves nothing: the form is left through Back or another form.
void CEditFormView::OnNothing() {}
