#pragma once

#include "forms/ToolActions.h"
#include "forms/ListFormScheme.h"
#include "framework/BitmapButton.h"
#include "framework/ComboBox.h"
#include "framework/Font.h"
#include "shell/controls/OwnerDrawDragList.h"
#include "shell/controls/RecipeListBox.h"
#include "shell/formbase/BVFormView.h"

class CDC;
class CRecipeListItem;

// The cookbook's table of contents: the chapters and the fixed "All ..." entries on the left;
// on the right the recipes of the chosen entry in any sort order, or its meal plans or
// categories. The user views, deletes, duplicates and rates what is selected there and hands
// it to the tool commands. Where the user left the contents is kept while the program runs.
class CTOCForm : public CBVFormView, public CToolActions
{
    DECLARE_DYNCREATE(CTOCForm)
public:
    // What the chosen contents entry lists.
    enum ContentsKind
    {
        kChapter = 0,
        kAllRecipes = 1,
        kRecipesWithPhotos = 2,
        kRecipesWithVideos = 3,
        kRecipesWithSounds = 4,
        kAllMealPlans = 5,
        kRecipeCategories = 6,
        kMealPlanCategories = 7,
    };
    // What is selected on the right; the shell asks for it.
    enum ListMode
    {
        kNothing = 0,
        kRecipeMode = 100,
        kMealPlanMode = 200,
        kCategoryMode = 300,
    };

    CTOCForm();
    ~CTOCForm() override;
    void OnInitialUpdate() override;

    int GetSelectedListMode() const override;
    void RefreshContents() override;
    BOOL HasToolSelection() const override;

    // The place kept between openings of the form: the contents row, the item selected (-1
    // none) and the kind of the entry.
    static void ForgetPlace();

protected:
    DECLARE_MESSAGE_MAP()
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor);
    void OnDestroy();
    void OnBack();
    void OnView();
    void OnOK();
    void OnHelp();
    void OnContentsChange();
    void OnItemChange();
    void OnSortChange();
    void OnSelectionCommand(UINT nId);
    void OnDelete();
    void OnDuplicate();
    LRESULT OnRate(LPARAM rating);
    LRESULT OnPrintChapter(LPARAM perform);

private:
    void AttachControls();
    void FillContents();
    void FillItems();
    void ShowRecipeControls(BOOL bRecipes);
    void FillRecipes();
    void FillMealPlans();
    void FillCategories();
    // The selected item as the form's selected number and list mode; FALSE when none.
    BOOL TakeSelection();
    // The selected recipe as the cookbook has it; FALSE when none or not found.
    BOOL ReadSelectedRecipe(CRecipeListItem& recipe);
    void ViewRecipe();
    void ViewMealPlan();
    void ViewCategory();
    void DeleteRecipe();
    void DeleteMealPlan();
    BOOL Ask(UINT nQuestionId, LPCSTR lpszName);
    void RememberContentsRow();

    CListFormScheme m_scheme;
    CFont m_labelFont;
    CFont m_comboFont;
    COwnerDrawDragList m_contents;
    COwnerDrawDragList m_items;
    CRecipeListBox m_recipes;
    CBitmapButton m_view;
    CBitmapButton m_back;
    CBitmapButton m_key;
    CComboBox m_sort;
    int m_listMode = kNothing;
    // A meal plan's position in the meal-plan list or a category's number.
    long m_selectedNumber = 0;
    CRecordId m_selectedRecipe;
    int m_sortKey = 0;
    BOOL m_fillingContents = FALSE;
};
