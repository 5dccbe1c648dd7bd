#include "forms/EditCategoriesDlg.h"

#include <windows.h>

#include "database/CategoryListItem.h"
#include "database/CookbookDatabase.h"
#include "res/resource.h"
#include "shell/services/CurrentDatabase.h"
#include "shell/services/HelpService.h"
#include "shell/services/MessageUtilities.h"
#include "shell/settings/WindowPlacement.h"

namespace {
constexpr UINT kHelpContext = 2029;
constexpr const char* kIndent = "    ";
}  // namespace

BEGIN_MESSAGE_MAP(CEditCategoriesDlg, CDialog)
    ON_BN_CLICKED(IDC_CATEGORY_RECIPE_TYPE, OnRecipeTree)
    ON_BN_CLICKED(IDC_CATEGORY_MEAL_PLAN_TYPE, OnMealPlanTree)
    ON_LBN_SELCHANGE(IDC_CATEGORY_ALL, OnCategorySelected)
    ON_LBN_DBLCLK(IDC_CATEGORY_ALL, OnCategoryDoubleClick)
    ON_EN_UPDATE(IDC_CATEGORY_NAME, OnNameUpdate)
    ON_BN_CLICKED(IDC_CATEGORY_ADD, OnAdd)
    ON_BN_CLICKED(IDC_CATEGORY_SAVE, OnSave)
    ON_BN_CLICKED(IDC_CATEGORY_DELETE, OnDelete)
    ON_BN_CLICKED(IDC_HELP_BUTTON, OnHelpButton)
    ON_WM_DESTROY()
END_MESSAGE_MAP()

CEditCategoriesDlg::CEditCategoriesDlg(CWnd* pParent, int nKind) : CDialog(IDD_EDIT_CATEGORIES, pParent), m_nKind(nKind)
{
}

BOOL CEditCategoriesDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_helpContext.Set(kHelpContext);
    const BOOL bMealPlans = m_nKind == 1 || m_nKind == 3;
    CheckDlgButton(bMealPlans ? IDC_CATEGORY_MEAL_PLAN_TYPE : IDC_CATEGORY_RECIPE_TYPE, BST_CHECKED);
    if (m_nKind == 2)
        GetDlgItem(IDC_CATEGORY_MEAL_PLAN_TYPE)->EnableWindow(FALSE);
    if (m_nKind == 3)
        GetDlgItem(IDC_CATEGORY_RECIPE_TYPE)->EnableWindow(FALSE);
    ShowTree(bMealPlans ? CCategoryBrowser::kMealPlanTree : CCategoryBrowser::kRecipeTree);
    CenterWindowOver(this, m_pParentWnd);
    return TRUE;
}

void CEditCategoriesDlg::ShowTree(int nTree)
{
    CString heading;
    heading.LoadString(nTree == CCategoryBrowser::kRecipeTree ? IDS_ALL_RECIPE_CATEGORIES_LABEL
                                                              : IDS_ALL_MEAL_PLAN_CATEGORIES_LABEL);
    SetDlgItemText(IDC_CATEGORY_HEADING, heading);
    m_browser.Start(nTree);
    Refill();
}

void CEditCategoriesDlg::Refill()
{
    m_browser.Fill(GetDlgItem(IDC_CATEGORY_ALL)->m_hWnd);
    SetDlgItemText(IDC_CATEGORY_NAME, "");
    SetDlgItemText(IDC_CATEGORY_PATH, "");
    GetDlgItem(IDC_CATEGORY_DELETE)->EnableWindow(FALSE);
    GetDlgItem(IDC_CATEGORY_SAVE)->EnableWindow(FALSE);
    m_bNameChanged = FALSE;
}

void CEditCategoriesDlg::OnRecipeTree()
{
    ShowTree(CCategoryBrowser::kRecipeTree);
}

void CEditCategoriesDlg::OnMealPlanTree()
{
    ShowTree(CCategoryBrowser::kMealPlanTree);
}

CString CEditCategoriesDlg::TypedName() const
{
    CString name;
    GetDlgItemText(IDC_CATEGORY_NAME, name);
    return name;
}

long CEditCategoriesDlg::SelectedId() const
{
    const LRESULT nRow = SendDlgItemMessage(IDC_CATEGORY_ALL, LB_GETCURSEL);
    if (nRow < 0)
        return 0;
    return static_cast<long>(SendDlgItemMessage(IDC_CATEGORY_ALL, LB_GETITEMDATA, static_cast<WPARAM>(nRow)));
}

BOOL CEditCategoriesDlg::Confirm(UINT nId, const CString& name)
{
    return MessageBoxById(m_hWnd, name, nId, MB_YESNO | MB_ICONQUESTION) == IDYES;
}

void CEditCategoriesDlg::OnCategorySelected()
{
    const long id = SelectedId();
    const CategoryListItem* pCategory = m_browser.FindChild(id);
    if (pCategory == nullptr)
        return;
    SetDlgItemText(IDC_CATEGORY_NAME, pCategory->m_name);
    SetDlgItemText(IDC_CATEGORY_PATH, m_browser.PathOf(id));
    GetDlgItem(IDC_CATEGORY_DELETE)->EnableWindow(TRUE);
    // After the text went in: its update notice set the flag.
    m_bNameChanged = FALSE;
}

void CEditCategoriesDlg::OnCategoryDoubleClick()
{
    const int nRow = static_cast<int>(SendDlgItemMessage(IDC_CATEGORY_ALL, LB_GETCURSEL));
    if (m_browser.Navigate(GetDlgItem(IDC_CATEGORY_ALL)->m_hWnd, nRow))
        Refill();
}

void CEditCategoriesDlg::OnNameUpdate()
{
    m_bNameChanged = TRUE;
    GetDlgItem(IDC_CATEGORY_SAVE)->EnableWindow(TRUE);
}

// Categories that already hold recipes or meal plans take no sub-categories.
BOOL CEditCategoriesDlg::LevelHoldsItems() const
{
    CCookbookDatabase* pDatabase = GetCurrentDatabase();
    const long levelId = m_browser.GetLevelId();
    const CategoryListItem* pLevel = pDatabase != nullptr && levelId != 0
                                         ? pDatabase->FindCategory(CRecordId(static_cast<unsigned long>(levelId)))
                                         : nullptr;
    if (pLevel == nullptr)
        return FALSE;
    return m_browser.GetTree() == CCategoryBrowser::kRecipeTree ? pLevel->m_hasRecipes != 0 : pLevel->m_hasMenus != 0;
}

void CEditCategoriesDlg::OnAdd()
{
    const CString name = TypedName();
    m_bNameChanged = FALSE;
    if (name.IsEmpty())
        return;
    const CString row = kIndent + name;
    // The list's exact search ignores letter case.
    if (SendDlgItemMessage(IDC_CATEGORY_ALL, LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                           reinterpret_cast<LPARAM>(row.GetString())) != LB_ERR)
    {
        MessageBoxById(m_hWnd, nullptr, IDS_CATEGORY_EXISTS, MB_ICONEXCLAMATION);
        return;
    }
    if (LevelHoldsItems())
    {
        MessageBoxById(m_hWnd, nullptr, IDS_CATEGORY_HOLDS_ITEMS, MB_ICONEXCLAMATION);
        return;
    }
    if (!Confirm(IDS_ADD_CATEGORY, name))
        return;
    CategoryListItem category;
    category.m_name = name;
    category.m_secondId = CRecordId(static_cast<unsigned long>(m_browser.GetLevelId()));
    category.m_type = m_browser.GetTypeLetter();
    category.m_firstChild = category.m_sibling = -1;
    if (CCookbookDatabase* pDatabase = GetCurrentDatabase())
        pDatabase->AddCategory(category);
    m_browser.Reload();
    Refill();
}

void CEditCategoriesDlg::OnSave()
{
    const long id = SelectedId();
    const CString name = TypedName();
    m_bNameChanged = FALSE;
    CCookbookDatabase* pDatabase = GetCurrentDatabase();
    if (pDatabase == nullptr || m_browser.FindChild(id) == nullptr || name.IsEmpty() ||
        !Confirm(IDS_RENAME_CATEGORY, name))
        return;
    // The loaded tree keeps the name: the list is refilled from it.
    if (CategoryListItem* pCategory = pDatabase->FindCategory(CRecordId(static_cast<unsigned long>(id))))
    {
        pCategory->m_name = name;
        pDatabase->SaveCategory(*pCategory);
    }
    m_browser.Reload();
    Refill();
}

// The title row stands for the level itself: at the root that is no category, and below it the
// dialog climbs first so that it never browses a level that is gone.
void CEditCategoriesDlg::OnDelete()
{
    long id = SelectedId();
    const BOOL bLevel = id == CCategoryBrowser::kTitleRow;
    if (bLevel)
        id = m_browser.GetLevelId();
    CCookbookDatabase* pDatabase = GetCurrentDatabase();
    const CategoryListItem* pFound =
        pDatabase != nullptr && id != 0 ? pDatabase->FindCategory(CRecordId(static_cast<unsigned long>(id))) : nullptr;
    if (pFound == nullptr)
        return;
    const CategoryListItem category(*pFound);
    if (!Confirm(category.m_firstChild < 0 ? IDS_DELETE_CATEGORY : IDS_DELETE_CATEGORY_TREE, category.m_name))
        return;
    if (bLevel)
        m_browser.Climb();
    pDatabase->RemoveCategory(category);
    m_browser.Reload();
    Refill();
}

void CEditCategoriesDlg::OnOK()
{
    if (m_bNameChanged)
    {
        const int nAnswer = MessageBoxById(m_hWnd, nullptr, IDS_SAVE_BEFORE_CLOSING, MB_YESNOCANCEL | MB_ICONQUESTION);
        if (nAnswer == IDCANCEL)
            return;
        if (nAnswer == IDYES)
            OnSave();
    }
    EndDialog(IDOK);
}

void CEditCategoriesDlg::OnHelpButton()
{
    ShowHelp(HELP_CONTEXT, GetHelpContext(), IDS_HELP_FILE);
}

void CEditCategoriesDlg::OnDestroy()
{
    m_helpContext.Restore();
    m_browser.Stop();
    CWnd::OnDestroy();
}
