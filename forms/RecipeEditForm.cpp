#include "forms/RecipeEditForm.h"

#include <windows.h>

#include "database/CookbookDatabase.h"
#include "database/RecipeListItem.h"
#include "forms/AttachCategoriesDlg.h"
#include "forms/AttachRefDlg.h"
#include "forms/IngredientPanel.h"
#include "forms/NutritionEditDlg.h"
#include "forms/RcpScrollWnd.h"
#include "framework/AfxMessageBox.h"
#include "framework/DC.h"
#include "framework/MessageMap.h"
#include "framework/StandardIds.h"
#include "res/resource.h"
#include "shell/controls/DialogControls.h"
#include "shell/formbase/CurrentRecipe.h"
#include "shell/formbase/FormManager.h"
#include "shell/graphics/LogFont.h"
#include "shell/services/CurrentDatabase.h"
#include "shell/services/MessageUtilities.h"
#include "shell/settings/MediaPath.h"

IMPLEMENT_DYNCREATE(CRecipeEditForm, CEditFormView)

BEGIN_MESSAGE_MAP(CRecipeEditForm, CEditFormView)
    ON_WM_CTLCOLOR()
    ON_WM_DESTROY()
    ON_COMMAND(IDC_RECIPE_EDIT_SAVE, OnSave)
    ON_COMMAND(IDC_RECIPE_EDIT_CATEGORIES, OnCategories)
    ON_COMMAND(IDC_RECIPE_EDIT_REFERENCES, OnReferences)
    ON_COMMAND(ID_RECIPE_EDIT_NUTRITION, OnNutritionEditor)
    ON_COMMAND_RANGE(ID_PANEL_NUTRITION, ID_PANEL_NUTRITION_CHART, OnNutritionPage)
    ON_CBN_CLOSEUP(IDC_RECIPE_EDIT_CHAPTER, OnChapterChosen)
    ON_CBN_EDITUPDATE(IDC_RECIPE_EDIT_CHAPTER, OnChapterTyped)
END_MESSAGE_MAP()

namespace {

const BYTE kEditedParts = CRecipeData::kLoadLines | CRecipeData::kLoadCategories | CRecipeData::kLoadReferences |
                          CRecipeData::kLoadRecipeRow;
const int kWritten = 0;
const int kReadOnly = 3;
const UINT kColourIds[] = {IDS_VIEW_FORM_BACKGROUND, 0, 0, 0, 0, IDS_VIEW_PANEL_BACKGROUND, IDS_VIEW_PANEL_TEXT,
                           0, 0, 0, 0};
const int kPanelFirstColour = 5;
const int kPanelSecondColour = 6;

CRecordId s_defaultChapter;

}  // namespace

CRecipeEditForm::CRecipeEditForm()
    : CEditFormView(IDD_RECIPE_EDIT_FORM), m_colors(kColourIds, sizeof kColourIds / sizeof kColourIds[0])
{
    m_background.CreateSolidBrush(m_colors.GetColour(0));
}

CRecipeEditForm::~CRecipeEditForm() = default;

CRecordId CRecipeEditForm::GetDefaultChapter()
{
    return s_defaultChapter;
}

void CRecipeEditForm::ForgetDefaultChapter()
{
    s_defaultChapter = CRecordId();
}

void CRecipeEditForm::OnInitialUpdate()
{
    LoadAcceleratorTable(IDR_MEAL_PLAN_EDIT_KEYS);
    ScaleChildFonts();
    SetScrollSizes(MM_TEXT, CSize(0, 0));
    MakeLabelFont();
    m_related.Create(this, CFormManager::kRecipeEdit, CIngredientPanel::Make);
    m_related.GetPanel().SetColors(m_colors.GetColour(kPanelFirstColour), m_colors.GetColour(kPanelSecondColour));
    m_chapter.SubclassDlgItem(IDC_RECIPE_EDIT_CHAPTER, this);
    m_chapter.ShowWindow(SW_SHOW);
    m_chapter.Fill();
    CreateFieldWindow();
    AttachButtons();
    g_pFormManager->SetActiveForm(this);
    UpdateWindow();
    CEditFormView::OnInitialUpdate();
    ShowFirstTimeHelp();
}

// The label takes the form's own (scaled) font height in the program's face.
void CRecipeEditForm::MakeLabelFont()
{
    LOGFONTA formFont{};
    if (CFont* pFont = GetFont())
        pFont->GetLogFont(&formFont);
    CLogFont label;
    label.lfHeight = static_cast<LONG>(formFont.lfHeight + 0.5);
    label.lfWeight = FW_NORMAL;
    if (m_labelFont.CreateFontIndirect(&label))
        GetDlgItem(IDC_RECIPE_EDIT_CHAPTER_LABEL)->SetFont(&m_labelFont);
}

void CRecipeEditForm::CreateFieldWindow()
{
    CWnd* pArea = GetDlgItem(IDC_RECIPE_EDIT_FIELDS);
    RECT area;
    ::GetWindowRect(pArea->m_hWnd, &area);
    ::MapWindowPoints(nullptr, m_hWnd, reinterpret_cast<POINT*>(&area), 2);
    pArea->ShowWindow(SW_HIDE);
    m_pFields = std::make_unique<CRcpScrollWnd>(this, area, &m_copy, this);
}

void CRecipeEditForm::AttachButtons()
{
    AttachBitmapButton(m_back, this, IDC_EDIT_FORM_BACK, "BACKUP", "BACKDN", "BACKUP", "BACKGR");
    AttachBitmapButton(m_save, this, IDC_RECIPE_EDIT_SAVE, "SAVEUP", "SAVEDN", "SAVEUP", "SAVEGR");
    AttachBitmapButton(m_categories, this, IDC_RECIPE_EDIT_CATEGORIES, "CATUP", "CATDN", "CATUP", "CATGR");
    AttachBitmapButton(m_references, this, IDC_RECIPE_EDIT_REFERENCES, "REFUP", "REFDN", "REFUP", "REFGR");
}

void CRecipeEditForm::OnUpdate(CView* /*pSender*/, LPARAM lHint, CObject* /*pHint*/)
{
    if (lHint == 0 && m_pFields != nullptr)
        ShowRecipe();
}

void CRecipeEditForm::ShowRecipe()
{
    m_pCached = GetCurrentRecipe(g_pFormManager->GetEditRecipeId(), kEditedParts);
    if (m_pCached == nullptr)
    {
        AfxMessageBox(IDS_RECIPE_NOT_FOUND, MB_OK);
        return;
    }
    m_copy = *m_pCached;
    if (m_copy.m_recipeId == 0UL)
        m_copy.m_chapterId = s_defaultChapter;
    m_original = m_copy;
    m_chapter.SelectChapter(m_copy.m_chapterId);
    m_pFields->LoadRecipe();
    m_related.Load(m_copy.m_recipeId, &m_copy.m_links);
    m_nModified = 0;
    m_chapter.SetFocus();
}

BOOL CRecipeEditForm::CanCopyIngredients() const
{
    return m_pFields != nullptr && m_pFields->CanCopyIngredients();
}

BOOL CRecipeEditForm::CanPasteIngredients() const
{
    return m_pFields != nullptr && !m_pFields->IsLineEditorOpen();
}

int CRecipeEditForm::GetRelatedItemNames(CStringArray& names) const
{
    return m_related.GetRelatedItemNames(names);
}

BOOL CRecipeEditForm::OnCommand(WPARAM wParam, LPARAM lParam)
{
    if (HIWORD(wParam) <= 1 && m_related.OnCommand(LOWORD(wParam)))
        return TRUE;
    switch (LOWORD(wParam))
    {
    case IDOK:
        if (m_pFields->CanCopyIngredients())
            m_pFields->OpenLineEditor();
        return TRUE;
    case ID_RECIPE_EDIT_OPTIONAL:
    case ID_RECIPE_EDIT_PREPARATION_BEFORE: ForwardToIngredientPanel(wParam); return TRUE;
    case ID_EDIT_CUT:
    case ID_EDIT_COPY:
    case ID_EDIT_PASTE: OnClipboardCommand(LOWORD(wParam)); return TRUE;
    default: return CEditFormView::OnCommand(wParam, lParam);
    }
}

void CRecipeEditForm::ForwardToIngredientPanel(WPARAM wParam)
{
    CEditPanelSlot* pPanel = m_related.GetPanel().GetEditPanel();
    if (m_pFields->IsLineEditorOpen() && pPanel != nullptr)
        pPanel->GetWindow().SendMessage(WM_COMMAND, wParam, 0);
}

void CRecipeEditForm::OnClipboardCommand(UINT nId)
{
    if (m_pFields->CanCopyIngredients())
    {
        if (nId == ID_EDIT_CUT)
            m_pFields->CutIngredients();
        else if (nId == ID_EDIT_COPY)
            m_pFields->CopyIngredients();
        else
            m_pFields->PasteIngredients();
        return;
    }
    const UINT message = nId == ID_EDIT_CUT ? WM_CUT : nId == ID_EDIT_COPY ? WM_COPY : WM_PASTE;
    if (HWND hFocus = ::GetFocus())
        ::SendMessageA(hFocus, message, 0, 0);
}

void CRecipeEditForm::NextField()
{
    m_pFields->NextField();
}

void CRecipeEditForm::PreviousField()
{
    m_pFields->PreviousField();
}

void CRecipeEditForm::NextLine()
{
    m_pFields->NextLine();
}

void CRecipeEditForm::PreviousLine()
{
    m_pFields->PreviousLine();
}

int CRecipeEditForm::QuerySaveChanges()
{
    if (!CommitPendingLine())
        return CFormManager::kSaveCancel;
    return CEditFormView::QuerySaveChanges();
}

BOOL CRecipeEditForm::CommitPendingLine()
{
    return m_pFields == nullptr || !m_pFields->IsLineEditorOpen() || m_pFields->CommitLineEditor();
}

// The dirty flag stays set until the cookbook holds the copy: a refused or failed save keeps
// the edits and the question before leaving.
int CRecipeEditForm::SaveRecipe()
{
    if (m_nModified == 0 || m_pCached == nullptr)
        return kNotSaved;
    if (!m_chapter.CheckChapter(m_copy))
        return kNotSaved;
    m_pFields->ReadFields();
    if (m_copy.m_title.IsEmpty())
    {
        AfxMessageBox(IDS_RECIPE_NEEDS_TITLE, MB_OK);
        return kNotSaved;
    }
    if (m_copy.m_recipeId == 0UL && TitleInUse() &&
        MessageBoxById(m_hWnd, m_copy.m_title, IDS_RECIPE_TITLE_IN_USE, MB_YESNO | MB_ICONQUESTION) != IDYES)
        return kDeclined;
    const int result = WriteCopy();
    if (result != kWritten)
    {
        AfxMessageBox(result == kReadOnly ? IDS_COOKBOOK_READ_ONLY : IDS_RECIPE_NOT_SAVED, MB_OK);
        return kDeclined;
    }
    m_nModified = 0;
    *m_pCached = m_copy;
    m_original = m_copy;
    s_defaultChapter = m_copy.m_chapterId;
    return kSaved;
}

int CRecipeEditForm::WriteCopy()
{
    CCookbookDatabase* pDatabase = GetCurrentDatabase();
    if (pDatabase == nullptr)
        return kReadOnly;
    StartWaitCursor();
    const int result =
        m_copy.m_recipeId == 0UL ? pDatabase->InsertRecipe(m_copy, FALSE) : pDatabase->SaveRecipe(m_original, m_copy);
    StopWaitCursor();
    return result;
}

BOOL CRecipeEditForm::TitleInUse() const
{
    CRecipeListItem item;
    item.m_name = m_copy.m_title;
    CCookbookDatabase* pDatabase = GetCurrentDatabase();
    return pDatabase != nullptr && pDatabase->ReadRecipeListItem(&item, 0) != 0;
}

void CRecipeEditForm::OnSave()
{
    if (!CommitPendingLine() || SaveRecipe() != kSaved)
        return;
    m_related.Load(m_copy.m_recipeId, &m_copy.m_links);
    EnablePageButtons(!m_pFields->IsLineEditorOpen());
}

CWnd* CRecipeEditForm::ShowIngredientPanel(CWnd* pOwner)
{
    m_related.GetPanel().ShowIngredientPanel(pOwner);
    CEditPanelSlot* pPanel = m_related.GetPanel().GetEditPanel();
    return pPanel != nullptr ? &pPanel->GetWindow() : nullptr;
}

void CRecipeEditForm::HideIngredientPanel()
{
    m_related.GetPanel().HideIngredientPanel(this, m_copy.m_recipeId);
}

void CRecipeEditForm::SetIngredientLine(CIngData* pLine)
{
    m_related.GetPanel().SetIngredientLine(pLine);
}

void CRecipeEditForm::EnablePageButtons(BOOL bEnable)
{
    m_related.GetPageButtons().EnablePages(bEnable);
}

void CRecipeEditForm::OnCategories()
{
    CAttachCategoriesDlg dialog(this, CAttachCategoriesDlg::kRecipe);
    dialog.SetRecipe(&m_copy);
    if (dialog.DoModal() == IDOK && dialog.IsChanged())
        SetDirty();
}

void CRecipeEditForm::OnReferences()
{
    CAttachRefDlg dialog(this, FALSE);
    dialog.SetRecipe(&m_copy);
    if (dialog.DoModal() == IDC_ATTACH_CLOSE && dialog.IsModified())
        SetDirty();
}

// The dialog shows what the recipe holds now: a profile not read yet is read, or computed from
// the lines, first.
void CRecipeEditForm::OnNutritionEditor()
{
    CCookbookDatabase* pDatabase = GetCurrentDatabase();
    if ((m_copy.m_loadLevel & CRecipeData::kLoadNutrition) == 0 && pDatabase != nullptr)
        pDatabase->ComputeRecipeNutrition(m_copy, FALSE, TRUE);
    CNutritionEditDlg dialog(&m_copy, this);
    if (dialog.DoModal() == IDOK)
        SetDirty();
}

void CRecipeEditForm::OnNutritionPage(UINT nId)
{
    m_related.GetPageButtons().SelectPage(CPanelPageButtons::kNutritionPage);
    m_related.ShowNutrition(nId, &m_copy.m_recipeId, nullptr);
}

void CRecipeEditForm::OnChapterChosen()
{
    if (m_chapter.TakeSelection(m_copy))
        SetDirty();
}

// A typed chapter is an edit like any other: Save checks it.
void CRecipeEditForm::OnChapterTyped()
{
    m_chapter.CompleteTyping();
    SetDirty();
}

HBRUSH CRecipeEditForm::OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor)
{
    if (nCtlColor == CTLCOLOR_DLG && pWnd != nullptr && pWnd->m_hWnd == m_hWnd)
        return m_background;
    if (nCtlColor == CTLCOLOR_LISTBOX || nCtlColor == CTLCOLOR_STATIC)
        ::SetBkMode(pDC->m_hDC, TRANSPARENT);
    return CEditFormView::OnCtlColor(pDC, pWnd, nCtlColor);
}

void CRecipeEditForm::OnDestroy()
{
    if (m_pFields != nullptr)
        m_pFields->DestroyWindow();
    m_pFields.reset();
    CEditFormView::OnDestroy();
}
