#include "shell/formbase/PlaceholderToolForm.h"

#include <windows.h>

#include "framework/FrameWnd.h"
#include "framework/StandardIds.h"
#include "res/resource.h"
#include "shell/formbase/FormManager.h"

IMPLEMENT_DYNCREATE(CPlaceholderToolForm, CBVFormView)

namespace {

const int kToolBarWidth = 633;

// The buttons as bits of the disabled set.
const UINT kButtons[] = {IDC_TOOL_START,      IDC_TOOL_CONTENTS, ID_EDIT_FIND,  IDC_TOOL_RELATED,
                         IDC_TOOL_MEAL_PLANS, IDC_TOOL_SHOPPING, IDC_TOOL_PRINT};

unsigned Bit(UINT nButtonId)
{
    for (unsigned i = 0; i < sizeof kButtons / sizeof kButtons[0]; ++i)
        if (kButtons[i] == nButtonId)
            return 1u << i;
    return 0;
}

// Find is always available; Related waits for the form to offer related items.
unsigned DisabledForKind(long kind)
{
    const unsigned related = Bit(IDC_TOOL_RELATED);
    switch (kind)
    {
    case CFormManager::kStart: return related | Bit(IDC_TOOL_START) | Bit(IDC_TOOL_PRINT);
    case CFormManager::kRecipeCategories:
    case CFormManager::kMealPlanCategories:
    case CFormManager::kRecipeEdit: return related | Bit(IDC_TOOL_PRINT);
    case CFormManager::kMealPlanView:
    case CFormManager::kMealPlanFromLink: return related | Bit(IDC_TOOL_MEAL_PLANS);
    case CFormManager::kShopping: return related | Bit(IDC_TOOL_SHOPPING);
    case CFormManager::kContents: return related | Bit(IDC_TOOL_CONTENTS) | Bit(IDC_TOOL_PRINT);
    case CFormManager::kMealPlanEdit: return related | Bit(IDC_TOOL_MEAL_PLANS) | Bit(IDC_TOOL_PRINT);
    default: return related;
    }
}

}  // namespace

CPlaceholderToolForm::CPlaceholderToolForm() : CBVFormView(IDD_PLACEHOLDER_TOOLBAR) {}

void CPlaceholderToolForm::OnInitialUpdate()
{
    CBVFormView::OnInitialUpdate();
    SetDlgItemText(IDC_PLACEHOLDER_TEXT, "Tool bar");
    if (g_pFormManager == nullptr)
        return;
    g_pFormManager->SetToolForm(this);
    FitToButtonBar();
}

void CPlaceholderToolForm::EnableButtonsForForm(long kind)
{
    m_disabledButtons = DisabledForKind(kind);
}

BOOL CPlaceholderToolForm::IsButtonEnabled(UINT nButtonId) const
{
    const unsigned bit = Bit(nButtonId);
    return bit != 0 && (m_disabledButtons & bit) == 0;
}

void CPlaceholderToolForm::FitToButtonBar()
{
    const int height = GetDesignSize().cy;
    if (CFrameWnd* pFrame = GetParentFrame())
        pFrame->MoveWindow(0, 0, kToolBarWidth, height);
    MoveWindow(0, 0, kToolBarWidth, height);
    if (g_pFormManager != nullptr)
        g_pFormManager->SetClientAreaTop(height);
}
