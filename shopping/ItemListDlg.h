#pragma once

#include "shell/controls/CheckItemList.h"
#include "shopping/ShoppingDialog.h"
#include "shopping/ShoppingList.h"

class CShoppingListItem;

// The pantry or frequent-item list, edited on a working copy that OK hands back to the shopping
// manager and Cancel drops. A checked pantry entry is left off the shopping list; a checked
// frequent entry is put on it.
class CItemListDlg : public CShoppingDialog
{
public:
    enum : int
    {
        kPantry = 0,
        kFrequent = 1,
    };

    explicit CItemListDlg(int kind, CWnd* pParent = nullptr);

    BOOL OnInitDialog() override;
    void OnOK() override;

    // An entry was added to the current shopping list.
    BOOL m_bChanged = FALSE;

protected:
    UINT HelpContextId() const override;

    DECLARE_MESSAGE_MAP()
    void OnToggle();
    void OnEdit();
    void OnDelete();
    void OnNew();
    void OnPrint();
    void OnAddToShop();

private:
    BOOL IsFrequent() const { return m_kind == kFrequent; }
    void Fill();
    CShoppingListItem* SelectedItem() const;

    int m_kind;
    CShoppingList m_list;
    CCheckItemList m_rows;
};
