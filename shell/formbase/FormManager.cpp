#include "shell/formbase/FormManager.h"

#include <windows.h>

#include "database/CategoryListItem.h"
#include "database/CookbookDatabase.h"
#include "database/SlotArray.h"
#include "framework/AfxMessageBox.h"
#include "framework/Menu.h"
#include "framework/MultiDocTemplate.h"
#include "framework/WinApp.h"
#include "res/resource.h"
#include "shell/formbase/BVFormView.h"
#include "shell/services/CurrentDatabase.h"
#include "shell/formbase/GenericDoc.h"
#include "shell/formbase/GenericFrame.h"
#include "shell/formbase/MenuDoc.h"
#include "shell/formbase/NavEntry.h"
#include "shell/formbase/RcpDoc.h"
#include "shell/services/WaitCursor.h"
#include "shell/settings/WindowPlacement.h"

CFormManager* g_pFormManager = nullptr;

namespace {

const int kToolTemplate = 0;
const int kNoTemplate = -1;

// The template (0-based) of each form kind 0..17.
const int kTemplateOfKind[] = {1, 3, 3, 4, 4, 5, 6, 7, kNoTemplate, 8, kNoTemplate, 2, 5, 5, 5, 6, 9, 10};

// The document class of each template.
CRuntimeClass* const kDocumentOfTemplate[CFormManager::kTemplateCount] = {
    RUNTIME_CLASS(CGenericDoc), RUNTIME_CLASS(CGenericDoc), RUNTIME_CLASS(CGenericDoc), RUNTIME_CLASS(CGenericDoc),
    RUNTIME_CLASS(CGenericDoc), RUNTIME_CLASS(CRcpDoc),     RUNTIME_CLASS(CMenuDoc),    RUNTIME_CLASS(CGenericDoc),
    RUNTIME_CLASS(CGenericDoc), RUNTIME_CLASS(CRcpDoc),     RUNTIME_CLASS(CMenuDoc)};

bool KeepsValue(long kind)
{
    return (kind >= CFormManager::kRecipeCategories && kind <= CFormManager::kMealPlanView) ||
           (kind >= CFormManager::kRecipeFromMealPlan && kind <= CFormManager::kMealPlanFromLink);
}

// The text of string 98 up to its " File:" part; the whole text when it has none.
CString MissingFormMessage()
{
    CString text;
    text.LoadString(IDS_MISSING_CRITICAL_FILE);
    const int marker = text.Find(" File:");
    return marker >= 0 ? text.Left(marker) : text;
}

}  // namespace

CFormManager::CFormManager(CWnd* pFrame) : m_pFrame(pFrame)
{
    SetReferenceFormSize(630, 395);
    if (pFrame != nullptr)
        pFrame->GetClientRect(&m_clientArea);
}

CFormManager::~CFormManager()
{
    m_history.Clear();
}

void CFormManager::RegisterTemplates(CRuntimeClass* const (&views)[kTemplateCount], CRuntimeClass* pToolFrame)
{
    for (int i = 0; i < kTemplateCount; ++i)
    {
        CRuntimeClass* pFrame = i == kToolTemplate ? pToolFrame : RUNTIME_CLASS(CGenericFrame);
        m_templates[i] = new CMultiDocTemplate(IDR_FORM_TEMPLATE, kDocumentOfTemplate[i], pFrame, views[i]);
        AfxGetApp()->AddDocTemplate(m_templates[i]);
    }
}

long CFormManager::OpenForm(long action, long kind, long value)
{
    if (QuerySaveChanges() == kSaveCancel)
        return 1;
    switch (LOWORD(action))
    {
    case kActionStart: Start(); return 0;
    case kActionClose: CloseActiveForm(); return 0;
    case kActionDrillDown: return DrillDown(kind, value);
    case kActionCategoryBack: return CategoryBack();
    case kActionListBack: return ListBack();
    case kActionGoTo: return GoTo(kind, value);
    case kActionBack: return Back();
    case kActionHome: return Home();
    default: return 0;
    }
}

void CFormManager::Start()
{
    OpenTemplate(m_templates[kToolTemplate]);
    m_currentKind = kStart;
    PushEntry(0, kStart);
    ShowCurrentKind(0);
}

void CFormManager::CloseActiveForm()
{
    if (m_pActiveForm == nullptr)
        return;
    CBVFormView* pForm = m_pActiveForm;
    m_pActiveForm = nullptr;
    if (CWnd* pFrame = pForm->GetParentFrame())
        pFrame->DestroyWindow();
}

void CFormManager::CloseForms()
{
    CloseActiveForm();
    CBVFormView* pTool = m_pToolForm;
    m_pToolForm = nullptr;
    if (pTool != nullptr)
        if (CWnd* pFrame = pTool->GetParentFrame())
            pFrame->DestroyWindow();
}

void CFormManager::BringActiveFormForward()
{
    if (m_pActiveForm != nullptr)
        if (CWnd* pFrame = m_pActiveForm->GetParentFrame())
            pFrame->BringWindowToTop();
}

long CFormManager::DrillDown(long kind, long value)
{
    if (m_currentKind == kStart)
    {
        m_currentKind = kind;
        HasChildCategories(value);
        m_navName.LoadString(kind == kRecipeCategories ? IDS_RECIPES_NAV : IDS_MEAL_PLANS_NAV);
        return GoTo(kind, value);
    }
    if (m_currentKind == kContents)
    {
        if (!HasChildCategories(value, kind))
            return OpenCategoryList(kind, value);
        m_navName = CategoryDisplayName(value);
        return GoTo(kind, value);
    }
    if (CNavEntry* pTop = m_history.Top())
        pTop->m_flag = kind;
    if (!HasChildCategories(value))
        return OpenCategoryList(m_currentKind, value);
    // The category form shows the children itself.
    m_navName = CategoryDisplayName(value);
    PushEntry(value, m_currentKind);
    return 1;
}

// The recipes or meal plans of a category without children; "Nothing to view." when it has none.
long CFormManager::OpenCategoryList(long categoryKind, long value)
{
    const CategoryListItem* pCategory = FindCategory(value);
    const long count = pCategory == nullptr                ? 0
                       : categoryKind == kRecipeCategories ? pCategory->m_hasRecipes
                                                           : pCategory->m_hasMenus;
    if (count == 0)
    {
        AfxMessageBox(IDS_NOTHING_TO_VIEW);
        return 1;
    }
    m_navName = CategoryDisplayName(value);
    return GoTo(categoryKind == kRecipeCategories ? kCategoryRecipes : kCategoryMealPlans, value);
}

long CFormManager::CategoryBack()
{
    if (m_history.GetCount() <= 1)
        return 1;
    m_pCurrentEntry = m_history.Pop();
    m_currentKind = m_pCurrentEntry->m_kind;
    if (m_currentKind != kStart && m_currentKind != kContents)
    {
        m_currentValue = m_pCurrentEntry->m_value;
        HasChildCategories(m_currentValue);
        return 1;
    }
    m_pPreviousForm = m_pActiveForm;
    m_navName.Empty();
    ShowCurrentKind(0);
    return 0;
}

long CFormManager::ListBack()
{
    if (m_history.GetCount() <= 1)
        return 1;
    m_pPreviousForm = m_pActiveForm;
    m_pCurrentEntry = m_history.Pop();
    m_currentKind = m_pCurrentEntry->m_kind;
    if (m_currentKind != kRecipeCategories && m_currentKind != kMealPlanCategories)
    {
        ShowCurrentKind(0);
        return 0;
    }
    m_currentValue = m_pCurrentEntry->m_value;
    HasChildCategories(m_currentValue);
    ShowCurrentKind(m_currentValue);
    return 0;
}

// Reads the child categories that the category form then shows; kind 0 stands for the current
// kind.
BOOL CFormManager::HasChildCategories(long value, long kind)
{
    CCookbookDatabase* pDatabase = GetCurrentDatabase();
    if (pDatabase == nullptr || !pDatabase->IsOpen())
        return FALSE;
    SetWaitCursor(1);
    pDatabase->GetChildCategories(m_level, value, kind != kStart ? kind : m_currentKind);
    SetWaitCursor(0);
    return m_level.GetSize() > 0;
}

const CategoryListItem* CFormManager::FindCategory(long value) const
{
    CCookbookDatabase* pDatabase = GetCurrentDatabase();
    if (pDatabase == nullptr || !pDatabase->IsOpen())
        return nullptr;
    return pDatabase->FindCategory(CRecordId(static_cast<unsigned long>(value)));
}

// The category's name without its first "&".
CString CFormManager::CategoryDisplayName(long value) const
{
    const CategoryListItem* pCategory = FindCategory(value);
    if (pCategory == nullptr)
        return CString();
    CString name = pCategory->m_name;
    const int ampersand = name.Find('&');
    if (ampersand >= 0)
        name = name.Left(ampersand) + name.Mid(ampersand + 1);
    return name;
}

long CFormManager::GoTo(long kind, long value)
{
    m_pPreviousForm = m_pActiveForm;
    m_currentKind = kind;
    PushEntry(value, kind);
    ShowCurrentKind(value);
    return 0;
}

long CFormManager::Back()
{
    // The start entry stays: Back from it has nowhere to go.
    if (m_history.GetCount() <= 1)
        return 1;
    m_pPreviousForm = m_pActiveForm;
    m_pCurrentEntry = m_history.Pop();
    m_currentKind = m_pCurrentEntry->m_kind;
    ShowCurrentKind(m_pCurrentEntry->m_value);
    return 0;
}

long CFormManager::Home()
{
    if (m_currentKind == kStart)
        return 0;
    m_pPreviousForm = m_pActiveForm;
    m_history.Clear();
    m_navName.Empty();
    m_currentKind = kStart;
    PushEntry(0, kStart);
    ShowCurrentKind(0);
    return 0;
}

void CFormManager::PushEntry(long value, long kind)
{
    m_pCurrentEntry = m_history.Push(m_navName, value, kind);
}

CMultiDocTemplate* CFormManager::TemplateForKind(long kind) const
{
    const long kinds = static_cast<long>(sizeof kTemplateOfKind / sizeof kTemplateOfKind[0]);
    if (kind < 0 || kind >= kinds || kTemplateOfKind[kind] == kNoTemplate)
        return nullptr;
    return m_templates[kTemplateOfKind[kind]];
}

BOOL CFormManager::OpenTemplate(CMultiDocTemplate* pTemplate)
{
    return pTemplate != nullptr && pTemplate->OpenDocumentFile(nullptr, TRUE) != nullptr;
}

BOOL CFormManager::ShowCurrentKind(long value)
{
    if (m_pToolForm != nullptr)
        m_pToolForm->EnableButtonsForForm(m_currentKind);
    if (CCookbookDatabase* pDatabase = GetCurrentDatabase())
        pDatabase->CloseRecordsets();
    if (KeepsValue(m_currentKind))
        m_currentValue = value;
    if (!OpenTemplate(TemplateForKind(m_currentKind)))
    {
        FailMissingForm();
        return FALSE;
    }
    if (m_pPreviousForm != nullptr && m_pPreviousForm != m_pActiveForm)
    {
        if (CWnd* pFrame = m_pPreviousForm->GetParentFrame())
            pFrame->DestroyWindow();
    }
    m_pPreviousForm = nullptr;
    TrimWindowMenu();
    return TRUE;
}

void CFormManager::FailMissingForm()
{
    AfxMessageBox(MissingFormMessage());
    if (m_pPreviousForm != nullptr)
        m_pActiveForm = m_pPreviousForm;
    m_pPreviousForm = nullptr;
    if (CWnd* pMain = AfxGetMainWnd())
        pMain->PostMessage(WM_SYSCOMMAND, SC_CLOSE, 1);
}

// The form shown answers: only the editing forms and the shopping form hold changes.
int CFormManager::QuerySaveChanges()
{
    return m_pActiveForm != nullptr ? m_pActiveForm->QuerySaveChanges() : kSaveGoOn;
}

long CFormManager::GetCurrentEntryFlag() const
{
    const CNavEntry* pTop = m_history.Top();
    return pTop != nullptr ? pTop->m_flag : 0;
}

CString CFormManager::GetCurrentEntryName() const
{
    const CNavEntry* pTop = m_history.Top();
    return pTop != nullptr ? pTop->m_name : CString();
}

void CFormManager::SetCurrentEntryValue(long value)
{
    if (CNavEntry* pTop = m_history.Top())
        pTop->m_value = value;
}

// Drops the numbered window entries ("&1 ...") and the separator above them from the popup
// before the Help menu. A separator with no window entry below it belongs to the menu itself.
void CFormManager::TrimWindowMenu()
{
    CMenu* pBar = m_pFrame != nullptr ? m_pFrame->GetMenu() : nullptr;
    if (pBar == nullptr || pBar->GetMenuItemCount() < 2)
        return;
    CMenu* pPopup = pBar->GetSubMenu(pBar->GetMenuItemCount() - 2);
    if (pPopup == nullptr)
        return;
    bool separatorPending = false;
    for (int i = pPopup->GetMenuItemCount() - 1; i >= 0; --i)
    {
        CString text;
        pPopup->GetMenuString(i, text, MF_BYPOSITION);
        const bool isSeparator = (pPopup->GetMenuState(i, MF_BYPOSITION) & MF_SEPARATOR) != 0;
        if (text.GetLength() > 1 && text[1] >= '0' && text[1] <= '9')
        {
            pPopup->RemoveMenu(i, MF_BYPOSITION);
            separatorPending = true;
        }
        else if (isSeparator && separatorPending)
        {
            pPopup->RemoveMenu(i, MF_BYPOSITION);
            separatorPending = false;
        }
    }
    m_pFrame->DrawMenuBar();
}

float CFormManager::ScaleFormFont(CView* pForm)
{
    return ::ScaleFormFont(pForm);
}

CBVFormView* ActiveFormOfKind(long kind)
{
    if (g_pFormManager == nullptr || g_pFormManager->GetCurrentKind() != kind)
        return nullptr;
    return g_pFormManager->GetActiveForm();
}

void RefreshContentsForm()
{
    if (CBVFormView* pForm = ActiveFormOfKind(CFormManager::kContents))
        pForm->RefreshContents();
}
