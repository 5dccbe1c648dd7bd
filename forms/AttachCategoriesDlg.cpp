#include "forms/AttachCategoriesDlg.h"

#include <windows.h>

#include <set>

#include "database/CategoryListItem.h"
#include "database/CookbookDatabase.h"
#include "database/CustObList.h"
#include "database/MenuData.h"
#include "database/RecipeData.h"
#include "res/resource.h"
#include "shell/services/CurrentDatabase.h"
#include "shell/services/HelpService.h"
#include "shell/services/MessageUtilities.h"
#include "shell/settings/WindowPlacement.h"

namespace {
constexpr UINT kHelpContext = 2023;
}

BEGIN_MESSAGE_MAP(CAttachCategoriesDlg, CDialog)
    ON_LBN_SELCHANGE(IDC_CATEGORY_ALL, OnAllSelected)
    ON_LBN_DBLCLK(IDC_CATEGORY_ALL, OnAllDoubleClick)
    ON_LBN_SELCHANGE(IDC_CATEGORY_ATTACHED, OnAttachedSelected)
    ON_BN_CLICKED(IDC_CATEGORY_ATTACH, OnAttach)
    ON_BN_CLICKED(IDC_CATEGORY_DETACH, OnDetach)
    ON_BN_CLICKED(IDC_CATEGORY_CLEAR, OnClear)
    ON_BN_CLICKED(IDC_HELP_BUTTON, OnHelpButton)
    ON_WM_DESTROY()
END_MESSAGE_MAP()

CAttachCategoriesDlg::CAttachCategoriesDlg(CWnd* pParent, int nKind)
    : CDialog(IDD_ATTACH_CATEGORIES, pParent), m_nKind(nKind)
{
}

void CAttachCategoriesDlg::SetRecipe(CRecipeData* pRecipe)
{
    m_pCategories = pRecipe != nullptr ? &pRecipe->m_categories : nullptr;
    m_itemName = pRecipe != nullptr ? pRecipe->m_title : CString();
}

void CAttachCategoriesDlg::SetMealPlan(CMenuData* pMealPlan)
{
    m_pCategories = pMealPlan != nullptr ? &pMealPlan->m_categories : nullptr;
    m_itemName = pMealPlan != nullptr ? pMealPlan->m_name : CString();
}

BOOL CAttachCategoriesDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_helpContext.Set(kHelpContext);
    m_browser.Start(m_nKind == kMealPlan ? CCategoryBrowser::kMealPlanTree : CCategoryBrowser::kRecipeTree);
    m_browser.Fill(GetDlgItem(IDC_CATEGORY_ALL)->m_hWnd);
    FillAttached();
    GetDlgItem(IDC_CATEGORY_ATTACH)->EnableWindow(FALSE);
    GetDlgItem(IDC_CATEGORY_DETACH)->EnableWindow(FALSE);
    EnableAttachedButtons();
    CString heading;
    heading.LoadString(IDS_ATTACH_CATEGORIES_TO);
    SetDlgItemText(IDC_CATEGORY_PATH, heading + m_itemName);
    CenterWindowOver(this, m_pParentWnd);
    return TRUE;
}

void CAttachCategoriesDlg::FillAttached()
{
    if (m_pCategories == nullptr)
        return;
    for (POSITION position = m_pCategories->GetHeadPosition(); position != nullptr;)
    {
        const auto* pCategory = static_cast<const CategoryListItem*>(m_pCategories->GetNext(position));
        if (pCategory != nullptr && pCategory->m_id != "999999")
            AddAttached(pCategory->m_name, pCategory->m_id.GetNumber());
    }
}

void CAttachCategoriesDlg::AddAttached(const CString& name, long id)
{
    const LRESULT nRow =
        SendDlgItemMessage(IDC_CATEGORY_ATTACHED, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name.GetString()));
    SendDlgItemMessage(IDC_CATEGORY_ATTACHED, LB_SETITEMDATA, static_cast<WPARAM>(nRow), id);
}

long CAttachCategoriesDlg::AttachedId(int nRow) const
{
    return static_cast<long>(SendDlgItemMessage(IDC_CATEGORY_ATTACHED, LB_GETITEMDATA, static_cast<WPARAM>(nRow)));
}

CString CAttachCategoriesDlg::AttachedName(int nRow) const
{
    CString name;
    const LRESULT nLength = SendDlgItemMessage(IDC_CATEGORY_ATTACHED, LB_GETTEXTLEN, static_cast<WPARAM>(nRow));
    SendDlgItemMessage(IDC_CATEGORY_ATTACHED, LB_GETTEXT, static_cast<WPARAM>(nRow),
                       reinterpret_cast<LPARAM>(name.GetBuffer(static_cast<int>(nLength))));
    name.ReleaseBuffer();
    return name;
}

BOOL CAttachCategoriesDlg::IsAttached(const CString& name, long id) const
{
    const int nCount = static_cast<int>(SendDlgItemMessage(IDC_CATEGORY_ATTACHED, LB_GETCOUNT));
    for (int nRow = 0; nRow < nCount; ++nRow)
    {
        if (AttachedId(nRow) == id && AttachedName(nRow).CompareNoCase(name) == 0)
            return TRUE;
    }
    return FALSE;
}

BOOL CAttachCategoriesDlg::HasChildren(long id) const
{
    CSlotArray children;
    CCookbookDatabase* pDatabase = GetCurrentDatabase();
    return pDatabase != nullptr && pDatabase->GetChildCategories(children, id, m_browser.GetTree()) >= 0 &&
           children.GetSize() > 0;
}

void CAttachCategoriesDlg::EnableAttachedButtons()
{
    GetDlgItem(IDC_CATEGORY_CLEAR)->EnableWindow(SendDlgItemMessage(IDC_CATEGORY_ATTACHED, LB_GETCOUNT) > 0);
}

BOOL CAttachCategoriesDlg::Ask(UINT nId)
{
    return MessageBoxById(m_hWnd, nullptr, nId, MB_OKCANCEL | MB_ICONQUESTION) == IDOK;
}

void CAttachCategoriesDlg::OnAllSelected()
{
    const LRESULT nRow = SendDlgItemMessage(IDC_CATEGORY_ALL, LB_GETCURSEL);
    const LRESULT id = nRow < 0 ? 0 : SendDlgItemMessage(IDC_CATEGORY_ALL, LB_GETITEMDATA, static_cast<WPARAM>(nRow));
    GetDlgItem(IDC_CATEGORY_ATTACH)->EnableWindow(nRow >= 0 && id != CCategoryBrowser::kTitleRow);
}

void CAttachCategoriesDlg::OnAllDoubleClick()
{
    const int nRow = static_cast<int>(SendDlgItemMessage(IDC_CATEGORY_ALL, LB_GETCURSEL));
    if (m_browser.Navigate(GetDlgItem(IDC_CATEGORY_ALL)->m_hWnd, nRow))
        GetDlgItem(IDC_CATEGORY_ATTACH)->EnableWindow(FALSE);
}

void CAttachCategoriesDlg::OnAttachedSelected()
{
    const int nRow = static_cast<int>(SendDlgItemMessage(IDC_CATEGORY_ATTACHED, LB_GETCURSEL));
    if (nRow < 0)
        return;
    SetDlgItemText(IDC_CATEGORY_PATH, m_browser.PathOf(AttachedId(nRow)));
    GetDlgItem(IDC_CATEGORY_DETACH)->EnableWindow(TRUE);
}

void CAttachCategoriesDlg::OnAttach()
{
    const LRESULT nRow = SendDlgItemMessage(IDC_CATEGORY_ALL, LB_GETCURSEL);
    if (nRow < 0)
        return;
    const long id = static_cast<long>(SendDlgItemMessage(IDC_CATEGORY_ALL, LB_GETITEMDATA, static_cast<WPARAM>(nRow)));
    const CategoryListItem* pCategory = m_browser.FindChild(id);
    if (pCategory == nullptr)
        return;
    if (HasChildren(id))
    {
        MessageBoxById(m_hWnd, nullptr, IDS_CATEGORY_HAS_SUBCATEGORIES, MB_ICONEXCLAMATION);
        return;
    }
    if (IsAttached(pCategory->m_name, id))
        return;
    AddAttached(pCategory->m_name, id);
    m_bChanged = TRUE;
    EnableAttachedButtons();
}

void CAttachCategoriesDlg::OnDetach()
{
    const int nRow = static_cast<int>(SendDlgItemMessage(IDC_CATEGORY_ATTACHED, LB_GETCURSEL));
    if (nRow < 0 || !Ask(IDS_DETACH_CATEGORY))
        return;
    SendDlgItemMessage(IDC_CATEGORY_ATTACHED, LB_DELETESTRING, static_cast<WPARAM>(nRow));
    SetDlgItemText(IDC_CATEGORY_PATH, "");
    m_bChanged = TRUE;
    SendDlgItemMessage(IDC_CATEGORY_ATTACHED, LB_SETCURSEL, static_cast<WPARAM>(-1));
    GetDlgItem(IDC_CATEGORY_DETACH)->EnableWindow(FALSE);
    EnableAttachedButtons();
}

void CAttachCategoriesDlg::OnClear()
{
    if (!Ask(IDS_CLEAR_ATTACHED_CATEGORIES))
        return;
    SendDlgItemMessage(IDC_CATEGORY_ATTACHED, LB_RESETCONTENT);
    SetDlgItemText(IDC_CATEGORY_PATH, "");
    m_bChanged = TRUE;
    GetDlgItem(IDC_CATEGORY_DETACH)->EnableWindow(FALSE);
    EnableAttachedButtons();
}

void CAttachCategoriesDlg::OnOK()
{
    if (m_pCategories != nullptr)
    {
        std::set<long> rows;
        const int nCount = static_cast<int>(SendDlgItemMessage(IDC_CATEGORY_ATTACHED, LB_GETCOUNT));
        for (int nRow = 0; nRow < nCount; ++nRow)
            rows.insert(AttachedId(nRow));
        std::set<long> kept;
        for (POSITION position = m_pCategories->GetHeadPosition(); position != nullptr;)
        {
            const POSITION current = position;
            auto* pCategory = static_cast<CategoryListItem*>(m_pCategories->GetNext(position));
            const long id = pCategory != nullptr ? pCategory->m_id.GetNumber() : 0;
            if (rows.count(id) == 0)
            {
                delete pCategory;
                m_pCategories->RemoveAt(current);
                continue;
            }
            kept.insert(id);
        }
        for (int nRow = 0; nRow < nCount; ++nRow)
        {
            if (kept.count(AttachedId(nRow)) != 0)
                continue;
            auto* pCategory = new CategoryListItem;
            pCategory->m_id = CRecordId(static_cast<unsigned long>(AttachedId(nRow)));
            pCategory->m_name = AttachedName(nRow);
            pCategory->m_type = m_browser.GetTypeLetter();
            (m_nKind == kMealPlan ? pCategory->m_hasMenus : pCategory->m_hasRecipes) = 1;
            m_pCategories->AddTail(pCategory);
        }
    }
    EndDialog(IDOK);
}

void CAttachCategoriesDlg::OnHelpButton()
{
    ShowHelp(HELP_CONTEXT, GetHelpContext(), IDS_HELP_FILE);
}

void CAttachCategoriesDlg::OnDestroy()
{
    m_helpContext.Restore();
    m_browser.Stop();
    CWnd::OnDestroy();
}
