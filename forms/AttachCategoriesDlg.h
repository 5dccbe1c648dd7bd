#pragma once

#include "forms/CategoryBrowser.h"
#include "forms/HelpContextKeeper.h"
#include "framework/Dialog.h"
#include "framework/String.h"

class CCustObList;
class CMenuData;
class CRecipeData;

// Attaches the recipe or meal plan being edited to leaf categories. Only its category list is
// changed, on OK; the form that owns it saves it.
class CAttachCategoriesDlg : public CDialog
{
public:
    enum : int
    {
        kRecipe = 2,
        kMealPlan = 3,
    };

    CAttachCategoriesDlg(CWnd* pParent, int nKind);

    // Not owned; the one that suits the kind is set before DoModal.
    void SetRecipe(CRecipeData* pRecipe);
    void SetMealPlan(CMenuData* pMealPlan);
    BOOL IsChanged() const { return m_bChanged; }

    BOOL OnInitDialog() override;
    void OnOK() override;

protected:
    DECLARE_MESSAGE_MAP()
    void OnAllSelected();
    void OnAllDoubleClick();
    void OnAttachedSelected();
    void OnAttach();
    void OnDetach();
    void OnClear();
    void OnHelpButton();
    void OnDestroy();

private:
    void FillAttached();
    void AddAttached(const CString& name, long id);
    BOOL IsAttached(const CString& name, long id) const;
    BOOL HasChildren(long id) const;
    long AttachedId(int nRow) const;
    CString AttachedName(int nRow) const;
    BOOL Ask(UINT nId);
    void EnableAttachedButtons();

    int m_nKind;
    CCustObList* m_pCategories = nullptr;
    CString m_itemName;
    CCategoryBrowser m_browser;
    BOOL m_bChanged = FALSE;
    CHelpContextKeeper m_helpContext;
};
