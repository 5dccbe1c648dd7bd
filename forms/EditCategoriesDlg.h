#pragma once

#include "forms/CategoryBrowser.h"
#include "forms/HelpContextKeeper.h"
#include "framework/Dialog.h"

// Edit/Categories: adds, renames and deletes the cookbook's categories, one level at a time.
class CEditCategoriesDlg : public CDialog
{
public:
    // Kinds: 0 recipe categories, 1 meal-plan categories (both offered); 2 and 3 the one only.
    explicit CEditCategoriesDlg(CWnd* pParent = nullptr, int nKind = 0);

    int GetKind() const { return m_nKind; }

    BOOL OnInitDialog() override;
    // Close: an unsaved name is offered for saving first.
    void OnOK() override;

protected:
    DECLARE_MESSAGE_MAP()
    void OnRecipeTree();
    void OnMealPlanTree();
    void OnCategorySelected();
    void OnCategoryDoubleClick();
    void OnNameUpdate();
    void OnAdd();
    void OnSave();
    void OnDelete();
    void OnHelpButton();
    void OnDestroy();

private:
    void ShowTree(int nTree);
    // The list shows the browser's level again; the selection and its fields are emptied.
    void Refill();
    CString TypedName() const;
    long SelectedId() const;
    BOOL LevelHoldsItems() const;
    BOOL Confirm(UINT nId, const CString& name);

    int m_nKind;
    CCategoryBrowser m_browser;
    BOOL m_bNameChanged = FALSE;
    CHelpContextKeeper m_helpContext;
};
