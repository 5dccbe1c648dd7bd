#include "shell/app/PlaceholderForm.h"

#include <cstdio>

#include "res/resource.h"
#include "shell/formbase/FormManager.h"

IMPLEMENT_DYNCREATE(CPlaceholderForm, CBVFormView)

CPlaceholderForm::CPlaceholderForm() : CBVFormView(IDD_PLACEHOLDER_FORM) {}

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

int CPlaceholderForm::QuerySaveChanges()
{
    switch (g_pFormManager != nullptr ? g_pFormManager->GetCurrentKind() : CFormManager::kStart)
    {
    case CFormManager::kRecipeEdit: return CBVFormView::QuerySaveChanges();
    default: return CFormManager::kSaveGoOn;
    }
}
