#include "shopping/ItemListDlg.h"

#include <windows.h>

#include <memory>

#include "database/IngData.h"
#include "res/resource.h"
#include "shell/services/MessageUtilities.h"
#include "shell/settings/WindowPlacement.h"
#include "shopping/ItemListRows.h"
#include "shopping/ShopItemDlg.h"
#include "shopping/ShopMgr.h"
#include "shopping/ShoppingListItem.h"

namespace {

constexpr UINT kFrequentHelpContext = 2041;
constexpr UINT kPantryHelpContext = 2042;
const char kAddedEntryRecipe[] = "Pantry";
const char kAddedEntryRecipeId[] = "000000";

CString LoadText(UINT nId)
{
    CString text;
    text.LoadString(nId);
    return text;
}

}  // namespace

BEGIN_MESSAGE_MAP(CItemListDlg, CShoppingDialog)
    ON_BN_CLICKED(IDC_ITEM_TOGGLE, OnToggle)
    ON_BN_CLICKED(IDC_ITEM_EDIT, OnEdit)
    ON_LBN_DBLCLK(IDC_ITEM_LIST, OnEdit)
    ON_BN_CLICKED(IDC_ITEM_DELETE, OnDelete)
    ON_BN_CLICKED(IDC_ITEM_NEW, OnNew)
    ON_BN_CLICKED(IDC_ITEM_PRINT, OnPrint)
    ON_BN_CLICKED(IDC_ITEM_ADD_TO_SHOP, OnAddToShop)
    ON_BN_CLICKED(IDC_ITEM_HELP, OnHelpButton)
END_MESSAGE_MAP()

CItemListDlg::CItemListDlg(int kind, CWnd* pParent) : CShoppingDialog(IDD_ITEM_LIST, pParent), m_kind(kind) {}

UINT CItemListDlg::HelpContextId() const
{
    return IsFrequent() ? kFrequentHelpContext : kPantryHelpContext;
}

BOOL CItemListDlg::OnInitDialog()
{
    CShoppingDialog::OnInitDialog();
    m_rows.SubclassDlgItem(IDC_ITEM_LIST, this);
    SetWindowText(LoadText(IsFrequent() ? IDS_FREQUENT_LIST_CAPTION : IDS_PANTRY_LIST_CAPTION));
    SetDlgItemText(IDC_ITEM_LIST_NOTE, LoadText(IsFrequent() ? IDS_FREQUENT_LIST_NOTE : IDS_PANTRY_LIST_NOTE));
    if (IsFrequent())
        GetDlgItem(IDC_ITEM_ADD_TO_SHOP)->ShowWindow(SW_HIDE);
    m_list.CopyFrom(IsFrequent() ? g_pShopMgr->GetFrequentList() : g_pShopMgr->GetPantryList());
    Fill();
    m_rows.SetCurSel(0);
    return TRUE;
}

void CItemListDlg::Fill()
{
    const int nSelected = m_rows.GetCurSel();
    m_rows.ResetContent();
    for (int i = 0; i < m_list.GetSize(); ++i)
    {
        CShoppingListItem* pItem = m_list.GetItem(i);
        const int nRow = m_rows.AddString(ItemListRowText(*pItem, IsFrequent()));
        m_rows.SetItemDataPtr(nRow, static_cast<CCheckableItem*>(pItem));
    }
    m_rows.SetCurSel(nSelected < m_rows.GetCount() ? nSelected : -1);
}

CShoppingListItem* CItemListDlg::SelectedItem() const
{
    const int nRow = m_rows.GetCurSel();
    if (nRow < 0)
        return nullptr;
    return static_cast<CShoppingListItem*>(static_cast<CCheckableItem*>(m_rows.GetItemDataPtr(nRow)));
}

void CItemListDlg::OnToggle()
{
    if (m_rows.ToggleCurrent())
        Fill();
}

void CItemListDlg::OnEdit()
{
    CShoppingListItem* pItem = SelectedItem();
    if (pItem == nullptr)
        return;
    CShopItemDlg dialog(*pItem, this);
    if (dialog.DoModal() == IDOK)
        Fill();
}

void CItemListDlg::OnDelete()
{
    const CShoppingListItem* pSelected = SelectedItem();
    if (pSelected == nullptr ||
        MessageBoxById(m_hWnd, nullptr, IDS_DELETE_SELECTED_ITEM, MB_OKCANCEL | MB_ICONQUESTION) != IDOK)
        return;
    int nIndex = -1;
    CShoppingListItem* pItem = m_list.FindBySerial(pSelected->GetSerial(), &nIndex);
    if (pItem == nullptr)
    {
        MessageBoxById(m_hWnd, nullptr, IDS_ITEM_NOT_FOUND, MB_ICONEXCLAMATION);
        return;
    }
    m_list.RemoveAt(nIndex);
    delete pItem;
    Fill();
}

void CItemListDlg::OnNew()
{
    auto pItem = std::make_unique<CShoppingListItem>();
    CShopItemDlg dialog(*pItem, this);
    if (dialog.DoModal() != IDOK)
        return;
    pItem->m_checked = 1;
    pItem->m_combined = 0;
    pItem->m_adjusted = 0;
    pItem->m_recipeName = LoadText(IsFrequent() ? IDS_FREQUENT_ITEM : IDS_PANTRY_ITEM);
    pItem->GetLine().m_preparation.Empty();
    m_list.Add(pItem.release());
    Fill();
}

// A cancelled printer choice prints nothing: the output would go to the last printer chosen,
// or to none.
void CItemListDlg::OnPrint()
{
    if (CreatePrinterDC() == 1)
        PrintItemList(m_hWnd, m_list, IsFrequent());
}

void CItemListDlg::OnAddToShop()
{
    CShoppingListItem* pItem = SelectedItem();
    if (pItem == nullptr)
    {
        MessageBoxById(m_hWnd, nullptr, IDS_SELECT_ITEM_TO_ADD, MB_ICONEXCLAMATION);
        return;
    }
    pItem->m_recipeName = kAddedEntryRecipe;
    pItem->m_recipeId = CRecordId(kAddedEntryRecipeId);
    if (!g_pShopMgr->AddItemCopy(pItem))
    {
        MessageBoxById(m_hWnd, nullptr, IDS_ITEM_NOT_ADDED_TO_LIST, MB_ICONEXCLAMATION);
        return;
    }
    m_bChanged = TRUE;
    MessageBoxById(m_hWnd, nullptr, IDS_ITEM_ADDED_TO_LIST, MB_ICONINFORMATION);
}

void CItemListDlg::OnOK()
{
    g_pShopMgr->ReplaceItemList(IsFrequent(), m_list);
    EndDialog(IDOK);
}
