#include "shell/PlaceholderForm.h"

#include <cstdio>

#include "res/resource.h"
#include "shell/FormManager.h"

IMPLEMENT_DYNCREATE(CPlaceholderForm, CBVFormView)

CPlaceholderForm::CPlaceholderForm() : CBVFormView(IDD_PLACEHOLDER_FORM)
{
}

void CPlaceholderForm::OnInitialUpdate()
{
    CBVFormView::OnInitialUpdate();
    if (g_pFormManager == nullptr)
        return;
    char text[40];
    std::snprintf(text, sizeof text, "Form kind %ld", g_pFormManager->GetCurrentKind());
    SetDlgItemText(IDC_PLACEHOLDER_TEXT, text);
    g_pFormManager->SetActiveForm(this);
}

CObject* CPlaceholderForm::GetSelectedItem(int) const
{
    return nullptr;
}
