#include "forms/ToolForm.h"

#include <windows.h>

#include <algorithm>

#include "database/CookbookDatabase.h"
#include "database/CustObArray.h"
#include "database/Item.h"
#include "forms/PopupMenuChoice.h"
#include "forms/SelectMealPlanDlg.h"
#include "framework/FrameWnd.h"
#include "framework/Menu.h"
#include "framework/MessageMap.h"
#include "framework/StandardIds.h"
#include "framework/StringArray.h"
#include "framework/WinApp.h"
#include "res/resource.h"
#include "shell/formbase/FormManager.h"
#include "shell/services/CurrentDatabase.h"
#include "shell/services/HelpService.h"

IMPLEMENT_DYNCREATE(CToolForm, CBVFormView)

BEGIN_MESSAGE_MAP(CToolForm, CBVFormView)
    ON_WM_CTLCOLOR()
    ON_WM_LBUTTONDOWN()
    ON_COMMAND(IDC_TOOL_START, OnGoToStart)
    ON_COMMAND(IDC_TOOL_CONTENTS, OnContents)
    ON_COMMAND(IDC_TOOL_RELATED, OnRelated)
    ON_COMMAND(IDC_TOOL_MEAL_PLANS, OnMealPlans)
    ON_COMMAND(IDC_TOOL_SHOPPING, OnShopping)
    ON_COMMAND(IDC_TOOL_CALENDAR, OnCalendar)
    ON_COMMAND(IDC_TOOL_PRINT, OnPrint)
    ON_COMMAND(ID_TOOL_EXIT, OnExit)
    ON_COMMAND(ID_TOOL_HELP, OnHelp)
END_MESSAGE_MAP()

namespace {

// Wider than the design area: the bar reaches under the main frame's right border.
const int kBarWidth = 633;
const UINT kColourIds[] = {IDS_START_BACKGROUND};

struct ToolButton
{
    UINT nId;
    LPCSTR lpszUp;
    LPCSTR lpszDown;
    LPCSTR lpszGreyed;
};

// Left to right.
const ToolButton kButtons[CToolForm::kButtonCount] = {
    {IDC_TOOL_START, "STARUP", "STARDN", "STARGR"},      {IDC_TOOL_CONTENTS, "TOCUP", "TOCDN", "TOCGR"},
    {ID_EDIT_FIND, "FINDUP", "FINDDN", "FINDGR"},        {IDC_TOOL_RELATED, "RELUP", "RELDN", "RELGR"},
    {IDC_TOOL_MEAL_PLANS, "MEALUP", "MEALDN", "MEALGR"}, {IDC_TOOL_SHOPPING, "SHOPUP", "SHOPDN", "SHOPGR"},
    {IDC_TOOL_PRINT, "PRINTUP", "PRINTDN", "PRINTGR"},
};

// The buttons a form kind leaves disabled besides Related, which waits for the form to offer
// related items; Find is never among them.
bool IsDisabledForKind(long kind, UINT nId)
{
    switch (kind)
    {
    case CFormManager::kStart: return nId == IDC_TOOL_START || nId == IDC_TOOL_PRINT;
    case CFormManager::kRecipeCategories:
    case CFormManager::kMealPlanCategories:
    case CFormManager::kRecipeEdit: return nId == IDC_TOOL_PRINT;
    case CFormManager::kMealPlanView:
    case CFormManager::kMealPlanFromLink: return nId == IDC_TOOL_MEAL_PLANS;
    case CFormManager::kShopping: return nId == IDC_TOOL_SHOPPING;
    case CFormManager::kContents: return nId == IDC_TOOL_CONTENTS || nId == IDC_TOOL_PRINT;
    case CFormManager::kMealPlanEdit: return nId == IDC_TOOL_MEAL_PLANS || nId == IDC_TOOL_PRINT;
    default: return false;
    }
}

long CurrentKind()
{
    return g_pFormManager != nullptr ? g_pFormManager->GetCurrentKind() : CFormManager::kStart;
}

// The meal plan's position in the cookbook's list of meal plans; -1 when it is not there.
int MealPlanPosition(CCookbookDatabase& database, const CRecordId& id)
{
    CCustObArray& plans = database.GetMenuList();
    for (int i = 0; i < plans.GetSize(); ++i)
        if (plans.GetItemAt(i)->m_id == id)
            return i;
    return -1;
}

}  // namespace

CToolForm::CToolForm() : CBVFormView(IDD_TOOL_FORM), m_colors(kColourIds, 1)
{
    m_background.CreateSolidBrush(m_colors.GetColour(0));
}

void CToolForm::OnInitialUpdate()
{
    CBVFormView::OnInitialUpdate();
    AttachButtons();
    EnableButton(ID_EDIT_FIND, TRUE);
    EnableButton(IDC_TOOL_PRINT, FALSE);
    SetScrollSizes(MM_TEXT, GetDesignSize());
    FitToButtonBar();
    if (g_pFormManager != nullptr)
        g_pFormManager->SetToolForm(this);
}

// Side by side from the left edge, each as wide as its pictures.
void CToolForm::AttachButtons()
{
    int left = 0;
    for (int i = 0; i < kButtonCount; ++i)
    {
        const ToolButton& button = kButtons[i];
        CBitmapButton& control = m_buttons[i];
        if (!control.LoadBitmaps(button.lpszUp, button.lpszDown, button.lpszUp, button.lpszGreyed) ||
            !control.SubclassDlgItem(button.nId, this))
            continue;
        control.SizeToContent();
        control.SetWindowPos(nullptr, left, 0, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        CRect placed;
        control.GetWindowRect(&placed);
        left += placed.Width();
    }
}

void CToolForm::EnableButton(UINT nId, BOOL bEnable)
{
    if (CWnd* pButton = GetDlgItem(static_cast<int>(nId)))
        pButton->EnableWindow(bEnable);
}

void CToolForm::EnableButtonsForForm(long kind)
{
    for (const ToolButton& button : kButtons)
        EnableButton(button.nId, !IsDisabledForKind(kind, button.nId));
    EnableRelated(FALSE);
}

void CToolForm::EnableRelated(BOOL bEnable)
{
    EnableButton(IDC_TOOL_RELATED, bEnable);
}

void CToolForm::FitToButtonBar()
{
    CWnd* pFirst = GetDlgItem(IDC_TOOL_START);
    if (pFirst == nullptr)
        return;
    CRect button;
    pFirst->GetWindowRect(&button);
    const int height = button.Height();
    if (CFrameWnd* pFrame = GetParentFrame())
        pFrame->MoveWindow(0, 0, kBarWidth, height);
    MoveWindow(0, 0, kBarWidth, height);
    if (g_pFormManager != nullptr)
        g_pFormManager->SetClientAreaTop(height);
}

HBRUSH CToolForm::OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor)
{
    if (pWnd != nullptr && pWnd->m_hWnd == m_hWnd)
        return m_background;
    return CBVFormView::OnCtlColor(pDC, pWnd, nCtlColor);
}

void CToolForm::OnLButtonDown(UINT nFlags, CPoint point)
{
    if (g_pFormManager != nullptr)
        g_pFormManager->BringActiveFormForward();
    CBVFormView::OnLButtonDown(nFlags, point);
}

void CToolForm::OnGoToStart()
{
    if (CurrentKind() != CFormManager::kStart)
        g_pFormManager->OpenForm(CFormManager::kActionHome, 0, 0);
}

void CToolForm::OnContents()
{
    if (CurrentKind() != CFormManager::kContents)
        g_pFormManager->OpenForm(CFormManager::kActionGoTo, CFormManager::kContents, 0);
}

// The active form's related items, under the button; the chosen one goes to that form.
void CToolForm::OnRelated()
{
    CBVFormView* pForm = g_pFormManager != nullptr ? g_pFormManager->GetActiveForm() : nullptr;
    CStringArray names;
    if (pForm == nullptr || pForm->GetRelatedItemNames(names) == 0)
        return;
    CMenu menu;
    menu.CreatePopupMenu();
    const int count = std::min(static_cast<int>(names.GetSize()), ID_RELATED_LINK_LAST - ID_RELATED_LINK + 1);
    for (int i = 0; i < count; ++i)
        menu.AppendMenu(MF_STRING, ID_RELATED_LINK + static_cast<UINT>(i), names[i]);
    CRect button;
    GetDlgItem(IDC_TOOL_RELATED)->GetWindowRect(&button);
    TrackPopupAndPost(menu, (button.left + button.right) / 2, button.bottom, pForm);
}

void CToolForm::OnMealPlans()
{
    const long kind = CurrentKind();
    if (kind == CFormManager::kMealPlanView || kind == CFormManager::kMealPlanFromLink)
        return;
    CSelectMealPlanDlg dialog(AfxGetMainWnd());
    if (dialog.DoModal() != IDOK)
        return;
    const CRecordId id = dialog.GetChosenId();
    g_pFormManager->SetCurrentMealPlanId(id);
    CCookbookDatabase* pDatabase = GetCurrentDatabase();
    const int position = pDatabase != nullptr ? MealPlanPosition(*pDatabase, id) : -1;
    if (position < 0)
        return;
    g_pFormManager->SetEditMealPlanId(id);
    g_pFormManager->OpenForm(CFormManager::kActionGoTo, CFormManager::kMealPlanView, position);
}

// The Select Shopping List dialog comes with the shopping form; until then the form opens.
void CToolForm::OnShopping()
{
    if (CurrentKind() != CFormManager::kShopping)
        g_pFormManager->OpenForm(CFormManager::kActionGoTo, CFormManager::kShopping, 0);
}

void CToolForm::OnCalendar()
{
    RefreshContentsForm();
}

void CToolForm::OnPrint()
{
    if (CBVFormView* pForm = g_pFormManager->GetActiveForm())
        pForm->SendMessage(WM_COMMAND, ID_FORM_PRINT, 0);
}

// File/Exit asks the same question and runs the same save check.
void CToolForm::OnExit()
{
    if (CWnd* pMain = AfxGetMainWnd())
        pMain->SendMessage(WM_COMMAND, ID_FILE_EXIT, 0);
}

void CToolForm::OnHelp()
{
    ShowHelp(HELP_CONTEXT, GetHelpContext(), IDS_HELP_FILE);
}
