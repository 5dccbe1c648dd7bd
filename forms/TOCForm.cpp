#include "forms/TOCForm.h"

#include <windows.h>

#include "database/BrowseState.h"
#include "database/CategoryListItem.h"
#include "database/CookbookDatabase.h"
#include "database/MenuListItem.h"
#include "database/RecipeListItem.h"
#include "database/SlotArray.h"
#include "database/SortByCombo.h"
#include "database/SortedRecipeListItem.h"
#include "forms/DuplicateRecipeDlg.h"
#include "framework/AfxMessageBox.h"
#include "framework/DC.h"
#include "framework/MessageMap.h"
#include "framework/StandardIds.h"
#include "listctl/ListProtocol.h"
#include "printing/PrintDrivers.h"
#include "res/resource.h"
#include "shell/controls/DialogControls.h"
#include "shell/formbase/FormManager.h"
#include "shell/graphics/FontFaces.h"
#include "shell/services/CurrentDatabase.h"
#include "shell/services/HelpService.h"
#include "shell/services/MessageUtilities.h"
#include "shell/settings/WindowPlacement.h"

IMPLEMENT_DYNCREATE(CTOCForm, CBVFormView)

BEGIN_MESSAGE_MAP(CTOCForm, CBVFormView)
    ON_WM_CTLCOLOR()
    ON_WM_DESTROY()
    ON_COMMAND(IDC_TOC_BACK, OnBack)
    ON_COMMAND(IDC_TOC_VIEW, OnView)
    ON_LBN_DBLCLK(IDC_TOC_ITEMS, OnView)
    ON_LBN_DBLCLK(IDC_TOC_RECIPES, OnView)
    ON_LBN_SELCHANGE(IDC_TOC_CONTENTS, OnContentsChange)
    ON_LBN_SELCHANGE(IDC_TOC_ITEMS, OnItemChange)
    ON_LBN_SELCHANGE(IDC_TOC_RECIPES, OnItemChange)
    ON_CBN_SELCHANGE(IDC_TOC_SORT, OnSortChange)
    ON_CBN_CLOSEUP(IDC_TOC_SORT, OnSortChange)
    ON_COMMAND(IDOK, OnOK)
    ON_COMMAND(ID_CONTEXT_HELP, OnHelp)
    ON_COMMAND_RANGE(ID_FORM_ADD_TO_MEAL_PLAN, ID_FORM_ADD_TO_SHOPPING_LIST, OnSelectionCommand)
    ON_COMMAND(ID_EDIT_DELETE_ITEM, OnDelete)
    ON_COMMAND(ID_EDIT_DUPLICATE_RECIPE, OnDuplicate)
    ON_COMMAND_RESULT(ID_FORM_ASSIGN_RATING, OnRate)
END_MESSAGE_MAP()

namespace {

const int kLabelHeight = 20;
const int kComboHeight = 18;
const int kComboWeight = 600;
const int kRowHeight = 20;
const UINT kHelpContext = 2010;
const int kRatingKey = 1;

// The fixed entries, compared by text in this order; any other row is a chapter.
struct FixedEntry
{
    UINT nNameId;
    CTOCForm::ContentsKind kind;
};
const FixedEntry kFixedEntries[] = {
    {IDS_ALL_MEAL_PLANS, CTOCForm::kAllMealPlans},
    {IDS_ALL_RECIPE_CATEGORIES, CTOCForm::kRecipeCategories},
    {IDS_ALL_MEAL_PLAN_CATEGORIES, CTOCForm::kMealPlanCategories},
    {IDS_ALL_RECIPES, CTOCForm::kAllRecipes},
    {IDS_ALL_RECIPES_WITH_PHOTOS, CTOCForm::kRecipesWithPhotos},
    {IDS_ALL_RECIPES_WITH_VIDEOS, CTOCForm::kRecipesWithVideos},
    {IDS_ALL_RECIPES_WITH_SOUNDS, CTOCForm::kRecipesWithSounds},
};

// The list source of each recipe kind: a chapter's number, every recipe, or the pseudo ids of
// the recipes with photos, videos or sounds.
const unsigned long kRecipeSources[] = {0, 0, 999996, 999997, 999998};

struct Place
{
    int contentsRow = 0;
    int item = 0;
    int kind = CTOCForm::kChapter;
};
Place s_place;

CString LoadText(UINT nId)
{
    CString text;
    text.LoadString(nId);
    return text;
}

BOOL IsRecipeKind(int kind)
{
    return kind <= CTOCForm::kRecipesWithSounds;
}

}  // namespace

CTOCForm::CTOCForm()
    : CBVFormView(IDD_TOC_FORM), m_contents(CControlFontSpec(IDC_TOC_CONTENTS, kRowHeight)),
      m_items(CControlFontSpec(IDC_TOC_ITEMS, kRowHeight))
{
    SetHelpContext(kHelpContext);
}

CTOCForm::~CTOCForm() = default;

void CTOCForm::ForgetPlace()
{
    s_place = Place();
}

void CTOCForm::OnInitialUpdate()
{
    CBVFormView::OnInitialUpdate();
    LoadAcceleratorTable(IDR_VIEW_KEYS);
    ScaleChildFonts();
    SetScrollSizes(MM_TEXT, GetDesignSize());
    m_sortKey = g_pBrowseState != nullptr ? g_pBrowseState->m_sortKey : 0;
    AttachControls();
    FillContents();
    m_contents.SetCurSel(s_place.contentsRow);
    FillItems();
    g_pFormManager->SetActiveForm(this);
}

void CTOCForm::AttachControls()
{
    CreateLabelFont(m_labelFont, GetSansFaceId(), kLabelHeight, FW_NORMAL);
    CreateLabelFont(m_comboFont, GetSansFaceId(), kComboHeight, kComboWeight);
    for (UINT nId : {IDC_TOC_CONTENTS_LABEL, IDC_TOC_HEADING, IDC_TOC_SORTED_BY})
        GetDlgItem(nId)->SetFont(&m_labelFont);
    m_sort.SubclassDlgItem(IDC_TOC_SORT, this);
    m_sort.SetFont(&m_comboFont);
    AttachBitmapButton(m_view, this, IDC_TOC_VIEW, "VIEWUP", "VIEWDN", "VIEWUP", "VIEWGR");
    AttachBitmapButton(m_back, this, IDC_TOC_BACK, "BACKUP", "BACKDN", "BACKUP", "BACKGR");
    AttachBitmapButton(m_key, this, IDC_TOC_KEY, "TOC_KEY", "TOC_KEY", "TOC_KEY", "TOC_KEY");
    for (COwnerDrawDragList* pList : {&m_contents, &m_items})
    {
        pList->SubclassDlgItem(pList == &m_contents ? IDC_TOC_CONTENTS : IDC_TOC_ITEMS, this);
        pList->SetColors(m_scheme.GetColour(CListFormScheme::kListBackground),
                         m_scheme.GetColour(CListFormScheme::kHighlight));
    }
    m_recipes.Attach(this, IDC_TOC_RECIPES);
    m_recipes.SetFontSpec(CControlFontSpec(IDC_TOC_RECIPES, kRowHeight));
    m_recipes.ShowWindow(SW_HIDE);
}

// The list control asks its parent for every row: those queries go to the recipe list first.
// Print Chapter is taken only when sent to the form, never through the command map: the frame
// routes the menu command to the active view first, where it would read as the question.
LRESULT CTOCForm::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (m_recipes.m_hWnd != nullptr && m_recipes.HandlesListMessage(message, wParam, lParam))
        return m_recipes.OnListMessage(message, wParam, lParam);
    if (message == WM_COMMAND && LOWORD(wParam) == ID_FILE_PRINT_CHAPTER)
        return OnPrintChapter(lParam);
    return CBVFormView::WindowProc(message, wParam, lParam);
}

void CTOCForm::FillContents()
{
    m_contents.ResetContent();
    const CCustObArray& entries = GetCurrentDatabase()->BuildContentsEntries();
    for (int i = 0; i < entries.GetSize(); ++i)
    {
        const auto* pEntry = static_cast<const CListItem*>(entries.GetItemAt(i));
        m_contents.SetItemData(m_contents.AddString(pEntry->m_name), pEntry->m_id.GetNumber());
    }
    m_contents.Invalidate();
}

void CTOCForm::FillItems()
{
    const int row = m_contents.GetCurSel();
    if (row < 0)
        return;
    CString name;
    m_contents.GetText(row, name);
    s_place.kind = kChapter;
    for (const FixedEntry& entry : kFixedEntries)
        if (name == LoadText(entry.nNameId))
        {
            s_place.kind = entry.kind;
            break;
        }
    SetDlgItemText(IDC_TOC_HEADING, (s_place.kind == kChapter ? LoadText(IDS_RECIPES_NAV) : name) + ":");
    ShowRecipeControls(IsRecipeKind(s_place.kind));
    if (IsRecipeKind(s_place.kind))
        FillRecipes();
    else if (s_place.kind == kAllMealPlans)
        FillMealPlans();
    else
        FillCategories();
    m_items.Invalidate();
}

void CTOCForm::ShowRecipeControls(BOOL bRecipes)
{
    if (bRecipes && !m_recipes.IsWindowVisible())
    {
        m_sort.ResetContent();
        FillSortByCombo(m_sort, m_sortKey);
    }
    const int recipeShow = bRecipes ? SW_SHOW : SW_HIDE;
    const int itemShow = bRecipes ? SW_HIDE : SW_SHOW;
    GetDlgItem(IDC_TOC_HEADING)->ShowWindow(itemShow);
    m_items.ShowWindow(itemShow);
    GetDlgItem(IDC_TOC_SORTED_BY)->ShowWindow(recipeShow);
    m_sort.ShowWindow(recipeShow);
    m_recipes.ShowWindow(recipeShow);
}

void CTOCForm::FillRecipes()
{
    const unsigned long source = s_place.kind == kChapter
                                     ? static_cast<unsigned long>(m_contents.GetItemData(m_contents.GetCurSel()))
                                     : kRecipeSources[s_place.kind];
    m_recipes.Initialise(m_sortKey, CRecordId(source), m_sortKey);
    m_recipes.Reset();
    const LRESULT count = m_recipes.SendMessage(LCM_GETCOUNT);
    if (s_place.item >= count)
        s_place.item = 0;
    if (s_place.item >= 0 && count > 0)
        m_recipes.SelectItem(s_place.item, LCN_GETAT);
}

// A meal-plan row keeps the plan's position in the cookbook's meal-plan list.
void CTOCForm::FillMealPlans()
{
    m_items.ResetContent();
    const CCustObArray& plans = GetCurrentDatabase()->GetMenuListFor(*g_pBrowseState, nullptr, TRUE);
    for (int i = 0; i < plans.GetSize(); ++i)
        m_items.SetItemData(m_items.AddString(static_cast<const CListItem*>(plans.GetItemAt(i))->m_name), i);
    if (s_place.item >= m_items.GetCount())
        s_place.item = 0;
    m_items.SetCurSel(s_place.item);
}

// A category row keeps the category's whole number: the list mode comes from the entry.
void CTOCForm::FillCategories()
{
    m_items.ResetContent();
    CSlotArray categories;
    GetCurrentDatabase()->CopyCategoryTree(categories, s_place.kind == kRecipeCategories ? 1 : 2);
    for (int i = 0; i < categories.GetSize(); ++i)
        if (const auto* pCategory = static_cast<const CategoryListItem*>(categories.GetItemAt(i)))
            m_items.SetItemData(m_items.AddString(pCategory->m_name), pCategory->m_id.GetNumber());
    if (s_place.item >= m_items.GetCount())
        s_place.item = 0;
    m_items.SetCurSel(s_place.item);
}

BOOL CTOCForm::TakeSelection()
{
    if (IsRecipeKind(s_place.kind))
    {
        const int index = m_recipes.GetCurSel();
        const CSortedRecipeListItem* pItem = index >= 0 ? m_recipes.GetItemAt(index) : nullptr;
        if (pItem == nullptr)
            return FALSE;
        s_place.item = index;
        m_listMode = kRecipeMode;
        m_selectedRecipe = pItem->m_id;
        return TRUE;
    }
    const int row = m_items.GetCurSel();
    if (row < 0)
        return FALSE;
    s_place.item = row;
    m_listMode = s_place.kind == kAllMealPlans ? kMealPlanMode : kCategoryMode;
    m_selectedNumber = static_cast<long>(m_items.GetItemData(row));
    return TRUE;
}

int CTOCForm::GetSelectedListMode() const
{
    if (m_recipes.IsWindowVisible() && m_recipes.GetCurSel() >= 0)
        return kRecipeMode;
    if (m_items.IsWindowVisible() && m_items.GetCurSel() >= 0)
        return kMealPlanMode;
    return kNothing;
}

BOOL CTOCForm::HasToolSelection() const
{
    return GetSelectedListMode() != kNothing;
}

void CTOCForm::RefreshContents()
{
    RememberContentsRow();
    FillContents();
    m_contents.SetCurSel(s_place.contentsRow);
    FillItems();
}

BOOL CTOCForm::ReadSelectedRecipe(CRecipeListItem& recipe)
{
    if (!TakeSelection() || m_listMode != kRecipeMode)
        return FALSE;
    recipe.m_id = m_selectedRecipe;
    return GetCurrentDatabase()->ReadRecipeListItem(&recipe, 1) != 0;
}

void CTOCForm::RememberContentsRow()
{
    s_place.contentsRow = m_contents.GetCurSel();
}

void CTOCForm::OnDestroy()
{
    RememberContentsRow();
    CBVFormView::OnDestroy();
}

void CTOCForm::OnBack()
{
    g_pFormManager->OpenForm(CFormManager::kActionBack, 0, 0);
}

void CTOCForm::OnView()
{
    RememberContentsRow();
    if (!TakeSelection())
        return;
    StartWaitCursor();
    switch (m_listMode)
    {
    case kRecipeMode: ViewRecipe(); break;
    case kMealPlanMode: ViewMealPlan(); break;
    default: ViewCategory(); break;
    }
    StopWaitCursor();
}

// The viewing forms step through the browse state's list: it holds the recipe chosen, since
// the list shown may be far too long to copy.
void CTOCForm::ViewRecipe()
{
    CRecipeList chosen;
    auto* pItem = new CRecipeListItem;
    pItem->m_id = m_selectedRecipe;
    pItem->m_name = m_recipes.GetItemAt(s_place.item)->m_name;
    chosen.Add(pItem);
    g_pBrowseState->FillRecipeList(chosen, 0);
    g_pFormManager->OpenForm(CFormManager::kActionGoTo, CFormManager::kRecipeView, m_selectedRecipe.GetNumber());
}

void CTOCForm::ViewMealPlan()
{
    CCookbookDatabase* pDatabase = GetCurrentDatabase();
    pDatabase->GetMenuListFor(*g_pBrowseState, nullptr, TRUE).SetCurrentIndex(m_selectedNumber);
    if (const MenuListItem* pPlan = pDatabase->GetMenuAt(m_selectedNumber))
        g_pFormManager->SetCurrentMealPlanId(pPlan->m_id);
    g_pFormManager->OpenForm(CFormManager::kActionGoTo, CFormManager::kMealPlanView, m_selectedNumber);
}

// The form manager finds whether the category has sub-categories and opens the category form or
// the category's list.
void CTOCForm::ViewCategory()
{
    const long tree =
        s_place.kind == kRecipeCategories ? CFormManager::kRecipeCategories : CFormManager::kMealPlanCategories;
    g_pFormManager->OpenForm(CFormManager::kActionDrillDown, tree, m_selectedNumber);
}

void CTOCForm::OnOK()
{
    if (m_items.IsWindowVisible() ? m_items.GetCurSel() >= 0 : m_recipes.GetCurSel() >= 0)
        OnView();
}

void CTOCForm::OnHelp()
{
    ShowHelp(HELP_CONTEXT, kHelpContext, IDS_HELP_FILE);
}

void CTOCForm::OnContentsChange()
{
    if (m_fillingContents)
        return;
    m_fillingContents = TRUE;
    RememberContentsRow();
    s_place.item = 0;
    FillItems();
    m_fillingContents = FALSE;
}

void CTOCForm::OnItemChange()
{
    TakeSelection();
}

void CTOCForm::OnSortChange()
{
    const int key = m_sort.GetCurSel();
    if (key < 0 || key == m_sortKey)
        return;
    m_sortKey = key;
    g_pBrowseState->m_sortKey = key;
    FillItems();
}

// 89 has nothing to do.
void CTOCForm::OnSelectionCommand(UINT nId)
{
    if (!TakeSelection())
        return;
    if (m_listMode == kRecipeMode)
    {
        CRecipeListItem recipe;
        if (!ReadSelectedRecipe(recipe))
            return;
        RunForRecipe(this, nId, recipe);
        return;
    }
    const MenuListItem* pPlan = GetCurrentDatabase()->GetMenuAt(m_selectedNumber);
    if (m_listMode == kMealPlanMode && pPlan != nullptr)
        RunForMealPlan(this, nId, *pPlan);
}

BOOL CTOCForm::Ask(UINT nQuestionId, LPCSTR lpszName)
{
    return MessageBoxById(m_hWnd, lpszName, nQuestionId, MB_YESNO) == IDYES;
}

void CTOCForm::OnDelete()
{
    if (!TakeSelection())
        return;
    switch (m_listMode)
    {
    case kRecipeMode: DeleteRecipe(); break;
    case kMealPlanMode: DeleteMealPlan(); break;
    default: MessageBoxById(m_hWnd, nullptr, IDS_DELETE_CATEGORY_ADVICE, MB_OK); break;
    }
}

void CTOCForm::DeleteRecipe()
{
    const CString name = m_recipes.GetItemAt(s_place.item)->m_name;
    if (!Ask(IDS_DELETE_RECIPE_QUESTION, name))
        return;
    UpdateWindow();
    StartWaitCursor();
    const BOOL deleted = GetCurrentDatabase()->DeleteRecipe(m_selectedRecipe, TRUE);
    StopWaitCursor();
    if (!deleted)
    {
        AfxMessageBox(IDS_RECIPE_NOT_DELETED);
        return;
    }
    FillItems();
    m_contents.Invalidate();
}

void CTOCForm::DeleteMealPlan()
{
    CString name;
    m_items.GetText(s_place.item, name);
    if (!Ask(IDS_DELETE_MEAL_PLAN_QUESTION, name))
        return;
    const MenuListItem* pPlan = GetCurrentDatabase()->GetMenuAt(m_selectedNumber);
    if (pPlan == nullptr || !GetCurrentDatabase()->DeleteMenu(pPlan->m_id, TRUE))
    {
        AfxMessageBox(IDS_MEAL_PLAN_NOT_DELETED);
        return;
    }
    FillItems();
    m_contents.Invalidate();
}

void CTOCForm::OnDuplicate()
{
    CRecipeListItem recipe;
    if (!ReadSelectedRecipe(recipe))
        return;
    CDuplicateRecipeDlg dialog(this);
    dialog.m_sourceId = recipe.m_id;
    dialog.m_sourceChapterId = recipe.m_chapterId;
    dialog.m_sourceTitle = recipe.m_name;
    dialog.m_proposedName = recipe.m_name;
    if (dialog.DoModal() == IDOK)
        FillItems();
}

// Only a list in rating order moves when a rating changes.
LRESULT CTOCForm::OnRate(LPARAM rating)
{
    CRecipeListItem recipe;
    if (!ReadSelectedRecipe(recipe))
        return 0;
    recipe.m_rating = static_cast<LONG>(rating);
    if (!GetCurrentDatabase()->SetRecipeRating(recipe))
        return 0;
    if (m_sortKey == kRatingKey)
        FillItems();
    else
        m_recipes.Invalidate();
    return 1;
}

// Asked with 0: whether a chapter is chosen; told with 1: print it.
LRESULT CTOCForm::OnPrintChapter(LPARAM perform)
{
    const int row = m_contents.GetCurSel();
    const BOOL chapterChosen = row >= 0 && s_place.kind == kChapter && m_contents.GetItemData(row) != 0;
    if (perform == 0 || !chapterChosen)
        return chapterChosen;
    CString name;
    m_contents.GetText(row, name);
    return PrintChapter(CListItem(name, static_cast<unsigned long>(m_contents.GetItemData(row)), 'C'));
}

HBRUSH CTOCForm::OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor)
{
    if (HBRUSH hBrush = m_scheme.ControlBrush(pDC, pWnd, this, nCtlColor, TRUE))
        return hBrush;
    return CBVFormView::OnCtlColor(pDC, pWnd, nCtlColor);
}
