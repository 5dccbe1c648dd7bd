#include "shopping/EditStoresDlg.h"

#include <windows.h>

#include "database/CookbookDatabase.h"
#include "database/ListItem.h"
#include "res/resource.h"
#include "shell/services/CurrentDatabase.h"
#include "shell/services/MessageUtilities.h"
#include "shopping/StoreRows.h"

namespace {
constexpr UINT kHelpContext = 2047;
}

BEGIN_MESSAGE_MAP(CEditStoresDlg, CShoppingDialog)
    ON_LBN_SELCHANGE(IDC_STORE_LIST, OnStoreSelected)
    ON_BN_CLICKED(IDC_COPY_FROM_STORE, OnCopyFromStore)
    ON_BN_CLICKED(IDC_STORE_ADD, OnAdd)
    ON_BN_CLICKED(IDC_STORE_DELETE, OnDelete)
    ON_BN_CLICKED(IDC_STORE_SAVE, OnSave)
END_MESSAGE_MAP()

CEditStoresDlg::CEditStoresDlg(CWnd* pParent) : CShoppingDialog(IDD_EDIT_STORES, pParent) {}

UINT CEditStoresDlg::HelpContextId() const
{
    return kHelpContext;
}

BOOL CEditStoresDlg::OnInitDialog()
{
    CShoppingDialog::OnInitDialog();
    m_stores.SubclassDlgItem(IDC_STORE_LIST, this);
    m_copyStores.SubclassDlgItem(IDC_STORE_COMBO, this);
    AddStoreRows(m_stores);
    EnableRowButtons(FALSE);
    m_copyStores.EnableWindow(FALSE);
    return TRUE;
}

void CEditStoresDlg::EnableRowButtons(BOOL bEnable)
{
    GetDlgItem(IDC_STORE_DELETE)->EnableWindow(bEnable);
    GetDlgItem(IDC_STORE_SAVE)->EnableWindow(bEnable);
}

void CEditStoresDlg::RefillCopyStores()
{
    m_copyStores.ResetContent();
    AddStoreRows(m_copyStores);
    m_copyStores.SetCurSel(0);
}

BOOL CEditStoresDlg::IsCopying() const
{
    return IsDlgButtonChecked(IDC_COPY_FROM_STORE) == BST_CHECKED;
}

CString CEditStoresDlg::TypedName() const
{
    CString name;
    GetDlgItemText(IDC_STORE_NAME, name);
    return name;
}

BOOL CEditStoresDlg::Confirm(UINT nId, const CString& name)
{
    return MessageBoxById(m_hWnd, name, nId, MB_YESNO | MB_ICONQUESTION) == IDYES;
}

void CEditStoresDlg::OnStoreSelected()
{
    const int nRow = m_stores.GetCurSel();
    if (nRow < 0)
        return;
    CString name;
    m_stores.GetText(nRow, name);
    SetDlgItemText(IDC_STORE_NAME, name);
    EnableRowButtons(TRUE);
}

void CEditStoresDlg::OnCopyFromStore()
{
    m_copyStores.EnableWindow(IsCopying());
    if (IsCopying() && m_copyStores.GetCount() == 0)
        RefillCopyStores();
}

void CEditStoresDlg::OnAdd()
{
    const CString name = TypedName();
    if (name.IsEmpty())
        return;
    if (m_stores.FindStringExact(-1, name) != LB_ERR)
    {
        MessageBoxById(m_hWnd, nullptr, IDS_STORE_EXISTS, MB_ICONEXCLAMATION);
        return;
    }
    if (!Confirm(IDS_ADD_STORE, name))
        return;
    CListItem store(name, 0, 'S');
    CCookbookDatabase* pDatabase = GetCurrentDatabase();
    if (pDatabase == nullptr || !pDatabase->SaveStore(store))
    {
        MessageBoxById(m_hWnd, nullptr, IDS_STORE_NOT_ADDED, MB_ICONEXCLAMATION);
        return;
    }
    const int nCopyRow = m_copyStores.GetCurSel();
    if (IsCopying() && nCopyRow >= 0)
        CopySections(static_cast<long>(m_copyStores.GetItemData(nCopyRow)), store.m_id.GetNumber());
    const int nRow = m_stores.AddString(name);
    m_stores.SetItemData(nRow, static_cast<DWORD_PTR>(store.m_id.GetNumber()));
    m_stores.SetCurSel(-1);
    EnableRowButtons(FALSE);
    if (IsCopying())
        RefillCopyStores();
    m_bChanged = TRUE;
}

// The database hands out its one cached section list, which the save empties first: the
// sections are copied before they are written.
void CEditStoresDlg::CopySections(long fromStore, long toStore)
{
    CCookbookDatabase* pDatabase = GetCurrentDatabase();
    const CCustObList sections(pDatabase->LoadStoreSections(fromStore));
    pDatabase->SaveStoreSections(toStore, sections);
}

void CEditStoresDlg::OnDelete()
{
    const int nRow = m_stores.GetCurSel();
    if (nRow < 0)
        return;
    CString name;
    m_stores.GetText(nRow, name);
    if (!Confirm(IDS_DELETE_STORE, name))
        return;
    const CListItem store(name, static_cast<unsigned long>(m_stores.GetItemData(nRow)), 'S');
    if (CCookbookDatabase* pDatabase = GetCurrentDatabase())
        pDatabase->DeleteStore(store);
    m_stores.DeleteString(static_cast<UINT>(nRow));
    SetDlgItemText(IDC_STORE_NAME, "");
    EnableRowButtons(FALSE);
    if (IsCopying())
        RefillCopyStores();
    m_bChanged = TRUE;
}

void CEditStoresDlg::OnSave()
{
    const int nRow = m_stores.GetCurSel();
    const CString name = TypedName();
    if (nRow < 0 || name.IsEmpty() || !Confirm(IDS_RENAME_STORE, name))
        return;
    const DWORD_PTR nId = m_stores.GetItemData(nRow);
    CListItem store(name, static_cast<unsigned long>(nId), 'S');
    CCookbookDatabase* pDatabase = GetCurrentDatabase();
    if (pDatabase == nullptr || !pDatabase->SaveStore(store))
    {
        MessageBoxById(m_hWnd, nullptr, IDS_STORE_NOT_RENAMED, MB_ICONEXCLAMATION);
        return;
    }
    m_stores.DeleteString(static_cast<UINT>(nRow));
    m_stores.InsertString(nRow, name);
    m_stores.SetItemData(nRow, nId);
    m_stores.SetCurSel(nRow);
    if (IsCopying())
        RefillCopyStores();
    m_bChanged = TRUE;
}
