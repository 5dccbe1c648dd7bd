#pragma once

#include "database/RecordId.h"
#include "forms/RelatedItemsArea.h"
#include "forms/ToolActions.h"
#include "forms/ListFormScheme.h"
#include "framework/BitmapButton.h"
#include "framework/ComboBox.h"
#include "framework/Font.h"
#include "shell/controls/OwnerDrawDragList.h"
#include "shell/controls/RecipeListBox.h"
#include "shell/formbase/BVFormView.h"

class CDC;
class CObList;
class CRecipeListItem;
class MenuListItem;

// One category's contents: a recipe category's recipes in any sort order, in a list of any
// length, or a meal-plan category's meal plans; beside the list, the related-items panel of the
// selected one, loaded once the selection has stopped moving for a moment.
class CRecipeListForm : public CBVFormView, public CToolActions
{
    DECLARE_DYNCREATE(CRecipeListForm)
public:
    enum ListMode
    {
        kRecipeList = 3,
        kMealPlanList = 4,
    };
    // How long the selection must rest before the panel follows it.
    static const UINT kPanelDelay = 600;

    CRecipeListForm();
    ~CRecipeListForm() override;
    void OnInitialUpdate() override;
    void OnUpdate(CView* pSender, LPARAM lHint, CObject* pHint) override;

    BOOL HasRecipeSelection() const override;
    BOOL HasToolSelection() const override;
    int GetRelatedItemNames(CStringArray& names) const override;

    // The position selected and the items the panel loaded last are kept while the program runs.
    static void ForgetPlace();

    const CRelatedItemsPanel& GetPanel() const { return m_related.GetPanel(); }
    const CPanelPageButtons& GetPageButtons() const { return m_related.GetPageButtons(); }
    // How often the panel was loaded since the form opened.
    long GetPanelLoads() const { return m_panelLoads; }

protected:
    DECLARE_MESSAGE_MAP()
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor);
    void OnDestroy();
    void OnBack();
    void OnShow();
    void OnSelectionChange();
    void OnLButtonUp(UINT nFlags, CPoint point);
    void OnTimer(UINT_PTR nIDEvent);
    void OnRButtonDown(UINT nFlags, CPoint point);
    void OnToolAction(UINT nId);
    void OnPrint();
    void OnPrintWithRecipes();
    void OnHelpIndex();
    void OnHelp();
    void OnSortChange();
    LRESULT OnNutritionPage(UINT nId);
    void OnRatingMenu(UINT nId);
    LRESULT OnRate(LPARAM rating);

private:
    void AttachControls();
    void FillRecipes();
    void FillMealPlans();
    // The remembered position selected and its related items loaded; nothing in an empty list.
    void SelectRememberedPosition(long count);
    void RestartPanelTimer();
    // The selected recipe's record id or meal plan's number; FALSE when nothing is selected.
    BOOL TakeSelection();
    BOOL ReadSelectedRecipe(CRecipeListItem& recipe);
    const MenuListItem* SelectedMealPlan() const;
    void LoadRelatedItems();
    // Every recipe of the list, as copies the caller owns.
    void CollectRecipes(CObList& recipes);
    void ShowRecipe();
    void ShowMealPlan();
    LRESULT OnPrintCategory(LPARAM perform);
    BOOL Rate(LONG rating);

    int m_listMode = kRecipeList;
    CRecordId m_categoryId;
    CListFormScheme m_scheme;
    CFont m_titleFont;
    CFont m_sortFont;
    CRecipeListBox m_recipes;
    COwnerDrawDragList m_mealPlans;
    CComboBox m_sort;
    CBitmapButton m_show;
    CBitmapButton m_back;
    CRelatedItemsArea m_related;
    int m_sortKey = 0;
    CRecordId m_selectedRecipe;
    long m_selectedMealPlan = -1;
    long m_panelLoads = 0;
};
