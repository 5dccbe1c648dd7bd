#include "shell/PlaceholderToolForm.h"

#include <windows.h>

#include "framework/FrameWnd.h"
#include "res/resource.h"
#include "shell/FormManager.h"

IMPLEMENT_DYNCREATE(CPlaceholderToolForm, CBVFormView)

namespace {
const int kToolBarWidth = 633;
}

CPlaceholderToolForm::CPlaceholderToolForm() : CBVFormView(IDD_PLACEHOLDER_TOOLBAR)
{
}

void CPlaceholderToolForm::OnInitialUpdate()
{
    CBVFormView::OnInitialUpdate();
    SetDlgItemText(IDC_PLACEHOLDER_TEXT, "Tool bar");
    if (g_pFormManager == nullptr)
        return;
    g_pFormManager->SetToolForm(this);
    const int height = GetDesignSize().cy;
    if (CFrameWnd* pFrame = GetParentFrame())
        pFrame->MoveWindow(0, 0, kToolBarWidth, height);
    MoveWindow(0, 0, kToolBarWidth, height);
    g_pFormManager->SetClientAreaTop(height);
}
