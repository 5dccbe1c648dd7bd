#pragma once

#include <map>

#include "framework/ComboBox.h"
#include "framework/Dialog.h"
#include "framework/String.h"
#include "shell/controls/CookbookIngredientSearch.h"
#include "shell/controls/TypeAheadCombo.h"

class CShoppingListItem;

// Edits one shopping item in place: quantity, unit, ingredient and store section. The unit must
// be one of the cookbook's; choosing an ingredient chooses its section.
class CShopItemDlg : public CDialog
{
public:
    explicit CShopItemDlg(CShoppingListItem& item, CWnd* pParent = nullptr);

    BOOL OnInitDialog() override;
    void OnOK() override;

protected:
    DECLARE_MESSAGE_MAP()
    void OnIngredientChosen();

private:
    void FillUnits();
    void FillSections();
    BOOL ReadUnit();
    void ReadSection();

    CShoppingListItem& m_item;
    CTypeAheadCombo m_ingredients;
    CComboBox m_units;
    CComboBox m_sections;
    CCookbookIngredientSearch m_search;
};
