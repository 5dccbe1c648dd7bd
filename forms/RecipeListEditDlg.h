#pragma once

#include "database/RecipeList.h"
#include "forms/HelpContextKeeper.h"
#include "framework/Dialog.h"
#include "framework/ListBox.h"

// Edit Specials List: recipes taken off the Specials list one at a time or all at once. The
// dialog works on a copy; OK hands the copy to the browse state as the new list.
class CRecipeListEditDlg : public CDialog
{
public:
    explicit CRecipeListEditDlg(CWnd* pParent);

    BOOL OnInitDialog() override;
    void OnOK() override;

    const CRecipeList& GetRecipes() const { return m_recipes; }

protected:
    DECLARE_MESSAGE_MAP()
    void OnSelectionChange();
    void OnRemove();
    void OnClear();
    void OnHelpButton();
    void OnDestroy();

private:
    void EnableRemove();

    CRecipeList m_recipes;
    CListBox m_list;
    CHelpContextKeeper m_helpContext;
};
