#pragma once

#include "database/RecordId.h"
#include "framework/ComboBox.h"
#include "framework/String.h"
#include "shopping/ShoppingDialog.h"

// Select Shopping List: the list that becomes current, named or chosen from the list files of
// the current directory; a name not yet used makes a new, empty list. When it runs as the first
// step of adding a recipe or a meal plan, it asks before that goes on the list a second time.
class CSelectShoppingListDlg : public CShoppingDialog
{
public:
    enum : int
    {
        kChoose = 0,
        kAddRecipe = 1,
        kAddMealPlan = 2,
    };

    // The longest list name: with ".shp" it still fits a file name.
    static constexpr int kMaxNameLength = 251;

    explicit CSelectShoppingListDlg(CWnd* pParent = nullptr);

    BOOL OnInitDialog() override;
    void OnOK() override;

    // Set by the caller: any mode above kAddMealPlan adds the items of chosen days.
    int m_mode = kChoose;
    CString m_itemName;
    CRecordId m_recipeId;
    LONG m_mealPlanKey = 0;
    // The result.
    CString m_listName;

protected:
    UINT HelpContextId() const override;

    DECLARE_MESSAGE_MAP()
    void OnNameTyped();
    void OnNameChosen();

private:
    void ShowPrompt();
    void FillNames();
    // A name that names no list yet is checked, then the list is made after the user agreed.
    BOOL CreateList(CString name);
    BOOL IsAlreadyOnList() const;

    CComboBox m_names;
    CString m_lastTyped;
};
