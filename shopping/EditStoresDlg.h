#pragma once

#include "framework/ComboBox.h"
#include "framework/ListBox.h"
#include "shopping/ShoppingDialog.h"

class CString;

// Edit Stores: adds, renames and deletes the cookbook's stores; a new store can start with the
// sections of another. The list and the copy combo carry each store's id number as item data.
class CEditStoresDlg : public CShoppingDialog
{
public:
    explicit CEditStoresDlg(CWnd* pParent = nullptr);

    BOOL OnInitDialog() override;

    // A store was added, renamed or deleted.
    BOOL m_bChanged = FALSE;

protected:
    UINT HelpContextId() const override;

    DECLARE_MESSAGE_MAP()
    void OnStoreSelected();
    void OnCopyFromStore();
    void OnAdd();
    void OnDelete();
    void OnSave();

private:
    // Delete and Save act on the selected row: without one they stay disabled.
    void EnableRowButtons(BOOL bEnable);
    void RefillCopyStores();
    BOOL IsCopying() const;
    CString TypedName() const;
    BOOL Confirm(UINT nId, const CString& name);
    void CopySections(long fromStore, long toStore);

    CListBox m_stores;
    CComboBox m_copyStores;
};
